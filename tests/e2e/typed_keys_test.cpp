// Keys typed on Pipetto's windows themselves, with no control of theirs focused, as after a
// click on a title bar or back from another program.

#include <gtest/gtest.h>

#include <thread>

#include "desktop_user.h"
#include "keyboard.h"
#include "pipetto_user.h"
#include "running_program.h"
#include "temporary_folder.h"

using namespace pipetto;
using namespace std::chrono_literals;
using tests::RunningProgram;
using tests::TemporaryFolder;

namespace {

// A window of the test's own that takes the focus away, as switching to another program does.
class OtherProgram {
  public:
    OtherProgram() {
        window_ = CreateWindowExW(0, L"STATIC", L"another program", WS_POPUP | WS_VISIBLE, 600, 600,
                                  100, 60, nullptr, nullptr, nullptr, nullptr);
    }
    ~OtherProgram() { DestroyWindow(window_); }
    void take_focus() const { tests::give_focus_to(window_); }

  private:
    HWND window_;
};

// A click on the middle of the window's title bar.
void click_title_bar(HWND window) {
    RECT outer;
    GetWindowRect(window, &outer);
    tests::click_at({(outer.left + outer.right) / 2, outer.top + 6});
}

// Away to another program and back with a click on the window's title bar, until the focus
// is on the window itself: Wine sometimes hands it to the control that had it before.
bool focus_window_itself(const OtherProgram& other, HWND window) {
    for (int attempt = 0; attempt < 4; ++attempt) {
        other.take_focus();
        click_title_bar(window);
        if (tests::wait_until([&] { return tests::focus_of(window) == window; }, 1s))
            return true;
    }
    return false;
}

bool answers(HWND window) {
    DWORD_PTR result = 0;
    return SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 6000, &result) != 0;
}

// Letters, a digit, Space and Enter: each a character that reaches the focused window.
void type_characters() {
    tests::type_keys({'S', 'X', '1', VK_SPACE, VK_RETURN});
    std::this_thread::sleep_for(200ms);
}

} // namespace

TEST(TypedKeys, OnTheMainWindowTheLoupeAndTheDialogThemselvesThePogramRunsOnAndKeepsItsFiles) {
    TemporaryFolder folder;
    folder.write("history.dat", tests::history_record("kept", "$00123456"));
    RunningProgram program(folder.path());
    const HWND main = program.wait_for_window(L"TMainform");
    ASSERT_NE(main, nullptr);
    OtherProgram other;

    // Back from another program, the focus is on the window itself.
    ASSERT_TRUE(focus_window_itself(other, main)) << tests::class_of(tests::focus_of(main));
    type_characters();
    tests::type_keys({VK_ESCAPE});
    ASSERT_TRUE(answers(main));
    ASSERT_EQ(program.wait_for_exit(0ms), -1);

    // The loupe button at the Grab page's top left opens the loupe; a click on its title
    // bar gives it the focus.
    const HWND loupe_button = tests::child_of_class(main, L"TGlyphButton");
    ASSERT_NE(loupe_button, nullptr);
    RECT button;
    GetWindowRect(loupe_button, &button);
    tests::click_at({button.left + 10, button.top + 10});
    const HWND loupe = program.wait_for_window(L"TLoupeForm", 5s);
    ASSERT_NE(loupe, nullptr);
    ASSERT_TRUE(focus_window_itself(other, loupe)) << tests::class_of(tests::focus_of(loupe));
    type_characters();
    tests::type_keys({VK_ESCAPE});
    ASSERT_TRUE(answers(loupe));
    ASSERT_EQ(program.wait_for_exit(0ms), -1);

    // The import/export dialog, come back to from another program.
    ASSERT_TRUE(tests::open_history_page(main));
    const HWND dialog = tests::open_im_export_dialog(program, main);
    ASSERT_NE(dialog, nullptr);
    ASSERT_TRUE(focus_window_itself(other, dialog)) << tests::class_of(tests::focus_of(dialog));
    type_characters();
    ASSERT_TRUE(answers(dialog));
    // Esc closes it, as in any dialog.
    tests::type_keys({VK_ESCAPE});
    EXPECT_TRUE(tests::wait_until([&] { return !IsWindowVisible(dialog); }, 3s));

    ASSERT_EQ(program.wait_for_exit(0ms), -1);
    PostMessageW(main, WM_CLOSE, 0, 0);
    EXPECT_EQ(program.wait_for_exit(), 0);
    EXPECT_EQ(folder.read("history.dat"), tests::history_record("kept", "$00123456"));
    EXPECT_TRUE(folder.exists("config.ini"));
}
