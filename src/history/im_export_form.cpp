// The import/export dialog's buttons: the history to a text file and back.

#include "history/im_export_form.h"

#include "app/main_form.h"
#include "framework/win/application.h"
#include "framework/win/win_text.h"
#include "history/date_time_text.h"
#include "history/import_file.h"

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
        ExportTo(*target);
}

void TImExportForm::ImportBtnClick() {
    if (const auto source = OpenDialog.execute(hwnd()))
        ImportFrom(*source);
}

void TImExportForm::CloseBtnClick() {
    close();
}

void TImExportForm::ExportTo(const FilePath& target) {
    // A failure raises the I/O error, which the error display shows; the dialog stays.
    export_history(main_form_.HistoryTable, export_choice(), target);
}

void TImExportForm::ImportFrom(const FilePath& source) {
    const ImportBatch batch = read_import_file(source, main_form_.HistoryTable, [] {
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

    win::Application& application = win::Application::current();
    if (batch.failure)
        throw *batch.failure;
    if (batch.not_text)
        application.show_information(not_a_text_file_message(win::narrow(source.file_name())));
    else if (batch.lines_left_out > 0)
        application.show_information(history_full_import_message(batch.lines_left_out));
}

} // namespace pipetto
