// One tick of grabbing: the Grab page shows the pixel under the cursor in every form, or
// the mean of the square around it that the loupe's sample size asks for.
// Ten times a second for as long as the program runs, so nothing here touches the heap:
// the forms are fixed-size texts and the swatch bitmap is made once and painted over.

#include "app/main_form.h"
#include "colour/colour_value.h"
#include "colour/named_colours.h"
#include "contrast/contrast_form.h"

namespace pipetto {

void TMainform::ColorPickerIdle() {
    const POINT cursor = ColorPicker.CursorPosition();
    CursorLabel.set_text(cursor_position_text(cursor.x, cursor.y));

    // The pixel the caption names (the square's centre), even when the mouse moves on
    // between the two reads.
    const TColor colour = ColorPicker.SampledColourAt(cursor);
    // The swatch, the five texts and the bitmap are only ever written together, here, so a
    // swatch in this colour means the whole page shows it already: a still cursor costs the
    // two reads and no repaint.
    if (ColorPanel.colour() == colour)
        return;
    ColorPanel.set_colour(colour);
    HexColor.set_text(hex_form(colour));
    const HtmlText html = html_form(colour);
    HtmlColor.set_text(html);
    LongColor.set_text(long_form(colour));

    // HtmlColor is read-only and nothing runs between here and the line above, so its
    // text read back would be `html` itself; taking it from here spares a heap string.
    RGBColor.set_text(rgb_form_from_html(html));
    const win::Bounds96& image = PixelImage.bounds96();
    PixelImage.fill(win::to_colorref(colour), SIZE{image.width, image.height});
    IdentColor.set_text(name_form(html));
    if (ContrastForm)
        ContrastForm->ColourGrabbed(colour);
}

} // namespace pipetto
