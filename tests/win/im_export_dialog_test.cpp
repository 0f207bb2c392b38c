// The import/export dialog as built under Wine, shown modally over the real main window,
// and what an import tells the user.

#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "app/main_form.h"
#include "framework/win/handles.h"
#include "history/im_export_form.h"
#include "message_box_watcher.h"
#include "pump.h"
#include "screen_reading.h"
#include "temporary_folder.h"

using namespace pipetto;
using pipetto::tests::pixels_of_colour_in;
using namespace std::chrono_literals;
using tests::MessageBoxWatcher;

namespace {

RECT bounds_in_parent(HWND window) {
    RECT rect;
    GetWindowRect(window, &rect);
    MapWindowPoints(HWND_DESKTOP, GetParent(window), reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

LOGFONTW font_of(const win::Control& control) {
    const HFONT handle =
        control.hwnd() ? reinterpret_cast<HFONT>(SendMessageW(control.hwnd(), WM_GETFONT, 0, 0))
                       : control.font();
    LOGFONTW font{};
    GetObjectW(handle, sizeof font, &font);
    return font;
}

// Steps run one after another from a thread timer, inside whatever modal loop runs then.
class Script {
  public:
    explicit Script(std::vector<std::function<void()>> steps) : steps_(std::move(steps)) {
        current = this;
        timer_ = SetTimer(nullptr, 0, 50, next);
    }
    ~Script() {
        KillTimer(nullptr, timer_);
        current = nullptr;
    }
    bool finished() const { return step_ == steps_.size(); }

  private:
    static void CALLBACK next(HWND, UINT, UINT_PTR, DWORD) noexcept {
        if (current && !current->finished())
            current->steps_[current->step_++]();
    }
    static inline Script* current = nullptr;
    std::vector<std::function<void()>> steps_;
    size_t step_ = 0;
    UINT_PTR timer_ = 0;
};

class ImExportForm : public ::testing::Test {
  protected:
    // As its first showing builds it.
    ImExportForm() { dialog.build_window(); }

    tests::TemporaryFolder folder;
    TMainform main{folder.path(), false};
    TImExportForm dialog{main};
};

} // namespace

TEST_F(ImExportForm, IsBuiltHiddenAsDesignedWithItsGroupAndTabOrder) {
    EXPECT_FALSE(dialog.visible());
    EXPECT_EQ(dialog.caption(), "Im-/Export");
    EXPECT_TRUE(GetWindowLongPtrW(dialog.hwnd(), GWL_EXSTYLE) & WS_EX_TOOLWINDOW);
    EXPECT_FALSE(GetWindowLongPtrW(dialog.hwnd(), GWL_STYLE) & WS_THICKFRAME);
    RECT client, outer;
    GetClientRect(dialog.hwnd(), &client);
    GetWindowRect(dialog.hwnd(), &outer);
    EXPECT_EQ(client.right, 206);
    EXPECT_EQ(client.bottom, 114);
    EXPECT_EQ(outer.left, 1032);
    EXPECT_EQ(outer.top, 592);

    const struct {
        win::Control& control;
        RECT bounds;
        const char* text;
        bool bold;
    } windowed[] = {
        {dialog.ExHex, {8, 8, 105, 23}, "Export Hex-Values", false},
        {dialog.ExHtml, {8, 36, 113, 51}, "Export Html-Values", false},
        {dialog.ExLong, {8, 50, 113, 65}, "Export Long-Values", false},
        {dialog.withname, {9, 74, 106, 91}, "With listname", false},
        {dialog.ImportBtn, {120, 8, 195, 29}, "&Import", true},
        {dialog.ExportBtn, {120, 32, 195, 53}, "&Export", true},
        {dialog.CloseBtn, {120, 72, 195, 93}, "&Close", true},
    };
    for (const auto& expected : windowed) {
        SCOPED_TRACE(expected.text);
        const RECT bounds = bounds_in_parent(expected.control.hwnd());
        EXPECT_TRUE(EqualRect(&bounds, &expected.bounds));
        EXPECT_EQ(expected.control.text(), expected.text);
        const LOGFONTW font = font_of(expected.control);
        EXPECT_EQ(std::wstring(font.lfFaceName), L"Tahoma");
        EXPECT_EQ(font.lfHeight, -9);
        EXPECT_EQ(font.lfWeight >= FW_BOLD, expected.bold);
    }
    EXPECT_EQ(dialog.Label1.text(), "Only files with Hex-Values can be imported!");
    EXPECT_EQ(dialog.Label2.text(), "(for Import)");
    EXPECT_EQ(std::wstring(font_of(dialog.Label1).lfFaceName), L"Tahoma");

    EXPECT_TRUE(dialog.ExHex.checked());
    EXPECT_TRUE(dialog.withname.checked());
    // Tab visits the checked radio button of the group only, then the check box: the
    // glyph buttons are worked with the mouse and never take the focus.
    auto tab_order = [&] {
        std::vector<HWND> order;
        HWND at = GetNextDlgTabItem(dialog.hwnd(), nullptr, FALSE);
        for (int i = 0; i < 8 && at && (order.empty() || at != order.front()); ++i) {
            order.push_back(at);
            at = GetNextDlgTabItem(dialog.hwnd(), at, FALSE);
        }
        return order;
    };
    EXPECT_EQ(tab_order(), (std::vector<HWND>{dialog.ExHex.hwnd(), dialog.withname.hwnd()}));

    SendMessageW(dialog.ExLong.hwnd(), BM_CLICK, 0, 0);
    EXPECT_FALSE(dialog.ExHex.checked());
    EXPECT_TRUE(dialog.ExLong.checked());
    EXPECT_EQ(tab_order().front(), dialog.ExLong.hwnd());
    dialog.ExHtml.set_checked(true);
    EXPECT_FALSE(dialog.ExLong.checked());
    EXPECT_EQ(dialog.export_choice().value, ExportedValue::html);
}

TEST_F(ImExportForm, OnAMonitorOf144DpiItScalesByHalfAgainLikeTheMainWindow) {
    RECT suggested{1032, 592, 1032 + 320, 592 + 200};
    SendMessageW(dialog.hwnd(), WM_DPICHANGED, MAKEWPARAM(144, 144),
                 reinterpret_cast<LPARAM>(&suggested));
    const RECT button = bounds_in_parent(dialog.ExportBtn.hwnd());
    const RECT expected{180, 48, 180 + 113, 48 + 32}; // 120, 32, 75 x 21 at 150 %
    EXPECT_TRUE(EqualRect(&button, &expected));
    EXPECT_EQ(font_of(dialog.ExportBtn).lfHeight, -14);
    const RECT line = dialog.Bevel8.bounds_in_parent();
    EXPECT_EQ(line.right - line.left, 150);
}

TEST_F(ImExportForm, ShownModallyItKeepsTheMainWindowOutAndClosesWithItsChoicesKept) {
    main.show();
    bool main_enabled_meanwhile = true, shown_in_front = false, forced_close = false;
    auto focus = [&] { return GetFocus() ? GetFocus() : dialog.ExHex.hwnd(); };
    {
        Script script({
            [&] {
                main_enabled_meanwhile = IsWindowEnabled(main.hwnd()) != FALSE;
                shown_in_front = dialog.visible() && GetActiveWindow() == dialog.hwnd();
                SendMessageW(dialog.ExLong.hwnd(), BM_CLICK, 0, 0);
                SendMessageW(dialog.withname.hwnd(), BM_CLICK, 0, 0);
            },
            [&] { PostMessageW(focus(), WM_KEYDOWN, VK_ESCAPE, 0); }, // as the user presses Esc
            [&] { forced_close = true, dialog.close(); },
        });
        main.HistoryPopup.choose(0); // "Import/Export"
    }
    EXPECT_FALSE(forced_close) << "Esc did not close the dialog";
    EXPECT_FALSE(main_enabled_meanwhile);
    EXPECT_TRUE(shown_in_front);
    EXPECT_FALSE(dialog.visible());
    EXPECT_TRUE(IsWindowEnabled(main.hwnd()));

    // Shown again: as the user left it; the Close button ends it too.
    bool kept = false;
    {
        Script script({
            [&] {
                kept = dialog.ExLong.checked() && !dialog.ExHex.checked() &&
                       !dialog.withname.checked();
                SendMessageW(dialog.CloseBtn.hwnd(), BM_CLICK, 0, 0);
            },
            [&] { forced_close = true, dialog.close(); },
        });
        main.Importieren1Click();
    }
    EXPECT_FALSE(forced_close) << "Close did not close the dialog";
    EXPECT_TRUE(kept);
    EXPECT_EQ(dialog.export_choice().value, ExportedValue::long_value);
    EXPECT_FALSE(dialog.export_choice().with_name);
    EXPECT_TRUE(IsWindow(dialog.hwnd()));
}

TEST_F(ImExportForm, PaintsTheRedHintAndTheEtchedLines) {
    dialog.show();
    tests::pump_messages(200ms);
    EXPECT_GT(pixels_of_colour_in(dialog.Label1, RGB(255, 0, 0)), 50);
    EXPECT_GT(pixels_of_colour_in(dialog.Bevel1, GetSysColor(COLOR_BTNSHADOW)), 15);
    EXPECT_GT(pixels_of_colour_in(dialog.Bevel8, GetSysColor(COLOR_BTNHIGHLIGHT)), 90);
    dialog.hide();
}

TEST_F(ImExportForm, TheUserHearsOfAPhotoAndOfAFullHistory) {
    MessageBoxWatcher boxes;
    folder.write("photo.jpg", std::string("\xFF\xD8\xFF\xE0\0\x10JFIF\n$00123456", 20));
    dialog.ImportFrom(folder / "photo.jpg");
    ASSERT_TRUE(tests::pump_until([&] { return boxes.messages().size() == 1; }));
    EXPECT_EQ(boxes.messages()[0].title, "Informationen");
    EXPECT_EQ(boxes.messages()[0].text.rfind("photo.jpg is not a text file.", 0), 0u);
    EXPECT_EQ(main.HistoryList.row_count(), 0);

    std::string many;
    for (int i = 0; i < HistoryTable::capacity + 2; ++i)
        many.append("$").append(std::to_string(10000000 + i)).append("\r\n");
    folder.write("many.txt", many);
    dialog.ImportFrom(folder / "many.txt");
    ASSERT_TRUE(tests::pump_until([&] { return boxes.messages().size() == 2; }));
    EXPECT_NE(boxes.messages()[1].text.find(" 2 lines "), std::string::npos)
        << boxes.messages()[1].text;
    EXPECT_EQ(main.HistoryList.row_count(), HistoryTable::capacity);
    EXPECT_EQ(main.HistoryTable.count(), HistoryTable::capacity);
    EXPECT_EQ(main.HistoryList.sub_item(HistoryTable::capacity - 1), "$10004999");
}
