// The twelve copy buttons, read back from the real clipboard as another program would
// paste them.

#include <windows.h>

#include <gtest/gtest.h>

#include <atomic>
#include <future>
#include <thread>

#include "app/main_form.h"
#include "colour/colour_identifiers.h"
#include "framework/core/errors.h"
#include "framework/win/clipboard.h"
#include "message_box_watcher.h"
#include "pump.h"
#include "screen_reading.h"
#include "temporary_folder.h"

using namespace pipetto;
using pipetto::tests::clipboard_text;
using namespace std::chrono_literals;
using tests::MessageBoxWatcher;
using tests::TemporaryFolder;

namespace {

void put_on_clipboard(std::string_view text) {
    win::ClipboardSession clipboard(nullptr);
    clipboard.put_ansi_text(text);
}

struct Picture {
    LONG width = 0, height = 0;
    COLORREF first_pixel = 0;
    bool also_a_bitmap = false;
};

// What a graphics program finds: the device-independent picture, and the bitmap beside it.
Picture clipboard_picture() {
    Picture picture;
    OpenClipboard(nullptr);
    picture.also_a_bitmap = GetClipboardData(CF_BITMAP) != nullptr;
    if (HANDLE data = GetClipboardData(CF_DIB)) {
        const auto* header = static_cast<const BITMAPINFOHEADER*>(GlobalLock(data));
        picture.width = header->biWidth;
        picture.height = header->biHeight;
        const auto* bgr = reinterpret_cast<const BYTE*>(header + 1);
        picture.first_pixel = RGB(bgr[2], bgr[1], bgr[0]);
        GlobalUnlock(data);
    }
    CloseClipboard();
    return picture;
}

std::string field(std::string_view text) {
    std::string bytes(31, '\0');
    bytes[0] = static_cast<char>(text.size());
    bytes.replace(1, text.size(), text);
    return bytes;
}

std::string record(std::string_view name, std::string_view hex) {
    return field(name) + field(hex) + std::string(4 * 31, '\0');
}

// A window of another thread that holds the clipboard open, as another program may,
// until its timer fires or until it goes.
class ClipboardHolder {
  public:
    explicit ClipboardHolder(UINT release_after_ms = 0) {
        std::promise<void> opened;
        auto is_open = opened.get_future();
        thread_ = std::thread([this, release_after_ms, &opened] {
            const HWND window = CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 0, 0, HWND_MESSAGE,
                                                nullptr, nullptr, nullptr);
            OpenClipboard(window);
            thread_id_ = GetCurrentThreadId();
            if (release_after_ms)
                SetTimer(nullptr, 0, release_after_ms, nullptr);
            opened.set_value();
            MSG message;
            while (GetMessageW(&message, nullptr, 0, 0) > 0)
                if (message.message == WM_TIMER && !released_.exchange(true))
                    CloseClipboard();
            if (!released_.exchange(true))
                CloseClipboard();
            DestroyWindow(window);
        });
        is_open.wait();
    }
    ~ClipboardHolder() {
        PostThreadMessageW(thread_id_, WM_QUIT, 0, 0);
        thread_.join();
    }
    bool released() const { return released_; }

  private:
    std::thread thread_;
    std::atomic<DWORD> thread_id_ = 0;
    std::atomic<bool> released_ = false;
};

class ClipboardCopy : public ::testing::Test {
  protected:
    TemporaryFolder folder;
};

} // namespace

TEST_F(ClipboardCopy, GrabCopiesGiveWhatTheGrabPageShowsAndNothingBeforeTheFirstCycle) {
    TMainform form(folder.path(), false);
    put_on_clipboard("before");
    form.PixelCopyBtnClick();
    EXPECT_EQ(clipboard_text(), "before");
    form.HexCopyBtnClick();
    EXPECT_EQ(clipboard_text(), "");

    form.ColorPicker.SetEnabled(false);
    form.ColorPickerIdle();
    const std::pair<void (TMainform::*)(), win::Edit*> copies[] = {
        {&TMainform::HexCopyBtnClick, &form.HexColor},
        {&TMainform::HtmlCopyBtnClick, &form.HtmlColor},
        {&TMainform::LongCopyBtnClick, &form.LongColor},
        {&TMainform::RgbCopyBtnClick, &form.RGBColor},
        {&TMainform::IdentCopyBtnClick, &form.IdentColor}};
    for (const auto& [copy, field] : copies) {
        (form.*copy)();
        EXPECT_EQ(clipboard_text(), field->text());
    }
    form.PixelCopyBtnClick();
    const Picture picture = clipboard_picture();
    EXPECT_TRUE(picture.also_a_bitmap);
    EXPECT_EQ(picture.width, 32);
    EXPECT_EQ(picture.height, 18);
    EXPECT_EQ(picture.first_pixel, win::to_colorref(colour_from_text(form.HexColor.text())));
}

