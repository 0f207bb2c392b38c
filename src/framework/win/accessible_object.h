#pragma once
// What an accessibility client (a screen reader) is told about a control of ours that
// Windows knows nothing about: its name and its role (a push button, a link), given as an
// object of our own in answer to WM_GETOBJECT. COM and the accessibility DLLs are loaded
// the first time a client asks, never at start-up.

#include <windows.h>

#include <string>

namespace pipetto::win {

// The answer to a WM_GETOBJECT for the client area of `window`: an object with `name` and
// `role` (a ROLE_SYSTEM_ value). 0 when the request is for another part of the window, or
// the object can't be handed out; the system's own answer then stands.
LRESULT answer_accessible_object(HWND window, WPARAM wparam, LPARAM lparam,
                                 const std::wstring& name, long role) noexcept;

} // namespace pipetto::win
