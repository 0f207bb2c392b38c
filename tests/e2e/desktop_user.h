#pragma once
// What a user does on the desktop, done to another program from outside: mouse clicks
// at screen points, and answers to the system's file dialogs.

#include <windows.h>

#include <chrono>
#include <functional>
#include <string>
#include <vector>

namespace pipetto::tests {

// Moves the cursor to the point and clicks there with the left or the right button.
void click_at(POINT screen_point, bool right_button = false);

// The point at `offset` from the top-left corner of the window's client area.
POINT client_point(HWND window, POINT offset);

// Waits until `done` holds or `timeout` has passed; returns `done()`.
bool wait_until(const std::function<bool()>& done,
                std::chrono::milliseconds timeout = std::chrono::seconds(10));

// A visible dialog of the process with this title (a file dialog, say), once it shows.
HWND wait_for_dialog(DWORD process_id, const wchar_t* title,
                     std::chrono::milliseconds timeout = std::chrono::seconds(10));

// The file name a file dialog proposes, and confirming it with another name, as typing
// it and pressing the dialog's OK button would.
std::string file_dialog_name(HWND dialog);
void choose_in_file_dialog(HWND dialog, const std::wstring& file_name);
// The entries of a file dialog's list of file types, and picking one (from 0).
std::vector<std::string> file_dialog_types(HWND dialog);
void choose_file_type(HWND dialog, int index);

// A window's text, asked of the window itself: GetWindowText reads no edit control of
// another process. As UTF-16, and as UTF-8.
std::wstring asked_wide_text(HWND window);
std::string asked_text(HWND window);

// Presses a button of a window by its caption, as a click would, without waiting for
// what the click starts.
void press_button(HWND parent, const wchar_t* caption);
HWND button(HWND parent, const wchar_t* caption);

} // namespace pipetto::tests
