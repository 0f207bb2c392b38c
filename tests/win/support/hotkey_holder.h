#pragma once
// Another process holding a system-wide hotkey for as long as this object lives.

#include <windows.h>

namespace pipetto::tests {

class HotKeyHolder {
  public:
    // Starts the holder for the combination (RegisterHotKey's modifier flags and key).
    HotKeyHolder(UINT modifiers, UINT key);
    HotKeyHolder(const HotKeyHolder&) = delete;
    HotKeyHolder& operator=(const HotKeyHolder&) = delete;
    ~HotKeyHolder(); // ends the holder, which frees the combination

    // The holder got the combination (false: someone else has it).
    bool holds() const noexcept { return holds_; }

  private:
    PROCESS_INFORMATION process_{};
    bool holds_ = false;
};

// Whether another process can register the combination now (it frees it again at once).
bool another_process_can_register(UINT modifiers, UINT key);

} // namespace pipetto::tests
