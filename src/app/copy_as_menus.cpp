// "Copy as": a colour in the forms of CSS and the name of the named colour nearest to it,
// one item each, every item showing the text it copies. The History list's menu has it for
// the highlighted row, the Grab page's swatch for the colour it shows.

#include <functional>
#include <optional>
#include <string>

#include "app/main_form.h"
#include "colour/colour_identifiers.h"
#include "colour/copy_as_texts.h"
#include "framework/win/clipboard.h"

namespace pipetto {
namespace {

// Places of the items in HistoryPopup.
constexpr int contrast_item = 1;
constexpr int copy_as_item = 2;

void fill_copy_as_menu(win::PopupMenu& menu, std::uint32_t rgb,
                       const std::function<void(const std::string&)>& copy) {
    menu.clear();
    const CopyAsTexts texts = copy_as_texts(rgb);
    for (const CssText& form : texts.forms) {
        std::string text = form.str();
        menu.add_item(text, [copy, text] { copy(text); });
    }
    menu.add_item("-", nullptr);
    std::string name(texts.nearest_name);
    menu.add_item("Nearest name: " + name, [copy, name] { copy(name); });
}

} // namespace

void TMainform::HistoryPopupOpening() {
    HistoryPopup.set_enabled(contrast_item, ContrastForm != nullptr);
    const int row = HistoryList.selected_row();
    std::optional<TColor> colour;
    if (row >= 0 && row < HistoryTable.count())
        colour = try_colour_from_text(HistoryTable.slot(row + 1).Hex.view());
    // A row whose text is no colour has nothing to copy as CSS.
    HistoryPopup.set_enabled(copy_as_item, colour.has_value());
    if (colour)
        fill_copy_as_menu(*CopyAsMenu, colour_to_rgb(*colour),
                          [this](const std::string& text) { copy_history_text(text); });
    else
        CopyAsMenu->clear();
}

void TMainform::ColorPanelContextMenu(POINT at) {
    // Before the first grab cycle the swatch shows no colour yet.
    const std::optional<TColor> colour = ColorPanel.colour();
    if (!colour)
        return;
    fill_copy_as_menu(SwatchPopup, colour_to_rgb(*colour), [this](const std::string& text) {
        win::copy_text_to_clipboard(hwnd(), text);
    });
    SwatchPopup.popup(hwnd(), at);
}

bool TMainform::GrabPageMenuKey(HWND focus) {
    if (!focus || !GrabSheet.hwnd() || !IsWindowVisible(GrabSheet.hwnd()) ||
        !IsChild(GrabSheet.hwnd(), focus) || !ColorPanel.colour())
        return false;
    ColorPanelContextMenu(ColorPanel.menu_point_below());
    return true;
}

} // namespace pipetto
