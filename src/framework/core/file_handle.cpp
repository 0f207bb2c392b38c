#include "framework/core/file_handle.h"

#include "framework/core/errors.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <utility>

namespace pipetto {

namespace {

// The runtime's code for a file used while not open.
constexpr int file_not_open = 103;

constexpr std::size_t buffer_size = 64 * 1024;

void require_open(system_file::Native file) {
    if (file == system_file::none)
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
    case EEXIST:
        return io_code::file_exists;
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
    // As a C stream's close would, the last written bytes still go; nobody is left to hear
    // of a failure.
    try {
        write_buffer();
    } catch (const EInOutError&) {
    }
    system_file::close_quietly(file_);
}

FileHandle::FileHandle(FileHandle&& other) noexcept
    : file_(std::exchange(other.file_, system_file::none)), writing_(other.writing_),
      buffer_(std::move(other.buffer_)), begin_(std::exchange(other.begin_, 0)),
      end_(std::exchange(other.end_, 0)) {}

FileHandle& FileHandle::operator=(FileHandle&& other) noexcept {
    if (this != &other) {
        FileHandle old(std::move(*this));
        file_ = std::exchange(other.file_, system_file::none);
        writing_ = other.writing_;
        buffer_ = std::move(other.buffer_);
        begin_ = std::exchange(other.begin_, 0);
        end_ = std::exchange(other.end_, 0);
    }
    return *this;
}

FileHandle FileHandle::open(const FilePath& path, FileMode mode) {
    return FileHandle(system_file::open(path, mode), mode != FileMode::read);
}

FileHandle FileHandle::create_replacement(const FilePath& path, const FilePath& target) {
    return FileHandle(system_file::create_replacement(path, target), true);
}

char* FileHandle::buffer() {
    if (!buffer_)
        // Left as it comes: only the bytes put in are ever read back.
        buffer_ = std::make_unique_for_overwrite<char[]>(buffer_size);
    return buffer_.get();
}

std::size_t FileHandle::read_buffered(void* destination, std::size_t size) {
    if (begin_ == end_) {
        // A read as large as the buffer gains nothing from it.
        if (size >= buffer_size)
            return system_file::read(file_, destination, size);
        begin_ = 0;
        end_ = system_file::read(file_, buffer(), buffer_size);
    }
    const std::size_t taken = std::min(size, end_ - begin_);
    std::memcpy(destination, buffer_.get() + begin_, taken);
    begin_ += taken;
    return taken;
}

std::size_t FileHandle::read_some(void* destination, std::size_t size) {
    require_open(file_);
    std::size_t got = 0;
    while (got < size) {
        const std::size_t part = read_buffered(static_cast<char*>(destination) + got, size - got);
        if (part == 0)
            break;
        got += part;
    }
    return got;
}

void FileHandle::read_exact(void* destination, std::size_t size) {
    if (read_some(destination, size) < size)
        throw EInOutError(io_code::read_beyond_end);
}

void FileHandle::write_buffer() {
    if (!writing_ || end_ == 0 || file_ == system_file::none)
        return;
    // Gone from the buffer either way: a failed write is told once.
    const std::size_t size = std::exchange(end_, 0);
    system_file::write_all(file_, buffer_.get(), size);
}

void FileHandle::write(const void* data, std::size_t size) {
    require_open(file_);
    // An empty write (a history with no records behind the listed ones) makes no buffer.
    if (size == 0)
        return;
    if (end_ + size > buffer_size)
        write_buffer();
    if (size >= buffer_size) {
        system_file::write_all(file_, data, size);
        return;
    }
    std::memcpy(buffer() + end_, data, size);
    end_ += size;
}

void FileHandle::flush_to_disk() {
    require_open(file_);
    write_buffer();
    system_file::flush(file_);
}

void FileHandle::close() {
    // The file is gone after a close whether or not the last write succeeded.
    const system_file::Native file = std::exchange(file_, system_file::none);
    if (file == system_file::none)
        return;
    try {
        if (writing_ && end_ != 0)
            system_file::write_all(file, buffer_.get(), std::exchange(end_, 0));
    } catch (...) {
        system_file::close_quietly(file);
        buffer_.reset();
        throw;
    }
    buffer_.reset();
    begin_ = end_ = 0;
    system_file::close(file);
}

} // namespace pipetto
