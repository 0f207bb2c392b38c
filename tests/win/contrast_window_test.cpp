// The contrast window as the user meets it under Wine: opened from the history list's popup
// menu, the text following the chosen row and the background the grab cycle, the samples
// painted in both, a kept background, Swap, the copied verdict and Escape.

#include <windows.h>

#include <gtest/gtest.h>

#include "app/main_form.h"
#include "colour/named_colours.h"
#include "contrast/contrast_form.h"
#include "framework/win/application.h"
#include "history_records.h"
#include "keyboard.h"
#include "pump.h"
#include "screen_reading.h"
#include "solid_window.h"
#include "temporary_folder.h"

using namespace pipetto;

namespace {

std::string record(std::string_view name, TColor colour) {
    return tests::colour_record(name, colour);
}

void click_row(TMainform& form, int row) {
    form.PageControl.set_active_page(form.HistorySheet);
    form.HistoryList.select_row(row);
    form.HistoryListClick();
}

constexpr COLORREF grey = RGB(0x76, 0x76, 0x76), white = RGB(0xFF, 0xFF, 0xFF),
                   navy = RGB(0, 0, 0x80), orange = RGB(0xFF, 0x80, 0);

} // namespace

TEST(ContrastWindow, FollowsTheChosenRowAndTheCursorKeepsABackgroundSwapsCopiesAndCloses) {
    tests::TemporaryFolder folder;
    folder.write("history.dat",
                 record("Text grey", grey) + record("Paper", white) + record("Ink", navy));
    TMainform main{folder.path(), false};
    main.ColorPicker.SetEnabled(false); // the test runs the cycles itself
    main.set_position(100, 100);
    main.show();
    TContrastForm contrast{main};
    tests::SolidWindow paper(white, 700, 500), flame(orange, 800, 500);
    ASSERT_TRUE(paper.on_screen() && flame.on_screen());

    // "Contrast..." is the menu's second item, below "Import/Export".
    ASSERT_EQ(main.HistoryPopup.item_count(), 6);
    click_row(main, 0);
    SetCursorPos(730, 530);
    main.ColorPickerIdle();
    main.HistoryPopup.choose(1);
    ASSERT_TRUE(contrast.visible());
    EXPECT_EQ(contrast.caption(), " Contrast");
    EXPECT_EQ(contrast.TextValue.text(), "#767676");
    EXPECT_EQ(contrast.BackValue.text(), "#FFFFFF");
    EXPECT_EQ(contrast.RatioLabel.text(), "4.54:1");
    EXPECT_EQ(contrast.AaLabel.text(), "AA: pass");
    EXPECT_EQ(contrast.AaaLabel.text(), "AAA: fail");
    EXPECT_EQ(contrast.LargeAaLabel.text(), "Large AA: pass");
    EXPECT_EQ(contrast.LargeAaaLabel.text(), "Large AAA: pass");
    EXPECT_EQ(contrast.UiLabel.text(), "UI: pass");
    // The samples: grey letters on white, at both sizes.
    tests::pump_messages(std::chrono::milliseconds(100));
    EXPECT_GT(tests::pixels_of_colour_in(contrast.SampleBox, white), 1000);
    EXPECT_GT(tests::pixels_of_colour_in(contrast.NormalSample, grey), 10);
    EXPECT_GT(tests::pixels_of_colour_in(contrast.LargeSample, grey), 50);

    // The next cycle on orange: the background follows.
    SetCursorPos(830, 530);
    main.ColorPickerIdle();
    EXPECT_EQ(contrast.BackValue.text(), "#FF8000");
    tests::pump_messages(std::chrono::milliseconds(100));
    EXPECT_GT(tests::pixels_of_colour_in(contrast.SampleBox, orange), 1000);

    // The paper row kept as the background; the ink row then chosen as the text. The
    // cursor's colour no longer reaches the background.
    click_row(main, 1);
    contrast.KeptBackground.set_checked(true);
    click_row(main, 2);
    SetCursorPos(730, 530);
    main.ColorPickerIdle();
    SetCursorPos(830, 530);
    main.ColorPickerIdle();
    EXPECT_EQ(contrast.TextValue.text(), "#000080");
    EXPECT_EQ(contrast.BackValue.text(), "#FFFFFF");
    EXPECT_EQ(contrast.RatioLabel.text(), "16.00:1");

    contrast.SwapBtn.on_click();
    EXPECT_EQ(contrast.TextValue.text(), "#FFFFFF");
    EXPECT_EQ(contrast.BackValue.text(), "#000080");
    EXPECT_TRUE(contrast.KeptBackground.checked());
    contrast.CopyBtn.on_click();
    EXPECT_EQ(tests::clipboard_text(), "#FFFFFF on #000080: 16.00:1, AA pass, AAA pass, "
                                       "large AA pass, large AAA pass, UI pass");

    // Unchecked, the background is the cursor's colour again.
    contrast.KeptBackground.set_checked(false);
    EXPECT_EQ(contrast.BackValue.text(), "#FF8000");

    // Esc closes it, from its check box too, through the program's own message loop.
    ASSERT_TRUE(tests::give_focus_to(contrast.KeptBackground.hwnd()));
    tests::press_keys({}, VK_ESCAPE);
    for (int wait = 0; wait < 300 && contrast.visible(); ++wait) {
        win::Application::current().process_messages();
        Sleep(10);
    }
    EXPECT_FALSE(contrast.visible());
}
