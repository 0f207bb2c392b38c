// The history list: selecting, renaming and deleting the kept colours. Every change
// touches the list and the table together, so that row k stays slot k+1.

#include <string>
#include <string_view>

#include "app/main_form.h"
#include "colour/colour_identifiers.h"
#include "contrast/contrast_form.h"
#include "framework/core/errors.h"
#include "framework/win/application.h"
#include "framework/win/win_text.h"
#include "history/im_export_form.h"
#include "history/select_colour_message.h"

namespace pipetto {
namespace {

constexpr SIZE selected_pixel_size{15, 18};

// A row's colour is its whole colour text read as a colour: a Hex text, or an identifier
// such as "clMoneyGreen"; "$000000FF0" is none. The text is ASCII where it is a colour, so
// the stored bytes are read as they are; only an error message needs them as program text.
std::string_view colour_text_of(const THistoryEntry& entry) {
    return entry.Hex.view();
}

} // namespace

void TMainform::HistoryListClick() {
    const int row = HistoryList.selected_row();
    if (row < 0 || row >= HistoryTable.count())
        return;
    ChooseHistoryRow(row);
    // Reported here, once per click; drawing the row never complains, and nor does
    // moving through the rows with the keys.
    if (unreadable_selected_colour_)
        throw EConvertError::invalid_integer(*unreadable_selected_colour_);
}

void TMainform::HistoryListSelect() {
    const int row = HistoryList.selected_row();
    if (row >= 0 && row < HistoryTable.count())
        ChooseHistoryRow(row);
}

// The highlighted row is the chosen colour, however it was highlighted: the copies, the
// Pixel swatch and the name field follow it.
void TMainform::ChooseHistoryRow(int row) {
    const std::string_view colour_text = colour_text_of(HistoryTable.slot(row + 1));
    if (const auto colour = try_colour_from_text(colour_text)) {
        SelectedColor = *colour;
        unreadable_selected_colour_.reset();
        PixelImage2.fill(win::to_colorref(SelectedColor), selected_pixel_size);
        if (ContrastForm)
            ContrastForm->TextChosen(SelectedColor);
    } else {
        // Named and deleted like any row, but it has no colour to copy; the copies say so.
        unreadable_selected_colour_ = win::ansi_to_utf8(colour_text);
    }
    SelectedIndex = row;
    ItemName.set_text(HistoryList.caption(row));
}

void TMainform::HistoryListCustomDrawSubItem(win::SubItemDraw& cell) {
    if (cell.sub_item != 1 || cell.row < 0 || cell.row >= HistoryTable.count())
        return;
    // A row without a colour keeps the list's own colours, so its text stays readable.
    // A swatch stays its colour while the row is highlighted: the Name cell shows that.
    if (const auto colour = try_colour_from_text(colour_text_of(HistoryTable.slot(cell.row + 1)))) {
        cell.text_colour = win::to_colorref(*colour);
        cell.back_colour = cell.text_colour;
        cell.solid = true;
    }
}

void TMainform::ItemNameChange() {
    if (HistoryList.selected_row() < 0) {
        win::Application::current().show_information(select_colour_message);
        return;
    }
    // Only the highlighted row is renamed. The row chosen last may be gone (deleted since),
    // or another row may stand in its place now: then there is nothing to rename.
    if (SelectedIndex != HistoryList.selected_row() || SelectedIndex >= HistoryList.row_count() ||
        SelectedIndex >= HistoryTable.count())
        return;
    const std::string name = ItemName.text();
    HistoryList.set_caption(SelectedIndex, name);
    auto& stored_name = HistoryTable.slot(SelectedIndex + 1).Name;
    const auto before = stored_name;
    stored_name.assign(win::utf8_to_ansi(name));
    // Letters typed past the 30 that are kept change nothing in history.dat.
    if (before.view() != stored_name.view())
        HistoryChanged();
}

void TMainform::ItemNameClick() {
    if (HistoryList.selected_row() < 0)
        win::Application::current().show_information(select_colour_message);
}

void TMainform::Lschen1Click() {
    const int row = HistoryList.selected_row();
    if (row < 0 || row >= HistoryTable.count())
        return;
    HistoryTable.remove(row + 1);
    HistoryList.delete_row(row);
    history_full_reported_ = false;
    HistoryChanged();
}

void TMainform::Alleentfernen1Click() {
    HistoryList.clear();
    HistoryTable.clear();
    history_full_reported_ = false;
    HistoryChanged();
}

void TMainform::Importieren1Click() {
    if (ImExportForm)
        ImExportForm->ShowModal();
}

void TMainform::Contrast1Click() {
    if (ContrastForm)
        ContrastForm->Open();
}

} // namespace pipetto
