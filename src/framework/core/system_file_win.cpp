#include "framework/core/system_file.h"

#include "framework/core/errors.h"
#include "framework/core/file_handle.h"
#include "framework/core/replacement_access_win.h"
#include "framework/core/system_error.h"

#include <windows.h>

#include <limits>

namespace pipetto::system_file {

namespace {

HANDLE handle_of(Native file) noexcept {
    return reinterpret_cast<HANDLE>(file);
}

[[noreturn]] void raise_last_error() {
    throw EInOutError(io_code_from_system_error(GetLastError()));
}

// ReadFile and WriteFile take at most 4 GB less one byte per call.
DWORD part_of(std::size_t size) noexcept {
    return static_cast<DWORD>(std::min<std::size_t>(size, std::numeric_limits<DWORD>::max()));
}

Native create_file(const FilePath& path, DWORD access, DWORD sharing, DWORD disposition,
                   SECURITY_ATTRIBUTES* security) {
    const HANDLE file = CreateFileW(path.c_str(), access, sharing, security, disposition,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        raise_last_error();
    return reinterpret_cast<Native>(file);
}

} // namespace

Native open(const FilePath& path, FileMode mode) {
    DWORD access = GENERIC_WRITE;
    // Others may read and write meanwhile, as a C stream lets them.
    DWORD sharing = FILE_SHARE_READ | FILE_SHARE_WRITE;
    DWORD disposition = CREATE_ALWAYS;
    switch (mode) {
    case FileMode::read:
        access = GENERIC_READ;
        disposition = OPEN_EXISTING;
        break;
    case FileMode::create:
        break;
    case FileMode::create_new:
        // Nobody else's until it takes its place: another writer can't open, delete or
        // replace it meanwhile.
        sharing = FILE_SHARE_READ;
        disposition = CREATE_NEW;
        break;
    }
    return create_file(path, access, sharing, disposition, nullptr);
}

Native create_replacement(const FilePath& path, const FilePath& target) {
    ReplacementAccess access(target);
    return create_file(path, GENERIC_WRITE, FILE_SHARE_READ, CREATE_NEW, access.attributes());
}

std::size_t read(Native file, void* buffer, std::size_t size) {
    DWORD got = 0;
    if (!ReadFile(handle_of(file), buffer, part_of(size), &got, nullptr))
        raise_last_error();
    return got;
}

void write_all(Native file, const void* data, std::size_t size) {
    const char* bytes = static_cast<const char*>(data);
    while (size > 0) {
        DWORD written = 0;
        if (!WriteFile(handle_of(file), bytes, part_of(size), &written, nullptr))
            raise_last_error();
        if (written == 0)
            throw EInOutError(io_code::disk_full);
        bytes += written;
        size -= written;
    }
}

void flush(Native file) {
    if (!FlushFileBuffers(handle_of(file)))
        raise_last_error();
}

void close(Native file) {
    if (!CloseHandle(handle_of(file)))
        raise_last_error();
}

void close_quietly(Native file) noexcept {
    if (file != none)
        CloseHandle(handle_of(file));
}

} // namespace pipetto::system_file
