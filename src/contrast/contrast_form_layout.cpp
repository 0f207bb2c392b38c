// The contrast window's description: every control with its place at 96 DPI, text, font,
// properties and handlers, in creation order, which is the tab order.

#include "colour/colour_identifiers.h"
#include "contrast/contrast_form.h"
#include "framework/win/form_builder.h"
#include "resources/resource_ids.h"

namespace pipetto {
namespace {

using Row = win::ControlRow<TContrastForm>;
using C = TContrastForm;
#define F(field) PIPETTO_FIELD(TContrastForm, field)

constexpr win::FontSpec tahoma_9{L"Tahoma", 9};
constexpr win::FontSpec tahoma_9_bold{L"Tahoma", 9, true};
// Normal body text, and the guidelines' large text: 18 points, 24 pixels at 96 DPI.
constexpr win::FontSpec tahoma_13{L"Tahoma", 13};
constexpr win::FontSpec tahoma_24{L"Tahoma", 24};
constexpr win::FontSpec tahoma_18_bold{L"Tahoma", 18, true};

const win::FormDescription contrast_window{L"TContrastForm", " Contrast", 192, 200, tahoma_9, true};

constexpr win::Properties swatch{.colour = clWhite};
constexpr win::Properties sample{
    .font_colour = clBlack, .transparent = true, .alignment = win::Alignment::centre};

const Row layout[] = {
    {F(TextLabel), "", {8, 9, 0, 11}, "Text:"},
    {F(TextSwatchFrame), "", {70, 6, 16, 16}},
    {F(TextSwatch), "", {72, 8, 12, 12}, "", tahoma_9, swatch},
    {F(TextValue), "", {92, 9, 48, 11}, "#000000"},
    {F(BackLabel), "", {8, 29, 0, 11}, "Background:"},
    {F(BackSwatchFrame), "", {70, 26, 16, 16}},
    {F(BackSwatch), "", {72, 28, 12, 12}, "", tahoma_9, swatch},
    {F(BackValue), "", {92, 29, 48, 11}, "#FFFFFF"},
    {F(SwapBtn),
     "",
     {144, 6, 40, 36},
     "&Swap",
     tahoma_9_bold,
     {.hint = "Swap text and background"},
     &C::SwapBtnClick},
    {F(KeptBackground),
     "",
     {8, 46, 176, 17},
     "Chosen colour as background",
     tahoma_9,
     {.hint = "The colour chosen on the History page stays the background;",
      .hint_second_line = "choose another row for the text"},
     &C::KeptBackgroundClick},
    // The samples lie on the box, which is painted before them.
    {F(SampleFrame), "", {8, 66, 176, 62}},
    {F(SampleBox), "", {10, 68, 172, 58}, "", tahoma_9, {.colour = clWhite}},
    {F(NormalSample), "", {10, 73, 172, 17}, "Normal text Aa Bb 123", tahoma_13, sample},
    {F(LargeSample), "", {10, 93, 172, 30}, "Large text Aa", tahoma_24, sample},
    {F(RatioLabel), "", {8, 134, 120, 22}, "1.00:1", tahoma_18_bold},
    {F(CopyBtn),
     "",
     {164, 136, 20, 18},
     "",
     tahoma_9,
     {.hint = "Copy the verdict to the clipboard",
      .glyph = IDB_COPY_GLYPH,
      .glyph_hot = IDB_COPY_GLYPH_HOT},
     &C::CopyBtnClick},
    {F(AaLabel), "", {8, 160, 86, 11}, "AA: fail", tahoma_9, {.font_colour = clRed}},
    {F(AaaLabel), "", {98, 160, 86, 11}, "AAA: fail", tahoma_9, {.font_colour = clRed}},
    {F(LargeAaLabel), "", {8, 174, 86, 11}, "Large AA: fail", tahoma_9, {.font_colour = clRed}},
    {F(LargeAaaLabel), "", {98, 174, 86, 11}, "Large AAA: fail", tahoma_9, {.font_colour = clRed}},
    {F(UiLabel), "", {8, 188, 86, 11}, "UI: fail", tahoma_9, {.font_colour = clRed}},
};

#undef F

} // namespace

void TContrastForm::build_window() {
    if (hwnd())
        return;
    create_form(contrast_window, 0, 0);
    win::build_controls<TContrastForm>(*this, layout,
                                       [this](auto&&... arguments) { add_control(arguments...); });
}

} // namespace pipetto
