#include "framework/core/file_handle.h"

#include "framework/core/errors.h"

#include <cerrno>
#include <utility>

#ifdef _WIN32
#include <io.h>
#else
#include <unistd.h>
#endif

namespace pipetto {

namespace {

// A stream call that failed without setting errno still has to report something.
[[noreturn]] void raise_last_errno() {
    const int err = errno;
    throw EInOutError(io_code_from_errno(err != 0 ? err : EIO));
}

// The runtime's code for a stream used while not open.
constexpr int file_not_open = 103;

void require_open(std::FILE* file) {
    if (file == nullptr)
        throw EInOutError(file_not_open);
}

} // namespace

int io_code_from_errno(int err) noexcept {
    switch (err) {
    case ENOENT:
        return io_code::file_not_found;
    case ENOTDIR:
    case EINVAL:
    case ENAMETOOLONG:
        return io_code::path_not_found;
    case EMFILE:
    case ENFILE:
        return io_code::too_many_open_files;
    case EACCES:
    case EPERM:
    case EROFS:
    case EISDIR:
        return io_code::access_denied;
    case ENOSPC:
#ifdef EDQUOT
    case EDQUOT:
#endif
        return io_code::disk_full;
    default:
        return err;
    }
}

FileHandle::~FileHandle() {
    if (file_ != nullptr)
        std::fclose(file_);
}

FileHandle::FileHandle(FileHandle&& other) noexcept : file_(std::exchange(other.file_, nullptr)) {}

FileHandle& FileHandle::operator=(FileHandle&& other) noexcept {
    if (this != &other) {
        if (file_ != nullptr)
            std::fclose(file_);
        file_ = std::exchange(other.file_, nullptr);
    }
    return *this;
}

FileHandle FileHandle::open(const FilePath& path, FileMode mode) {
    errno = 0;
#ifdef _WIN32
    std::FILE* file = _wfopen(path.c_str(), mode == FileMode::read ? L"rb" : L"wb");
#else
    std::FILE* file = std::fopen(path.c_str(), mode == FileMode::read ? "rb" : "wb");
#endif
    if (file == nullptr)
        raise_last_errno();
    return FileHandle(file);
}

std::size_t FileHandle::read_some(void* buffer, std::size_t size) {
    require_open(file_);
    errno = 0;
    const std::size_t got = std::fread(buffer, 1, size, file_);
    if (got < size && std::ferror(file_))
        raise_last_errno();
    return got;
}

void FileHandle::read_exact(void* buffer, std::size_t size) {
    if (read_some(buffer, size) < size)
        throw EInOutError(io_code::read_beyond_end);
}

void FileHandle::write(const void* data, std::size_t size) {
    require_open(file_);
    errno = 0;
    if (std::fwrite(data, 1, size, file_) < size)
        raise_last_errno();
}

void FileHandle::flush_to_disk() {
    require_open(file_);
    errno = 0;
    if (std::fflush(file_) != 0)
        raise_last_errno();
#ifdef _WIN32
    if (_commit(_fileno(file_)) != 0)
        raise_last_errno();
#else
    if (fsync(fileno(file_)) != 0)
        raise_last_errno();
#endif
}

void FileHandle::close() {
    // The stream is gone after fclose whether or not it succeeded.
    std::FILE* file = std::exchange(file_, nullptr);
    errno = 0;
    if (file != nullptr && std::fclose(file) != 0)
        raise_last_errno();
}

} // namespace pipetto
