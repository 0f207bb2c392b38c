// The history.dat half of Load and Save: the table's live slots and the list's rows are
// filled together from the file, and the live slots are written back within half a
// second of every change, and at close.

#include <string>

#include "app/main_form.h"
#include "framework/core/errors.h"
#include "framework/win/application.h"
#include "framework/win/win_text.h"

namespace pipetto {
namespace {

std::string too_many_records_message(const HistoryLoadResult& result) {
    const std::string capacity = std::to_string(HistoryTable::capacity);
    std::string message = "history.dat holds ";
    message.append(std::to_string(result.records_in_file))
        .append(" colours, but Pipetto lists at most ")
        .append(capacity)
        .append(". The first ")
        .append(capacity)
        .append(" are listed; the other ")
        .append(std::to_string(result.records_left_out()))
        .append(" stay in history.dat, after the listed ones, whenever Pipetto writes it.");
    return message;
}

} // namespace

void TMainform::LoadHistory() {
    HistoryLoadResult result;
    try {
        result = history_file_.load(HistoryTable);
    } catch (const EInOutError& error) {
        // The slots read before the failure stay listed; the file is not written over.
        fill_history_list();
        win::Application::current().show_exception(error);
        return;
    }
    fill_history_list();
    history_read_only_ = result.read_only;
    if (!result.complete)
        win::Application::current().show_information(too_many_records_message(result));
}

void TMainform::fill_history_list() {
    HistoryList.begin_update();
    for (int slot = HistoryList.row_count() + 1; slot <= HistoryTable.count(); ++slot) {
        const THistoryEntry& entry = HistoryTable.slot(slot);
        HistoryList.add_row(win::ansi_to_utf8(entry.Name.view()),
                            win::ansi_to_utf8(entry.Hex.view()));
    }
    HistoryList.end_update();
}

void TMainform::SaveHistory() {
    // A history that was not loaded whole, or that the user made read-only, is never
    // written over history.dat.
    history_write_pending_ = false;
    history_file_.save(HistoryTable);
}

void TMainform::HistoryChanged() {
    if (history_write_pending_)
        return; // the write already waiting takes this change along
    history_write_pending_ = true;
    SetTimer(hwnd(), history_write_timer, history_write_delay_ms, nullptr);
}

void TMainform::WritePendingHistory() {
    KillTimer(hwnd(), history_write_timer);
    if (!history_write_pending_)
        return;
    try {
        SaveHistory();
        history_write_failure_told_ = false;
    } catch (const EInOutError&) {
        // Told once: the next change tries again, and so does the close, which tells again.
        if (history_write_failure_told_)
            return;
        history_write_failure_told_ = true;
        throw;
    }
}

} // namespace pipetto
