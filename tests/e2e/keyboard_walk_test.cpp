// The main window as a user drives it without the mouse, and what a screen reader and the
// eye make of it: the real pipetto.exe under Wine, driven and read from this process.

#include <windows.h>

#include <commctrl.h>
#include <oleacc.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <thread>
#include <vector>

#include "desktop_user.h"
#include "framework/win/win_text.h"
#include "history_records.h"
#include "keyboard.h"
#include "pipetto_user.h"
#include "running_program.h"
#include "screen_reading.h"
#include "temporary_folder.h"

using namespace pipetto;
using namespace std::chrono_literals;
using tests::record_size;
using tests::RunningProgram;
using tests::TemporaryFolder;

namespace {

std::string name_in_record(const std::string& history, size_t index) {
    const size_t at = index * record_size;
    if (history.size() < at + record_size)
        return "<none>";
    return history.substr(at + 1, static_cast<unsigned char>(history[at]));
}

RECT screen_rect(HWND window) {
    RECT place;
    GetWindowRect(window, &place);
    return place;
}

POINT centre(const RECT& area) {
    return {(area.left + area.right) / 2, (area.top + area.bottom) / 2};
}

// The shown glyph buttons of the window, top row first, each row from the left.
std::vector<HWND> shown_glyph_buttons(HWND main) {
    std::vector<HWND> shown;
    for (HWND button : tests::children_of_class(main, L"TGlyphButton"))
        if (IsWindowVisible(button))
            shown.push_back(button);
    std::sort(shown.begin(), shown.end(), [](HWND a, HWND b) {
        const RECT ra = screen_rect(a), rb = screen_rect(b);
        return ra.top != rb.top ? ra.top < rb.top : ra.left < rb.left;
    });
    return shown;
}

COLORREF screen_pixel(POINT at) {
    const HDC screen = GetDC(nullptr);
    const COLORREF colour = GetPixel(screen, at.x, at.y);
    ReleaseDC(nullptr, screen);
    return colour;
}

int red_pixels_in(const RECT& area) {
    int red = 0;
    const HDC screen = GetDC(nullptr);
    for (int y = area.top; y < area.bottom; ++y)
        for (int x = area.left; x < area.right; ++x)
            red += GetPixel(screen, x, y) == RGB(255, 0, 0);
    ReleaseDC(nullptr, screen);
    return red;
}

bool menu_shows() {
    const HWND menu = FindWindowW(L"#32768", nullptr);
    return menu && IsWindowVisible(menu);
}

// What an accessibility client hears for the point: the object's name and role.
struct Heard {
    std::string name;
    long role = 0;
};

Heard accessible_at(POINT at) {
    Heard heard;
    IAccessible* object = nullptr;
    VARIANT child;
    VariantInit(&child);
    if (FAILED(AccessibleObjectFromPoint(at, &object, &child)) || !object)
        return heard;
    BSTR name = nullptr;
    if (object->get_accName(child, &name) == S_OK && name) {
        heard.name = win::narrow(std::wstring(name, SysStringLen(name)));
        SysFreeString(name);
    }
    VARIANT role;
    VariantInit(&role);
    if (SUCCEEDED(object->get_accRole(child, &role)) && role.vt == VT_I4)
        heard.role = role.lVal;
    object->Release();
    VariantClear(&child);
    return heard;
}

// Does what copies, then waits until Pipetto has put it on the clipboard without opening the
// clipboard meanwhile: a test holding it open at that moment would make Pipetto's copy fail.
template <typename Copy> void copy_and_wait(Copy copy) {
    const DWORD copies = GetClipboardSequenceNumber();
    copy();
    tests::wait_until([&] { return GetClipboardSequenceNumber() != copies; }, 2s);
}

class Keyboard : public ::testing::Test {
  protected:
    TemporaryFolder folder;
    std::string history() const { return folder.read("history.dat"); }
};

} // namespace

