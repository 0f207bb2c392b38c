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
    // "-" as the caption makes a separator.
    void add_item(std::string_view caption, std::function<void()> on_click);
    int item_count() const noexcept { return static_cast<int>(handlers_.size()); }
    HMENU handle() const noexcept { return menu_.get(); }
    // Shows the menu at a screen point and runs the chosen item's handler.
    void popup(HWND owner, POINT screen_point);
    // Runs the handler of item `index` as a choice from the menu would.
    void choose(int index);

  private:
    MenuHandle menu_;
    std::vector<std::function<void()>> handlers_;
};

} // namespace pipetto::win
