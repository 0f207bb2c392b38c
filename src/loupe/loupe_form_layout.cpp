// The loupe window's description: its label, and the timer and hotkey it starts with.

#include "colour/colour_identifiers.h"
#include "framework/win/form_builder.h"
#include "loupe/loupe_form.h"

namespace pipetto {
namespace {

using Row = win::ControlRow<TLoupeForm>;
#define F(field) PIPETTO_FIELD(TLoupeForm, field)

constexpr win::FontSpec tahoma_9{L"Tahoma", 9};
constexpr std::uint32_t loupe_interval_ms = 30;
constexpr TShortCut ctrl_a = 16449;

const win::FormDescription loupe_window{L"TLoupeForm", " Loupe", 130, 130, tahoma_9, true};

// The label covers the bottom 17 rows of the picture.
const Row layout[] = {
    {F(LoupeLabel),
     "",
     {0, 113, 130, 17},
     "Start/Stop : CTRL+A",
     tahoma_9,
     {.font_colour = clMaroon,
      .bevel = win::BevelStyle::raised_in_lowered,
      .hint = "Arrow keys move the cursor by one pixel",
      .hint_second_line = "Shift+arrow keys by ten pixels"}},
};

#undef F

} // namespace

void TLoupeForm::start_timer_and_hotkey() {
    // Its ticks come while it is shown (see handle_message).
    Timer.SetInterval(loupe_interval_ms);
    GlobalHotKey.OnKeyDown = [this](TGlobalHotKey& sender, std::uint16_t& key, TShiftState shift) {
        GlobalHotKeyKeyDown(sender, key, shift);
    };
    GlobalHotKey.SetHotKey(ctrl_a);
}

void TLoupeForm::build_window() {
    if (hwnd())
        return;
    create_form(loupe_window, 0, 0);
    win::build_controls<TLoupeForm>(*this, layout,
                                    [this](auto&&... arguments) { add_control(arguments...); });
    show_sample_size();
}

} // namespace pipetto
