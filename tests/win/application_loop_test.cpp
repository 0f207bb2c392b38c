// The program's message loop ends when the main window closes, wherever the close comes from.

#include <gtest/gtest.h>

#include "app/main_form.h"
#include "framework/win/application.h"
#include "temporary_folder.h"

using namespace pipetto;

namespace {

// Ends a message loop that would otherwise wait for ever, with a code of its own.
constexpr int gave_up = 99;
void CALLBACK give_up(HWND, UINT, UINT_PTR, DWORD) noexcept {
    PostQuitMessage(gave_up);
}

} // namespace

// "Close" chosen from the window menu while the window is being moved by the keyboard:
// the system's move loop takes the WM_QUIT that the main window's end posts.
TEST(ApplicationLoop, EndsWhenTheMainWindowClosesDuringTheSystemsMoveLoop) {
    tests::TemporaryFolder folder;
    win::Application& application = win::Application::current();
    int result = -1;
    {
        TMainform form(folder.path(), true);
        application.set_main_window(form.hwnd());
        form.show();
        PostMessageW(form.hwnd(), WM_SYSCOMMAND, SC_MOVE, 0);
        PostMessageW(form.hwnd(), WM_CLOSE, 0, 0);
        const UINT_PTR timer = SetTimer(nullptr, 0, 5000, give_up);
        result = application.run();
        KillTimer(nullptr, timer);
        application.set_main_window(nullptr);
        EXPECT_FALSE(IsWindow(form.hwnd()));
    }
    EXPECT_EQ(result, 0);
    EXPECT_TRUE(folder.exists("config.ini"));
}
