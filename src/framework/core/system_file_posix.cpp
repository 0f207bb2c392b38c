#include "framework/core/system_file.h"

#include "framework/core/errors.h"
#include "framework/core/file_handle.h"

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

namespace pipetto::system_file {

namespace {

[[noreturn]] void raise_errno() {
    const int err = errno;
    throw EInOutError(io_code_from_errno(err != 0 ? err : EIO));
}

int descriptor_of(Native file) noexcept {
    return static_cast<int>(file);
}

} // namespace

Native open(const FilePath& path, FileMode mode) {
    int flags = O_WRONLY | O_CREAT | O_TRUNC;
    if (mode == FileMode::read)
        flags = O_RDONLY;
    else if (mode == FileMode::create_new)
        flags = O_WRONLY | O_CREAT | O_EXCL;
    const int file = ::open(path.c_str(), flags | O_CLOEXEC, 0666);
    if (file < 0)
        raise_errno();
    return file;
}

// Created for the owner only; the target's permissions go onto it before it takes the place.
Native create_replacement(const FilePath& path, const FilePath&) {
    const int file = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (file < 0)
        raise_errno();
    return file;
}

std::size_t read(Native file, void* buffer, std::size_t size) {
    for (;;) {
        const ssize_t got = ::read(descriptor_of(file), buffer, size);
        if (got >= 0)
            return static_cast<std::size_t>(got);
        if (errno != EINTR)
            raise_errno();
    }
}

void write_all(Native file, const void* data, std::size_t size) {
    const char* bytes = static_cast<const char*>(data);
    while (size > 0) {
        const ssize_t written = ::write(descriptor_of(file), bytes, size);
        if (written < 0) {
            if (errno == EINTR)
                continue;
            raise_errno();
        }
        bytes += written;
        size -= static_cast<std::size_t>(written);
    }
}

void flush(Native file) {
    if (fsync(descriptor_of(file)) != 0)
        raise_errno();
}

void close(Native file) {
    if (::close(descriptor_of(file)) != 0)
        raise_errno();
}

void close_quietly(Native file) noexcept {
    if (file != none)
        ::close(descriptor_of(file));
}

} // namespace pipetto::system_file