TEST_F(ClipboardCopy, HistoryCopiesGiveTheFormsOfTheRowLastClicked) {
    folder.write("history.dat", record("dodger", "$00FF901E") + record("red", "$000000FF"));
    TMainform form(folder.path(), false);
    form.PageControl.set_active_page(form.HistorySheet);
    form.HistoryList.select_row(0);
    form.HistoryListClick();
    form.HistoryList.select_row(1); // selected by the program, not the user: same colour

    const std::pair<void (TMainform::*)(), std::string> copies[] = {
        {&TMainform::HexCopyBtn2Click, "$00FF901E"},
        {&TMainform::HtmlCopyBtn2Click, "#1E90FF"},
        {&TMainform::LongCopyBtn2Click, "16748574"},
        {&TMainform::RgbCopyBtn2Click, "rgb(30,144,255)"},
        {&TMainform::IdentCopyBtn2Click, "DodgerBlue"},
        {&TMainform::HexCopyBtn2Click, "$00FF901E"}};
    for (const auto& [copy, expected] : copies) {
        (form.*copy)();
        EXPECT_EQ(clipboard_text(), expected);
    }
    form.PixelCopyBtn2Click();
    const Picture picture = clipboard_picture();
    EXPECT_TRUE(picture.also_a_bitmap);
    EXPECT_EQ(picture.width, 15);
    EXPECT_EQ(picture.height, 18);
    EXPECT_EQ(picture.first_pixel, RGB(30, 144, 255));
}

TEST_F(ClipboardCopy, HistoryCopiesWithoutAColourToCopyTellTheUserAndLeaveTheClipboard) {
    folder.write("history.dat", record("dodger", "$00FF901E"));
    TMainform form(folder.path(), false);
    ASSERT_TRUE(form.AddToHistory()); // before the first cycle: a row without a colour
    put_on_clipboard("before");
    {
        MessageBoxWatcher boxes;
        form.HexCopyBtn2Click();
        form.PixelCopyBtn2Click();
        tests::pump_messages(100ms);
        ASSERT_EQ(boxes.messages().size(), 2u);
        EXPECT_EQ(boxes.messages()[0].title, "Informationen");
        EXPECT_EQ(boxes.messages()[1].text, "Please select a color value...");
    }
    form.PageControl.set_active_page(form.HistorySheet);
    form.HistoryList.select_row(0);
    form.HistoryListClick();
    form.HistoryList.select_row(1);
    EXPECT_THROW(form.HistoryListClick(), EConvertError);
    EXPECT_THROW(form.HexCopyBtn2Click(), EConvertError); // not the colour clicked before
    EXPECT_THROW(form.PixelCopyBtn2Click(), EConvertError);
    EXPECT_EQ(clipboard_text(), "before");
}

TEST_F(ClipboardCopy, AClipboardHeldForAMomentIsWaitedForAndOneHeldForGoodIsReported) {
    TMainform form(folder.path(), false);
    form.ColorPicker.SetEnabled(false);
    form.HtmlColor.set_text("#1E90FF");
    {
        ClipboardHolder holder(60);
        form.HtmlCopyBtnClick();
        EXPECT_TRUE(holder.released());
    }
    EXPECT_EQ(clipboard_text(), "#1E90FF");

    {
        ClipboardHolder holder;
        MessageBoxWatcher boxes;
        form.LongColor.set_text("16748574");
        SendMessageW(form.LongCopyBtn.hwnd(), BM_CLICK, 0, 0);
        tests::pump_messages(100ms);
        ASSERT_EQ(boxes.messages().size(), 1u);
        EXPECT_EQ(boxes.messages()[0].title, "Pipetto 2.0");
        EXPECT_EQ(boxes.messages()[0].text, "Zwischenablage kann nicht geöffnet werden.");
    }
    EXPECT_EQ(clipboard_text(), "#1E90FF");
}
