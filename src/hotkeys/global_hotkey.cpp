#include "hotkeys/global_hotkey.h"

#include <cstdint>
#include <exception>
#include <string>

#include "framework/win/application.h"

namespace pipetto {
namespace {

// The id's text: the instance's address read as a signed 32-bit number, so instances
// alive at the same time have different ids.
std::string id_text(const void* instance) {
    const auto address = reinterpret_cast<std::uintptr_t>(instance);
    return std::to_string(static_cast<std::int32_t>(static_cast<std::uint32_t>(address)));
}

} // namespace

TGlobalHotKey::TGlobalHotKey()
    : id_(id_text(this)), route_(WM_HOTKEY, id_.get(), [this] { handle(); }) {}

TGlobalHotKey::~TGlobalHotKey() {
    if (hotkey_ != 0)
        SetHotKey(0);
    id_.reset();
}

void TGlobalHotKey::SetActive(bool active) {
    if (active == active_)
        return;
    active_ = active;
    if (active)
        register_hotkey();
    else if (hotkey_ != 0)
        registration_.release();
}

void TGlobalHotKey::SetHotKey(TShortCut hotkey) {
    if (hotkey == hotkey_)
        return;
    if (active_) {
        if (hotkey != 0) {
            hotkey_ = hotkey;
            register_hotkey(); // releases the old combination first
            return;
        }
        registration_.release();
    }
    hotkey_ = hotkey;
}

void TGlobalHotKey::register_hotkey() {
    if (hotkey_ == 0)
        return;
    registration_.acquire(win::message_window::handle(), id_.get(), hotkey_modifier_flags(hotkey_),
                          shortcut_key(hotkey_));
}

void TGlobalHotKey::handle() {
    if (!OnKeyDown)
        return;
    std::uint16_t key = shortcut_key(hotkey_);
    try {
        OnKeyDown(*this, key, shortcut_shift(hotkey_));
    } catch (const std::exception& error) {
        win::report_exception(error);
    } catch (...) {
        win::report_unknown_exception();
    }
}

} // namespace pipetto
