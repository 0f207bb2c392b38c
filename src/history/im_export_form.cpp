// The import/export dialog's buttons: the history to a text or palette file and back.

#include "history/im_export_form.h"

#include "app/main_form.h"
#include "framework/win/application.h"
#include "framework/win/win_text.h"
#include "history/date_time_text.h"
#include "history/history_palette.h"
#include "history/palette_export.h"
#include "history/palette_import.h"

namespace pipetto {

TImExportForm::TImExportForm(TMainform& main_form)
    : SaveDialog(save_dialog), OpenDialog(open_dialog), main_form_(main_form) {
    main_form_.ImExportForm = this;
}

TImExportForm::~TImExportForm() {
    if (main_form_.ImExportForm == this)
        main_form_.ImExportForm = nullptr;
}

void TImExportForm::ShowModal() {
    build_window();
    // It comes up where it was designed to, unless that is off this screen.
    keep_inside_work_area();
    // Above the main window when that one keeps in the foreground.
    set_always_on_top(main_form_.always_on_top());
    show_modal();
}

ExportChoice TImExportForm::export_choice() const {
    ExportChoice choice;
    choice.value = ExHtml.checked()   ? ExportedValue::html
                   : ExLong.checked() ? ExportedValue::long_value
                                      : ExportedValue::hex;
    choice.with_name = withname.checked();
    return choice;
}

void TImExportForm::ExportBtnClick() {
    if (const auto target = SaveDialog.execute(hwnd()))
        ExportTo(*target, export_format(*target, SaveDialog.filter_index()));
}

void TImExportForm::ImportBtnClick() {
    if (const auto source = OpenDialog.execute(hwnd()))
        ImportFrom(*source);
}

void TImExportForm::CloseBtnClick() {
    close();
}

void TImExportForm::ExportTo(const FilePath& target, PaletteFormat format) {
    // A failure raises the I/O error, which the error display shows; the dialog stays.
    const int left_out = export_palette(main_form_.HistoryTable, export_choice(), format, target);
    if (left_out > 0)
        win::Application::current().show_information(left_out_of_palette_message(left_out));
}

void TImExportForm::ImportFrom(const FilePath& source) {
    const PaletteFormat format = import_format(source);
    const ImportBatch batch = read_palette_file(format, source, main_form_.HistoryTable, [] {
        return win::utf8_to_ansi(current_date_time_text());
    });

    // Appended to the table and the list together, so that row k stays slot k+1.
    HistoryTable& table = main_form_.HistoryTable;
    win::ListView& list = main_form_.HistoryList;
    list.begin_update();
    for (const ImportedEntry& taken : batch.entries) {
        if (!table.append(taken.entry))
            break;
        list.add_row(win::ansi_to_utf8(taken.caption), win::ansi_to_utf8(taken.entry.Hex.view()));
    }
    list.end_update();
    if (!batch.entries.empty())
        main_form_.HistoryChanged();

    if (batch.failure)
        throw *batch.failure;
    const std::string message =
        import_closing_message(batch, format, win::narrow(source.file_name()));
    if (!message.empty())
        win::Application::current().show_information(message);
}

} // namespace pipetto
