// "Copy as": making the seven texts of a colour (its six CSS forms and the nearest name),
// and opening the History list's popup menu, which makes them for the highlighted row,
// against a menu of today's items without "Copy as". Each opening is closed by an Esc waiting
// in the queue, so a round times the menu's making, showing and closing.

#include "app/main_form.h"
#include "colour/copy_as_texts.h"
#include "framework/win/win_text.h"
#include "history_bench_support.h"

#include <initializer_list>

using namespace pipetto;
using namespace pipetto::bench;

namespace {

// Microseconds per opening of each menu, the median of rounds that take the menus in turn,
// so that a busy moment of the machine falls on all of them alike.
std::vector<double> menu_opening_us(std::initializer_list<win::PopupMenu*> menus, HWND owner) {
    constexpr int openings = 20;
    constexpr int menu_rounds = 25;
    std::vector<std::vector<double>> rounds_us(menus.size());
    for (int round = 0; round < menu_rounds; ++round) {
        std::size_t m = 0;
        for (win::PopupMenu* menu : menus) {
            const auto start = std::chrono::steady_clock::now();
            for (int i = 0; i < openings; ++i) {
                PostMessageW(owner, WM_KEYDOWN, VK_ESCAPE, 0);
                menu->popup(owner, POINT{300, 300});
            }
            rounds_us[m++].push_back(milliseconds_since(start) * 1000.0 / openings);
            dispatch_waiting_messages();
        }
    }
    std::vector<double> medians;
    for (const auto& times : rounds_us)
        medians.push_back(median(times));
    return medians;
}

} // namespace

int main() {
    win::Application application(GetModuleHandleW(nullptr));
    application.set_title("Pipetto 2.0");
    BenchFolder folder("copy-as", 100);
    TMainform form(folder.path(), false);
    form.ColorPicker.SetEnabled(false);
    form.show();
    form.PageControl.set_active_page(form.HistorySheet);
    dispatch_messages_for(std::chrono::milliseconds(300));
    form.HistoryList.select_row(42);

    std::vector<double> texts_us;
    for (int round = 0; round < rounds; ++round)
        texts_us.push_back(time_round([](int i) {
            const CopyAsTexts texts = copy_as_texts(bench_colour(i));
            if (texts.forms[0].empty() || texts.nearest_name.empty())
                std::printf("no texts!\n");
        }));

    // Today's items, with "Contrast..." in the column of its own it had.
    win::PopupMenu today;
    today.add_item("Import/Export", [] {});
    today.add_item("-", nullptr);
    today.add_item("Delete", [] {});
    today.add_item("Delete All", [] {});
    today.add_item(
        "Contrast...", [] {}, true);
    // The same items without Copy as's work: what showing six items and a submenu takes.
    win::PopupMenu unfilled;
    unfilled.add_item("&Import/Export", [] {});
    unfilled.add_item("&Contrast...", [] {});
    win::PopupMenu& submenu = unfilled.add_submenu("Co&py as");
    unfilled.add_item("-", nullptr);
    unfilled.add_item("&Delete", [] {});
    unfilled.add_item("Delete &All", [] {});
    form.HistoryPopup.before_popup();
    for (int i = 0; i < form.CopyAsMenu->item_count(); ++i) {
        wchar_t text[64] = {};
        GetMenuStringW(form.CopyAsMenu->handle(), static_cast<UINT>(i), text, 64, MF_BYPOSITION);
        submenu.add_item(text[0] ? win::narrow(text) : "-", [] {});
    }
    // The part of an opening that is Copy as's own: its items made for the row.
    std::vector<double> filling_us;
    for (int round = 0; round < rounds; ++round)
        filling_us.push_back(time_round([&](int) { form.HistoryPopup.before_popup(); }));
    // Each once before the rounds, so that none pays for a first showing.
    menu_opening_us({&today, &form.HistoryPopup, &unfilled}, form.hwnd());
    const std::vector<double> opening_us =
        menu_opening_us({&today, &form.HistoryPopup, &unfilled}, form.hwnd());
    const double today_us = opening_us[0], copy_as_us = opening_us[1], unfilled_us = opening_us[2];

    std::printf("seven texts of a colour (six CSS forms and the nearest name): %8.2f us\n",
                median(texts_us));
    std::printf("history menu opened and closed, with Copy as and today's: %8.1f us %8.1f us\n",
                copy_as_us, today_us);
    std::printf("Copy as's items made as the menu opens: %8.2f us; the menu opened without "
                "making them: %8.1f us\n",
                median(filling_us), unfilled_us);
    return 0;
}
