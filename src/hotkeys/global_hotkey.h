#pragma once
// A system-wide hotkey: one key combination that raises OnKeyDown inside this program
// whichever program has the keyboard focus. Each instance registers under an id of its own
// (a global atom) for the program's shared message window, so two instances never answer
// each other's key presses.

#include <cstdint>
#include <functional>

#include "framework/win/message_window.h"
#include "hotkeys/hotkey_registration.h"
#include "hotkeys/shortcut.h"

namespace pipetto {

class TGlobalHotKey;

// Key and Shift describe the component's HotKey, never the keys actually held; a change
// the handler makes to Key is ignored.
using TKeyEvent = std::function<void(TGlobalHotKey& Sender, std::uint16_t& Key, TShiftState Shift)>;

class TGlobalHotKey {
  public:
    // Active, HotKey 0: nothing is registered yet.
    TGlobalHotKey();
    TGlobalHotKey(const TGlobalHotKey&) = delete;
    TGlobalHotKey& operator=(const TGlobalHotKey&) = delete;
    // Releases the combination, then the atom.
    ~TGlobalHotKey();

    bool Active() const noexcept { return active_; }
    // An equal value does nothing; true registers the stored HotKey, false releases it.
    void SetActive(bool active);

    TShortCut HotKey() const noexcept { return hotkey_; }
    // An equal value does nothing. While active, the old combination is released before the
    // new one is registered, and 0 only releases. While inactive the value is only stored.
    void SetHotKey(TShortCut hotkey);

    // Whether the system gave this instance its combination. False while another program,
    // or another instance, holds it: a press then reaches the other holder, not us.
    bool Registered() const noexcept { return registration_.registered(); }

    // The id the combination is registered under.
    std::uint16_t RegistrationId() const noexcept { return id_.get(); }

    TKeyEvent OnKeyDown;

  private:
    void register_hotkey();
    void handle();

    bool active_ = true;
    GlobalAtom id_;
    TShortCut hotkey_ = 0;
    HotKeyRegistration registration_;
    win::message_window::Route route_;
};

} // namespace pipetto
