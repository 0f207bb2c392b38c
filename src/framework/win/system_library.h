#pragma once
// A DLL of Windows that the program needs only now and then (the shell for a link, the
// common dialogs, the click sound), loaded at its first use. Imported, each would be
// loaded before the first window with all the DLLs it imports in turn.

#include <windows.h>

#include "framework/win/handles.h"

namespace pipetto::win {

class SystemLibrary {
  public:
    // Loads `file_name` from the system folder only: a DLL of that name beside the exe is
    // never taken. Once loaded, the DLL stays until the process ends, however this object
    // ends: threads of its own (a sound still playing, a dialog's helpers) may outlive it.
    explicit SystemLibrary(const wchar_t* file_name);

    bool loaded() const noexcept { return static_cast<bool>(module_); }

    // The exported function `name`, typed by its declaration (decltype(ShellExecuteW)),
    // or null when the DLL or the function is missing.
    template <typename Function> Function* function(const char* name) const noexcept {
        // Through void(*)(), the one function pointer type every other converts to cleanly.
        return reinterpret_cast<Function*>(reinterpret_cast<void (*)()>(address_of(name)));
    }

  private:
    FARPROC address_of(const char* name) const noexcept;

    LibraryHandle module_;
};

} // namespace pipetto::win
