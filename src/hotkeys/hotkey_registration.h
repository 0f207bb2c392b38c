#pragma once
// Owners of the two system resources a hotkey holds: its id in the global atom table and
// its registration with the system.

#include <windows.h>

#include <cstdint>
#include <string>
#include <utility>

namespace pipetto {

// An entry of the global atom table, deleted when the owner goes.
class GlobalAtom {
  public:
    GlobalAtom() = default;
    explicit GlobalAtom(const std::string& text) : atom_(GlobalAddAtomA(text.c_str())) {}
    GlobalAtom(const GlobalAtom&) = delete;
    GlobalAtom& operator=(const GlobalAtom&) = delete;
    GlobalAtom(GlobalAtom&& other) noexcept : atom_(std::exchange(other.atom_, 0)) {}
    GlobalAtom& operator=(GlobalAtom&& other) noexcept {
        if (this != &other) {
            reset();
            atom_ = std::exchange(other.atom_, 0);
        }
        return *this;
    }
    ~GlobalAtom() { reset(); }

    std::uint16_t get() const noexcept { return atom_; }
    void reset() noexcept {
        if (atom_)
            GlobalDeleteAtom(std::exchange(atom_, ATOM{0}));
    }

  private:
    ATOM atom_ = 0;
};

// One combination registered for a window under an id; released when the owner goes or
// another is registered in its place.
class HotKeyRegistration {
  public:
    HotKeyRegistration() = default;
    HotKeyRegistration(const HotKeyRegistration&) = delete;
    HotKeyRegistration& operator=(const HotKeyRegistration&) = delete;
    ~HotKeyRegistration() { release(); }

    // Releases what this id held, then asks for the combination; false when the system
    // refuses it (another holder).
    bool acquire(HWND window, std::uint16_t id, UINT modifiers, UINT key) noexcept {
        release();
        window_ = window;
        id_ = id;
        registered_ = RegisterHotKey(window, id, modifiers, key) != FALSE;
        return registered_;
    }
    // Unregisters the id, whether or not the system gave it the combination: an id that
    // was refused holds nothing, and asking costs nothing.
    void release() noexcept {
        if (window_)
            UnregisterHotKey(window_, id_);
        window_ = nullptr;
        registered_ = false;
    }
    bool registered() const noexcept { return registered_; }

  private:
    HWND window_ = nullptr;
    std::uint16_t id_ = 0;
    bool registered_ = false;
};

} // namespace pipetto
