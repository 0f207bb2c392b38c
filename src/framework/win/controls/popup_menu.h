#pragma once
#include <functional>
#include <string_view>
#include <vector>

#include "framework/win/handles.h"

namespace pipetto::win {

// A context menu of text items and separators, each item with its click handler.
class PopupMenu {
  public:
    PopupMenu();
    PopupMenu(const PopupMenu&) = delete;
    PopupMenu& operator=(const PopupMenu&) = delete;
    // Tells whoever refers to the menu that it goes.
    ~PopupMenu();
    // "-" as the caption makes a separator.
    void add_item(std::string_view caption, std::function<void()> on_click);
    // The same, made item `position` (from 0); the items from there on move down by one.
    void insert_item(int position, std::string_view caption, std::function<void()> on_click);
    int item_count() const noexcept { return static_cast<int>(items_.size()); }
    HMENU handle() const noexcept { return menu_.get(); }
    // Shows the menu at a screen point and runs the chosen item's handler. The point is the
    // menu's top-left corner, or its top-right one with TPM_RIGHTALIGN.
    void popup(HWND owner, POINT screen_point, UINT alignment = TPM_LEFTALIGN);
    // `forget` runs when the menu is destroyed; `who` names the registration for removal.
    void add_free_notification(const void* who, std::function<void()> forget);
    void remove_free_notification(const void* who);
    // Runs the handler of item `index` as a choice from the menu would.
    void choose(int index);

  private:
    MenuHandle menu_;
    struct Item {
        UINT id;
        std::function<void()> on_click;
    };
    // In menu order; an item's id stays its own wherever items are inserted.
    std::vector<Item> items_;
    UINT next_id_ = 1;
    std::vector<std::pair<const void*, std::function<void()>>> free_notifications_;
};

} // namespace pipetto::win
