#pragma once
// The system's own file calls behind FileHandle, one set per platform. Every failure is
// raised as EInOutError with the system's own error code (Windows' GetLastError, or the
// code io_code_from_errno gives for the C library's errno), so the user reads the text
// for what the system said.

#include <cstddef>
#include <cstdint>

#include "framework/core/file_path.h"

namespace pipetto {

enum class FileMode;

namespace system_file {

// A Windows HANDLE or a POSIX descriptor; -1 is no file on both.
using Native = std::intptr_t;
inline constexpr Native none = -1;

Native open(const FilePath& path, FileMode mode);
// A new file, created as FileMode::create_new creates one, that is to take the place of the
// existing file `target`: under Wine it is made with no more access than the target has.
Native create_replacement(const FilePath& path, const FilePath& target);
// Up to size bytes; 0 only at the end of the file.
std::size_t read(Native file, void* buffer, std::size_t size);
void write_all(Native file, const void* data, std::size_t size);
// The system's cache to the disk.
void flush(Native file);
void close(Native file);
void close_quietly(Native file) noexcept;

} // namespace system_file
} // namespace pipetto
