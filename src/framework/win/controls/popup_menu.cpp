#include "framework/win/controls/popup_menu.h"

#include <algorithm>
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

void PopupMenu::add_item(std::string_view caption, std::function<void()> on_click) {
    insert_item(item_count(), caption, std::move(on_click));
}

void PopupMenu::insert_item(int position, std::string_view caption,
                            std::function<void()> on_click) {
    position = std::clamp(position, 0, item_count());
    const UINT id = next_id_++;
    const UINT flags = MF_BYPOSITION | (caption == "-" ? MF_SEPARATOR : MF_STRING);
    InsertMenuW(menu_.get(), static_cast<UINT>(position), flags, id,
                caption == "-" ? nullptr : widen(caption).c_str());
    items_.insert(items_.begin() + position, Item{id, std::move(on_click)});
}

void PopupMenu::popup(HWND owner, POINT screen_point, UINT alignment) {
    // The menu returns the chosen id instead of posting it, so the handler runs here.
    const UINT chosen = static_cast<UINT>(
        TrackPopupMenu(menu_.get(), TPM_RETURNCMD | TPM_RIGHTBUTTON | alignment | TPM_TOPALIGN,
                       screen_point.x, screen_point.y, 0, owner, nullptr));
    for (int index = 0; chosen != 0 && index < item_count(); ++index)
        if (items_[static_cast<size_t>(index)].id == chosen) {
            choose(index);
            return;
        }
}

void PopupMenu::choose(int index) {
    if (index >= 0 && index < item_count() && items_[static_cast<size_t>(index)].on_click)
        items_[static_cast<size_t>(index)].on_click();
}

} // namespace pipetto::win
