#include "framework/win/window_registry.h"

#include <unordered_map>

namespace pipetto::win::window_registry {
namespace {

struct Entry {
    Window* window = nullptr;
    Control* control = nullptr;
    const void* object() const noexcept {
        return window ? static_cast<const void*>(window) : static_cast<const void*>(control);
    }
};

std::unordered_map<HWND, Entry>& entries() {
    static std::unordered_map<HWND, Entry> table;
    return table;
}

// A Windows control of ours that is not subclassed never tells us that its window went
// with its parent, so its entry may outlive the window. The window's user data holds the
// object for as long as the window lives; a destroyed handle reads 0, a reused one
// something else.
const Entry* live_entry(HWND window) noexcept {
    if (!window)
        return nullptr;
    const auto found = entries().find(window);
    if (found == entries().end())
        return nullptr;
    const auto user_data = reinterpret_cast<const void*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    return user_data == found->second.object() ? &found->second : nullptr;
}

} // namespace

void enter(HWND window, Window& object) {
    entries()[window] = Entry{&object, nullptr};
}

void enter(HWND window, Control& object) {
    entries()[window] = Entry{nullptr, &object};
}

void leave(HWND window, const void* object) noexcept {
    const auto found = entries().find(window);
    if (found != entries().end() && found->second.object() == object)
        entries().erase(found);
}

Window* window_of(HWND window) noexcept {
    const Entry* entry = live_entry(window);
    return entry ? entry->window : nullptr;
}

Control* control_of(HWND window) noexcept {
    const Entry* entry = live_entry(window);
    return entry ? entry->control : nullptr;
}

} // namespace pipetto::win::window_registry
