// The application's error display, and the wall that keeps an exception in a handler
// from ending the program.

#include <gtest/gtest.h>

#include "app/main_form.h"
#include "framework/core/errors.h"
#include "framework/win/application.h"
#include "message_box_watcher.h"
#include "temporary_folder.h"

using namespace pipetto;

TEST(ErrorDisplay, ShowsTheMessageWithAFullStopUnderTheApplicationsTitle) {
    tests::MessageBoxWatcher boxes;
    win::Application::current().show_error("Datei nicht gefunden");
    win::Application::current().show_error("Schon mit Punkt.");
    win::Application::current().show_information("Please select a color value...");
    ASSERT_EQ(boxes.messages().size(), 3u);
    EXPECT_EQ(boxes.messages()[0].title, "Pipetto 2.0");
    EXPECT_EQ(boxes.messages()[0].text, "Datei nicht gefunden.");
    EXPECT_EQ(boxes.messages()[1].text, "Schon mit Punkt.");
    EXPECT_EQ(boxes.messages()[2].title, "Informationen");
    EXPECT_EQ(boxes.messages()[2].text, "Please select a color value...");
}

TEST(ErrorDisplay, AnExceptionInAHandlerIsShownAndTheWindowCarriesOn) {
    tests::TemporaryFolder folder;
    TMainform form(folder.path(), false);
    form.CursorCheckBox.on_click = [] { throw EConvertError::invalid_integer("x"); };
    form.PageControl.set_active_page(form.AboutSheet);
    tests::MessageBoxWatcher boxes;
    SendMessageW(form.CursorCheckBox.hwnd(), BM_CLICK, 0, 0);
    SendMessageW(form.CursorCheckBox.hwnd(), BM_CLICK, 0, 0);
    EXPECT_EQ(boxes.texts(), (std::vector<std::string>{"'x' ist kein gültiger Integerwert.",
                                                       "'x' ist kein gültiger Integerwert."}));
    EXPECT_TRUE(IsWindow(form.hwnd()));
    EXPECT_TRUE(form.CursorCheckBox.checked());
}

TEST(ErrorDisplay, TheApplicationWindowCarriesTheTitle) {
    wchar_t text[64] = {};
    GetWindowTextW(win::Application::current().owner_window(), text, 64);
    EXPECT_EQ(std::wstring(text), L"Pipetto 2.0");
}
