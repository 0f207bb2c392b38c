#pragma once
// The loupe: a small tool window that shows the screen around the mouse cursor magnified
// about four times, refreshed every 30 ms, with a hotkey of its own that freezes and
// unfreezes the picture. Its controls are built from the table in loupe_form_layout.cpp.

#include <cstdint>
#include <functional>
#include <string_view>

#include "framework/win/controls/check_box.h"
#include "framework/win/controls/panel.h"
#include "framework/win/form.h"
#include "framework/win/timer.h"
#include "hotkeys/global_hotkey.h"
#include "loupe/back_buffer.h"

namespace pipetto {

class TLoupeForm : public win::Form {
  public:
    // Hidden, updating, with Ctrl+A as its hotkey, which works from now on. The window is
    // built when first needed: placed, or given a hotkey entry. The cross is drawn while
    // `cursor_check_box` ("Show cursor in loupe" on the main window) is checked.
    explicit TLoupeForm(const win::CheckBox& cursor_check_box);
    ~TLoupeForm() override;

    // Builds the window, hidden, unless it is built already.
    void build_window();

    void TimerTimer();
    void Lense();
    void GlobalHotKeyKeyDown(TGlobalHotKey& Sender, std::uint16_t& Key, TShiftState Shift);

    // Takes the hotkey and the label's text from an entry of the hotkey list.
    void UseHotKeyEntry(std::string_view entry_text);
    // Style and place beside the main window (shown or not), always on a monitor.
    void PlaceBeside(const win::Form& main_window);

    // An arrow key moves the mouse cursor one physical pixel that way (ten with Shift),
    // never off the virtual screen, and shows the new pixel at once.
    void StepCursor(int dx, int dy);
    // Runs right after a step, so the Grab page shows the new pixel without waiting for
    // the sampler's next tick.
    std::function<void()> OnCursorStepped;

    // The side of the square a grab reads around the cursor's pixel (one of sample_sizes),
    // shown in the caption (" Loupe 5×5"; " Loupe" for the pixel alone), the hint and, as
    // an outline, in the picture.
    int SampleSize() const noexcept { return sample_size_; }
    void SetSampleSize(int size);
    // "+" and "-" (or the wheel) step the size; past either end nothing changes.
    void StepSampleSize(bool larger);
    // Runs when the user has chosen another size, which the grab then reads.
    std::function<void(int)> OnSampleSizeChosen;

    win::Panel LoupeLabel;
    win::Timer Timer;
    TGlobalHotKey GlobalHotKey;

  protected:
    // The close box only hides the loupe; the loupe button shows it again.
    bool on_close() override;
    LRESULT handle_message(UINT message, WPARAM wparam, LPARAM lparam) override;

  private:
    void start_timer_and_hotkey();
    void take_picture_now();
    void show_sample_size();

    const win::CheckBox& cursor_check_box_;
    POINT cursor_{};
    int sample_size_ = 1;
    // What the wheel turned short of a whole notch, kept for the next turn.
    int wheel_rest_ = 0;
    // The edges of the virtual screen, in screen pixels.
    RECT screen_area_;
    // The last picture: painted on every repaint, so a frozen loupe keeps what it showed.
    BackBuffer picture_;
};

} // namespace pipetto