TEST_F(Keyboard, AWalkOfTheMainWindowWithoutTheMouseCopiesRenamesAndUsesTheMenuAndTheDialog) {
    folder.write("history.dat", tests::history_record("first", "$00123456", "#563412") +
                                    tests::history_record("second", "$00FF901E", "#1E90FF"));
    // The pointer rests away from the window: the Grab page holds one colour meanwhile.
    SetCursorPos(700, 700);
    RunningProgram program(folder.path());
    const HWND main = program.wait_for_window(L"TMainform");
    ASSERT_NE(main, nullptr);
    ASSERT_TRUE(tests::wait_until([&] { return GetForegroundWindow() == main; }, 3s));
    const HWND pages = tests::child_of_class(main, L"SysTabControl32");
    const HWND html_field = tests::child_of_class(main, L"Edit", true);
    ASSERT_TRUE(tests::wait_until([&] { return !tests::asked_text(html_field).empty(); }, 3s));
    const std::string resting_colour = tests::asked_text(html_field);

    // The loupe button shows its glass on the button's face, at rest and under the pointer.
    const RECT loupe_button = screen_rect(shown_glyph_buttons(main).front());
    EXPECT_EQ(red_pixels_in(loupe_button), 0);
    SetCursorPos(centre(loupe_button).x, centre(loupe_button).y);
    std::this_thread::sleep_for(300ms);
    EXPECT_EQ(red_pixels_in(loupe_button), 0);
    SetCursorPos(700, 700);
    // The fields show the colour there again; a later change would undo Tab's selection.
    ASSERT_TRUE(
        tests::wait_until([&] { return tests::asked_text(html_field) == resting_colour; }, 3s));

    // Tab: the tabs first, then the Html field, whose text Ctrl+C copies.
    tests::type_keys({VK_TAB});
    EXPECT_TRUE(tests::wait_until([&] { return tests::focus_of(main) == pages; }, 2s))
        << tests::class_of(tests::focus_of(main));
    tests::type_keys({VK_TAB});
    ASSERT_TRUE(tests::wait_until([&] { return tests::focus_of(main) == html_field; }, 2s))
        << tests::class_of(tests::focus_of(main));
    copy_and_wait([] { tests::press_keys({VK_CONTROL}, 'C'); });
    EXPECT_TRUE(tests::wait_until(
        [&] { return tests::clipboard_text() == tests::asked_text(html_field); }, 2s))
        << tests::clipboard_text();

    // Ctrl+Tab: the History page, with the keys in its list.
    tests::press_keys({VK_CONTROL}, VK_TAB);
    ASSERT_TRUE(tests::wait_until(
        [&] { return tests::class_of(tests::focus_of(main)) == "SysListView32"; }, 2s))
        << tests::class_of(tests::focus_of(main));
    const HWND list = tests::focus_of(main);

    // No row chosen yet: a name typed says so, and once told, the next letter arrives too.
    tests::type_keys({VK_TAB});
    const HWND item_name = tests::child_of_class(main, L"Edit", true);
    ASSERT_TRUE(tests::wait_until([&] { return tests::focus_of(main) == item_name; }, 2s))
        << tests::class_of(tests::focus_of(main));
    tests::type_keys({'A'});
    ASSERT_EQ(program.answer_message_boxes(1, 3s).size(), 1u);
    tests::type_keys({'B'});
    ASSERT_EQ(program.answer_message_boxes(1, 3s).size(), 1u);
    EXPECT_TRUE(tests::wait_until([&] { return tests::asked_text(item_name) == "ab"; }, 2s))
        << tests::asked_text(item_name);
    tests::press_keys({VK_SHIFT}, VK_TAB);
    ASSERT_TRUE(tests::wait_until([&] { return tests::focus_of(main) == list; }, 2s));

    // The second row by the keys is the chosen colour: Ctrl+C and the Hex copy button copy it.
    tests::type_keys({VK_HOME, VK_DOWN});
    ASSERT_TRUE(tests::wait_until(
        [&] {
            return SendMessageW(list, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED) == 1;
        },
        2s));
    copy_and_wait([] { tests::press_keys({VK_CONTROL}, 'C'); });
    EXPECT_TRUE(tests::wait_until([&] { return tests::clipboard_text() == "#1E90FF"; }, 2s))
        << tests::clipboard_text();
    const HWND hex_copy = shown_glyph_buttons(main).front();
    copy_and_wait([&] { tests::click_at(centre(screen_rect(hex_copy))); });
    EXPECT_TRUE(tests::wait_until([&] { return tests::clipboard_text() == "$00FF901E"; }, 2s))
        << tests::clipboard_text();
    SetCursorPos(700, 700);

    // The highlighted row's swatch is its colour: the Color column starts 100 pixels in.
    const RECT header = screen_rect(tests::child_of_class(list, L"SysHeader32"));
    EXPECT_EQ(screen_pixel({header.left + 100 + 22, header.bottom + 7 + 16}), RGB(30, 144, 255));
    EXPECT_EQ(screen_pixel({header.left + 100 + 22, header.bottom + 7}), RGB(0x56, 0x34, 0x12));

    // Shift+F10 opens the list's menu; Esc closes it.
    tests::press_keys({VK_SHIFT}, VK_F10);
    EXPECT_TRUE(tests::wait_until(menu_shows, 3s));
    tests::type_keys({VK_ESCAPE});
    EXPECT_TRUE(tests::wait_until([] { return !menu_shows(); }, 3s));

    // Its first item opens the import/export dialog. Tab reaches the radio buttons, among
    // which the arrow keys choose, and "With listname"; Esc closes it, and the keys are
    // back in the list.
    tests::press_keys({VK_SHIFT}, VK_F10);
    ASSERT_TRUE(tests::wait_until(menu_shows, 3s));
    tests::type_keys({VK_DOWN, VK_RETURN});
    const HWND dialog = program.wait_for_window(L"TImExportForm", 5s);
    ASSERT_NE(dialog, nullptr);
    const std::vector<HWND> boxes = tests::children_of_class(dialog, L"Button");
    ASSERT_EQ(boxes.size(), 4u); // three radio buttons and the check box
    EXPECT_TRUE(tests::wait_until([&] { return tests::focus_of(dialog) == boxes[0]; }, 2s));
    tests::type_keys({VK_DOWN});
    EXPECT_TRUE(tests::wait_until([&] { return tests::focus_of(dialog) == boxes[1]; }, 2s));
    EXPECT_EQ(SendMessageW(boxes[1], BM_GETCHECK, 0, 0), BST_CHECKED);
    EXPECT_EQ(SendMessageW(boxes[0], BM_GETCHECK, 0, 0), BST_UNCHECKED);
    tests::type_keys({VK_TAB});
    EXPECT_TRUE(tests::wait_until([&] { return tests::focus_of(dialog) == boxes[3]; }, 2s));
    tests::type_keys({VK_TAB});
    EXPECT_TRUE(tests::wait_until([&] { return tests::focus_of(dialog) == boxes[1]; }, 2s));
    // Alt+E exports, here the Html values chosen above; Alt+I opens the import's file
    // dialog, which Esc cancels; the buttons never take the focus. Alt+C would close the
    // dialog as Esc does.
    tests::press_keys({VK_MENU}, 'E');
    HWND files = tests::wait_for_dialog(program.process_id(), L"Export");
    ASSERT_NE(files, nullptr);
    tests::choose_in_file_dialog(files, (folder.path() / "keys.txt").wstring());
    EXPECT_TRUE(tests::wait_until(
        [&] { return folder.read("keys.txt") == "first=#563412\r\nsecond=#1E90FF\r\n"; }, 3s))
        << folder.read("keys.txt");
    // The keys are back in the dialog.
    const auto keys_in_dialog = [&] {
        const HWND focus = tests::focus_of(dialog);
        return focus == dialog || IsChild(dialog, focus);
    };
    EXPECT_TRUE(tests::wait_until(keys_in_dialog, 3s)) << tests::class_of(tests::focus_of(dialog));
    ASSERT_TRUE(tests::wait_until([&] { return GetForegroundWindow() == dialog; }, 3s));
    tests::press_keys({VK_MENU}, 'I');
    files = tests::wait_for_dialog(program.process_id(), L"Import");
    ASSERT_NE(files, nullptr);
    tests::type_keys({VK_ESCAPE});
    EXPECT_TRUE(tests::wait_until([&] { return !IsWindow(files) || !IsWindowVisible(files); }, 3s));
    EXPECT_TRUE(tests::wait_until(keys_in_dialog, 3s)) << tests::class_of(tests::focus_of(dialog));
    ASSERT_TRUE(tests::wait_until([&] { return GetForegroundWindow() == dialog; }, 3s));
    tests::press_keys({VK_MENU}, 'C');
    EXPECT_TRUE(tests::wait_until([&] { return !IsWindowVisible(dialog); }, 3s));
    EXPECT_TRUE(tests::wait_until([&] { return tests::focus_of(main) == list; }, 2s))
        << tests::class_of(tests::focus_of(main));

    // Tab to the name field: the row's name, all selected, gives way to the one typed.
    tests::type_keys({VK_TAB});
    ASSERT_TRUE(tests::wait_until([&] { return tests::focus_of(main) == item_name; }, 2s));
    EXPECT_EQ(tests::asked_text(item_name), "second");
    tests::type_keys({'S', 'K', 'Y'});
    EXPECT_TRUE(tests::wait_until([&] { return name_in_record(history(), 1) == "sky"; }, 2s))
        << name_in_record(history(), 1);
    EXPECT_EQ(name_in_record(history(), 0), "first");

    PostMessageW(main, WM_CLOSE, 0, 0);
    EXPECT_EQ(program.wait_for_exit(), 0);
}

