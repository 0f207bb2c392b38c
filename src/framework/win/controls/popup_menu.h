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
    // "-" as the caption makes a separator. A `new_column` item starts a column of its own
    // beside the items before it, at the top, behind a line.
    void add_item(std::string_view caption, std::function<void()> on_click,
                  bool new_column = false);
    int item_count() const noexcept { return static_cast<int>(handlers_.size()); }
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
    std::vector<std::function<void()>> handlers_;
    std::vector<std::pair<const void*, std::function<void()>>> free_notifications_;
};

} // namespace pipetto::win
