// The twelve copy commands. The Grab page copies what it shows; the History page copies
// the colour of the row chosen last, built afresh from SelectedColor.

#include "app/main_form.h"
#include "colour/named_colours.h"
#include "framework/core/errors.h"
#include "framework/win/application.h"
#include "framework/win/clipboard.h"
#include "history/select_colour_message.h"

namespace pipetto {

void TMainform::HexCopyBtnClick() {
    win::copy_text_to_clipboard(hwnd(), HexColor.text());
}
void TMainform::HtmlCopyBtnClick() {
    win::copy_text_to_clipboard(hwnd(), HtmlColor.text());
}
void TMainform::LongCopyBtnClick() {
    win::copy_text_to_clipboard(hwnd(), LongColor.text());
}
void TMainform::RgbCopyBtnClick() {
    win::copy_text_to_clipboard(hwnd(), RGBColor.text());
}
void TMainform::IdentCopyBtnClick() {
    win::copy_text_to_clipboard(hwnd(), IdentColor.text());
}

// Before the first grab cycle there is no picture yet; the clipboard keeps what it has.
void TMainform::PixelCopyBtnClick() {
    win::copy_bitmap_to_clipboard(hwnd(), PixelImage.bitmap());
}

bool TMainform::history_colour_ready() {
    if (HistoryList.selected_row() < 0) {
        win::Application::current().show_information(select_colour_message);
        return false;
    }
    // The row last clicked had no colour: copying the one clicked before it would
    // hand the user a colour they didn't choose.
    if (unreadable_selected_colour_)
        throw EConvertError::invalid_integer(*unreadable_selected_colour_);
    return true;
}

void TMainform::copy_history_text(std::string_view text) {
    if (history_colour_ready())
        win::copy_text_to_clipboard(hwnd(), text);
}

void TMainform::HexCopyBtn2Click() {
    copy_history_text(hex_form(SelectedColor));
}
void TMainform::HtmlCopyBtn2Click() {
    copy_history_text(html_form(SelectedColor));
}
void TMainform::HistoryListCopy() {
    HtmlCopyBtn2Click();
}
void TMainform::LongCopyBtn2Click() {
    copy_history_text(long_form(SelectedColor));
}
void TMainform::RgbCopyBtn2Click() {
    copy_history_text(rgb_form(SelectedColor));
}
void TMainform::IdentCopyBtn2Click() {
    copy_history_text(name_form(html_form(SelectedColor)));
}

// PixelImage2 has no picture until a row is clicked; the clipboard keeps what it has.
void TMainform::PixelCopyBtn2Click() {
    if (history_colour_ready())
        win::copy_bitmap_to_clipboard(hwnd(), PixelImage2.bitmap());
}

} // namespace pipetto
