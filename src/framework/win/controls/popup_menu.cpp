#include "framework/win/controls/popup_menu.h"

#include <utility>

#include "framework/win/win_text.h"

namespace pipetto::win {

PopupMenu::PopupMenu() : menu_(CreatePopupMenu()) {}

PopupMenu::~PopupMenu() {
    for (auto& [who, forget] : std::exchange(free_notifications_, {}))
        forget();
}

void PopupMenu::add_free_notification(const void* who, std::function<void()> forget) {
    remove_free_notification(who);
    free_notifications_.emplace_back(who, std::move(forget));
}

void PopupMenu::remove_free_notification(const void* who) {
    std::erase_if(free_notifications_, [who](const auto& entry) { return entry.first == who; });
}

void PopupMenu::add_item(std::string_view caption, std::function<void()> on_click,
                         bool new_column) {
    const UINT id = static_cast<UINT>(handlers_.size()) + 1;
    if (caption == "-")
        AppendMenuW(menu_.get(), MF_SEPARATOR, id, nullptr);
    else
        AppendMenuW(menu_.get(), MF_STRING | (new_column ? MF_MENUBARBREAK : 0), id,
                    widen(caption).c_str());
    handlers_.push_back(std::move(on_click));
}

void PopupMenu::popup(HWND owner, POINT screen_point, UINT alignment) {
    // The menu returns the chosen id instead of posting it, so the handler runs here.
    const UINT chosen = static_cast<UINT>(
        TrackPopupMenu(menu_.get(), TPM_RETURNCMD | TPM_RIGHTBUTTON | alignment | TPM_TOPALIGN,
                       screen_point.x, screen_point.y, 0, owner, nullptr));
    if (chosen != 0)
        choose(static_cast<int>(chosen) - 1);
}

void PopupMenu::choose(int index) {
    if (index >= 0 && index < item_count() && handlers_[static_cast<size_t>(index)])
        handlers_[static_cast<size_t>(index)]();
}

} // namespace pipetto::win
