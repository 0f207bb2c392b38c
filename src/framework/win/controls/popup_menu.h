#pragma once
#include <functional>
#include <memory>
#include <string_view>
#include <vector>

#include "framework/win/handles.h"

namespace pipetto::win {

// A context menu of text items, separators and submenus, each item with its click handler.
class PopupMenu {
  public:
    PopupMenu();
    PopupMenu(const PopupMenu&) = delete;
    PopupMenu& operator=(const PopupMenu&) = delete;
    // Tells whoever refers to the menu that it goes.
    ~PopupMenu();
    // "-" as the caption makes a separator; an "&" marks the item's access key. A
    // `new_column` item starts a column of its own beside the items before it, at the top,
    // behind a line.
    void add_item(std::string_view caption, std::function<void()> on_click,
                  bool new_column = false);
    // An item that opens a menu of its own, which it returns; that menu's items are chosen
    // through this one's popup.
    PopupMenu& add_submenu(std::string_view caption);
    // The submenu of item `index`, or null.
    PopupMenu* submenu(int index) const noexcept;
    // Removes every item, to fill the menu anew.
    void clear();
    void set_enabled(int index, bool enabled);
    bool enabled(int index) const;
    int item_count() const noexcept { return static_cast<int>(handlers_.size()); }
    HMENU handle() const noexcept { return menu_.get(); }
    // Runs just before the menu shows, to make items that follow what is chosen now.
    std::function<void()> before_popup;
    // Shows the menu at a screen point and runs the chosen item's handler. The point is the
    // menu's top-left corner, or its top-right one with TPM_RIGHTALIGN.
    void popup(HWND owner, POINT screen_point, UINT alignment = TPM_LEFTALIGN);
    // `forget` runs when the menu is destroyed; `who` names the registration for removal.
    void add_free_notification(const void* who, std::function<void()> forget);
    void remove_free_notification(const void* who);
    // Runs the handler of item `index` as a choice from the menu would.
    void choose(int index);

  private:
    // The command ids of a submenu's items lie in a range of their own.
    static constexpr unsigned submenu_id_range = 1000;
    void choose_command(unsigned id);

    MenuHandle menu_;
    unsigned first_id_ = 1;
    std::vector<std::function<void()>> handlers_;
    // Item by item: the submenu an item opens, or null.
    std::vector<std::unique_ptr<PopupMenu>> submenus_;
    std::vector<std::pair<const void*, std::function<void()>>> free_notifications_;
};

} // namespace pipetto::win