TEST_F(Keyboard, AScreenReaderHearsTheGrabPageButtonsByTheirHintsAndTheLinkByItsCaption) {
    CoInitialize(nullptr);
    SetCursorPos(700, 700);
    RunningProgram program(folder.path());
    const HWND main = program.wait_for_window(L"TMainform");
    ASSERT_NE(main, nullptr);

    const std::vector<HWND> buttons = shown_glyph_buttons(main);
    ASSERT_EQ(buttons.size(), 7u);
    const Heard loupe = accessible_at(centre(screen_rect(buttons[0])));
    EXPECT_EQ(loupe.name, "Open Loupe");
    EXPECT_EQ(loupe.role, ROLE_SYSTEM_PUSHBUTTON);
    for (size_t i = 1; i < buttons.size(); ++i) {
        const Heard copy = accessible_at(centre(screen_rect(buttons[i])));
        EXPECT_EQ(copy.name, "Copy to Clipboard") << i;
        EXPECT_EQ(copy.role, ROLE_SYSTEM_PUSHBUTTON) << i;
    }
    // The link lies on the panel below the swatch, inside the group box.
    const HWND group = tests::child_of_class(main, L"Button", true);
    const RECT box = screen_rect(group);
    const Heard link = accessible_at({(box.left + box.right) / 2, box.bottom - 10});
    EXPECT_EQ(link.name, "Open Online Color-Tool");
    EXPECT_EQ(link.role, ROLE_SYSTEM_LINK);
    // The program's own texts stay as they are: a glyph button has no caption.
    wchar_t own[32] = {};
    EXPECT_EQ(InternalGetWindowText(buttons[0], own, 32), 0);

    PostMessageW(main, WM_CLOSE, 0, 0);
    EXPECT_EQ(program.wait_for_exit(), 0);
    CoUninitialize();
}
