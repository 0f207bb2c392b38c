#pragma once
// The visible top-level windows of Pipetto's process, seen from outside, and what each is.

#include <windows.h>

#include <string>
#include <vector>

namespace pipetto::monkey {

enum class WindowKind {
    main,
    loupe,
    im_export,
    contrast,
    message_box,
    file_dialog,
    popup_menu,
    other
};

struct ProgramWindow {
    HWND hwnd;
    WindowKind kind;
    RECT rect; // on the screen, cut to the screen's bounds
};

const char* kind_name(WindowKind kind);

// Visible windows of the process with some area on the screen, the main window first, then
// in a fixed order of kind and place (not of Z-order, which moves with every click).
std::vector<ProgramWindow> visible_windows(DWORD process_id);

// The file dialogs of the process, visible or still being built.
std::vector<HWND> file_dialogs(DWORD process_id);

HWND main_window(DWORD process_id);
bool belongs_to(HWND window, DWORD process_id);

// Every top-level window of the process, visible or not, with its place: for a fault report.
std::string list_windows(DWORD process_id);

// The window's class and title, and for a message box its text: for the action log.
std::string describe(HWND window);

} // namespace pipetto::monkey
