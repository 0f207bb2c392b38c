// AddToHistory with a history of 4999 entries: the duplicate test over every kept colour,
// once finding the colour in the last row and once not finding it and adding a row.

#include "app/main_form.h"
#include "history_bench_support.h"

using namespace pipetto;
using namespace pipetto::bench;

namespace {

void show_on_grab_page(TMainform& form, TColor colour) {
    form.HexColor.set_text(hex_form(colour));
    form.HtmlColor.set_text(html_form(colour));
    form.LongColor.set_text(long_form(colour));
    form.RGBColor.set_text(rgb_form(colour));
    form.IdentColor.set_text(name_form(html_form(colour)));
}

} // namespace

int main() {
    win::Application application(GetModuleHandleW(nullptr));
    application.set_title("Pipetto 2.0");
    const int kept = HistoryTable::capacity - 1;
    BenchFolder folder("add", kept);
    TMainform form(folder.path(), false);
    form.ColorPicker.SetEnabled(false);

    constexpr int listed_calls = 2000;
    show_on_grab_page(form, bench_colour(kept - 1));
    auto start = std::chrono::steady_clock::now();
    for (int call = 0; call < listed_calls; ++call)
        if (form.AddToHistory())
            std::printf("a listed colour was added!\n");
    const double listed_us = milliseconds_since(start) * 1000.0 / listed_calls;

    constexpr int adding_calls = 500;
    show_on_grab_page(form, 0x00FFFFFF);
    double adding_ms = 0;
    for (int call = 0; call < adding_calls; ++call) {
        start = std::chrono::steady_clock::now();
        const bool added = form.AddToHistory();
        adding_ms += milliseconds_since(start);
        if (!added)
            std::printf("a new colour was not added!\n");
        form.HistoryList.select_row(kept);
        form.Lschen1Click();
    }
    std::printf("AddToHistory, %d rows, colour listed (last row): %8.2f us per call\n", kept,
                listed_us);
    std::printf("AddToHistory, %d rows, new colour added:         %8.2f us per call\n", kept,
                adding_ms * 1000.0 / adding_calls);
    return 0;
}
