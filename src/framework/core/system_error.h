#pragma once
// Windows' error codes as the user's messages number them.

#include <windows.h>

#include "framework/core/errors.h"

namespace pipetto {

// Windows' own codes are the codes the messages are numbered by already (2, 3, 4, 5, and
// "E/A-Fehler 32" for a file another program holds); only the ends of a disk and of a file
// have runtime codes of their own.
inline int io_code_from_system_error(DWORD error) noexcept {
    switch (error) {
    case ERROR_HANDLE_DISK_FULL:
    case ERROR_DISK_FULL:
        return io_code::disk_full;
    case ERROR_HANDLE_EOF:
        return io_code::read_beyond_end;
    case ERROR_SUCCESS:
        // A call that failed without saying why.
        return static_cast<int>(ERROR_GEN_FAILURE);
    default:
        return static_cast<int>(error);
    }
}

} // namespace pipetto
