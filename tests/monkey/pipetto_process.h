#pragma once
// One pipetto.exe started in its folder, watched from outside: whether it runs, whether
// its main window answers, and how it ended.

#include <windows.h>

#include <optional>
#include <string>

#include "framework/win/handles.h"

namespace pipetto::monkey {

struct CloseKernelHandle {
    void operator()(HANDLE handle) const noexcept { CloseHandle(handle); }
};
using KernelHandle = win::UniqueHandle<HANDLE, CloseKernelHandle>;

class PipettoProcess {
  public:
    // Starts <folder>\pipetto.exe with the folder as its current one; throws when it can't.
    explicit PipettoProcess(const std::wstring& folder);

    DWORD id() const { return id_; }
    // When the process was started, as a file time, to compare with the files it writes.
    FILETIME start_time() const { return start_time_; }

    // The exit code once it has ended, within `milliseconds`.
    std::optional<DWORD> exit_code(DWORD milliseconds = 0) const;
    // Ends it without asking, as a last resort after a fault.
    void terminate() const;

  private:
    KernelHandle process_;
    DWORD id_ = 0;
    FILETIME start_time_{};
};

// Sends WM_NULL and waits up to `milliseconds` for the answer; false when none came.
bool answers(HWND window, UINT milliseconds);

} // namespace pipetto::monkey
