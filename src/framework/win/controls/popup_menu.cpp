#include "framework/win/controls/popup_menu.h"

#include <utility>

#include "framework/win/win_text.h"

namespace pipetto::win {

PopupMenu::PopupMenu() : menu_(CreatePopupMenu()) {}

PopupMenu::~PopupMenu() {
    for (auto& [who, forget] : std::exchange(free_notifications_, {}))
        forget();
    // Each submenu destroys its own menu: detached first, so that destroying this one
    // doesn't take them along.
    for (int index = item_count(); index-- > 0;)
        if (submenus_[static_cast<size_t>(index)])
            RemoveMenu(menu_.get(), static_cast<UINT>(index), MF_BYPOSITION);
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
    const UINT id = first_id_ + static_cast<UINT>(handlers_.size());
    if (caption == "-")
        AppendMenuW(menu_.get(), MF_SEPARATOR, id, nullptr);
    else
        AppendMenuW(menu_.get(), MF_STRING | (new_column ? MF_MENUBARBREAK : 0), id,
                    widen(caption).c_str());
    handlers_.push_back(std::move(on_click));
    submenus_.emplace_back();
}

PopupMenu& PopupMenu::add_submenu(std::string_view caption) {
    auto submenu = std::make_unique<PopupMenu>();
    submenu->first_id_ = first_id_ + submenu_id_range * static_cast<unsigned>(submenus_.size() + 1);
    AppendMenuW(menu_.get(), MF_POPUP, reinterpret_cast<UINT_PTR>(submenu->handle()),
                widen(caption).c_str());
    handlers_.emplace_back();
    submenus_.push_back(std::move(submenu));
    return *submenus_.back();
}

PopupMenu* PopupMenu::submenu(int index) const noexcept {
    return index >= 0 && index < item_count() ? submenus_[static_cast<size_t>(index)].get()
                                              : nullptr;
}

void PopupMenu::clear() {
    for (int index = item_count(); index-- > 0;)
        if (submenus_[static_cast<size_t>(index)])
            RemoveMenu(menu_.get(), static_cast<UINT>(index), MF_BYPOSITION);
        else
            DeleteMenu(menu_.get(), static_cast<UINT>(index), MF_BYPOSITION);
    handlers_.clear();
    submenus_.clear();
}

void PopupMenu::set_enabled(int index, bool enabled) {
    EnableMenuItem(menu_.get(), static_cast<UINT>(index),
                   MF_BYPOSITION | (enabled ? MF_ENABLED : MF_GRAYED));
}

bool PopupMenu::enabled(int index) const {
    const UINT state = GetMenuState(menu_.get(), static_cast<UINT>(index), MF_BYPOSITION);
    return state != static_cast<UINT>(-1) && !(state & (MF_GRAYED | MF_DISABLED));
}

void PopupMenu::popup(HWND owner, POINT screen_point, UINT alignment) {
    if (before_popup)
        before_popup();
    // The menu returns the chosen id instead of posting it, so the handler runs here.
    const UINT chosen = static_cast<UINT>(
        TrackPopupMenu(menu_.get(), TPM_RETURNCMD | TPM_RIGHTBUTTON | alignment | TPM_TOPALIGN,
                       screen_point.x, screen_point.y, 0, owner, nullptr));
    if (chosen != 0)
        choose_command(chosen);
}

void PopupMenu::choose_command(unsigned id) {
    if (id < first_id_)
        return;
    const unsigned offset = id - first_id_;
    if (offset < submenu_id_range) {
        choose(static_cast<int>(offset));
        return;
    }
    if (PopupMenu* menu = submenu(static_cast<int>(offset / submenu_id_range) - 1))
        menu->choose_command(id);
}

void PopupMenu::choose(int index) {
    if (index >= 0 && index < item_count() && handlers_[static_cast<size_t>(index)])
        handlers_[static_cast<size_t>(index)]();
}

} // namespace pipetto::win
