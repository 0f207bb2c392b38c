#pragma once
// What a user does to pipetto.exe's own windows from outside: open a page, the history
// list's popup menu and the import/export dialog, and where the keyboard focus is.

#include <windows.h>

#include <string>
#include <string_view>
#include <vector>

#include "running_program.h"

namespace pipetto::tests {

// The children of the window, at any depth, of this class, in the system's order.
std::vector<HWND> children_of_class(HWND parent, const wchar_t* window_class);

// The first child of the window, at any depth, of this class; with `shown`, the first
// that the screen shows.
HWND child_of_class(HWND parent, const wchar_t* window_class, bool shown = false);

// The class name of a window, for messages.
std::string class_of(HWND window);

// Clicks the History tab and waits for the list to show.
bool open_history_page(HWND main);

// A right click at the point of the history list opens its popup menu; true once it shows.
bool open_history_popup(HWND main, POINT at);

// Import/Export from the history list's popup menu; the dialog once it shows.
HWND open_im_export_dialog(const RunningProgram& program, HWND main);

// Presses the dialog's button and answers the file dialog it opens with `file_name`;
// returns the name the file dialog proposed. The names are given with their folder:
// the file dialog opens in the folder the program's dialogs used last.
std::string use_file_dialog(const RunningProgram& program, HWND dialog, const wchar_t* button,
                            const wchar_t* title, const std::wstring& file_name);

// One record of history.dat: six texts, each a length byte and 30 character bytes.
std::string history_record(std::string_view name, std::string_view hex, std::string_view html = "",
                           std::string_view long_text = "", std::string_view rgb = "",
                           std::string_view ident = "");

// The window of the program's thread that has the keyboard focus.
HWND focus_of(HWND window_of_program);

// Sends each key alone, pressed and released, as typing it does.
void type_keys(std::initializer_list<WORD> keys);

} // namespace pipetto::tests
