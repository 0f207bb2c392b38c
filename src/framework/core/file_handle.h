#pragma once
// One open C stream, closed when it goes out of scope. Every failure is raised as
// EInOutError with the system error code the user's message is chosen by.

#include <cstddef>
#include <cstdio>

#include "framework/core/file_path.h"

namespace pipetto {

enum class FileMode {
    read,   // existing file, reading only
    create, // created, or cut to 0 bytes, for writing
};

// The system error code (2 "Datei nicht gefunden", 5 "Dateizugriff verweigert", ...)
// for a C library errno value; values without a counterpart are passed on as they are.
int io_code_from_errno(int err) noexcept;

class FileHandle {
  public:
    FileHandle() = default;
    ~FileHandle();
    FileHandle(FileHandle&& other) noexcept;
    FileHandle& operator=(FileHandle&& other) noexcept;
    FileHandle(const FileHandle&) = delete;
    FileHandle& operator=(const FileHandle&) = delete;

    // Throws EInOutError when the file can't be opened.
    static FileHandle open(const FilePath& path, FileMode mode);

    bool is_open() const noexcept { return file_ != nullptr; }

    // Reads up to size bytes and returns how many arrived; fewer only at the end of the file.
    std::size_t read_some(void* buffer, std::size_t size);
    // Reads exactly size bytes; running into the end of the file is error 100.
    void read_exact(void* buffer, std::size_t size);
    void write(const void* data, std::size_t size);
    // Pushes the stream's buffer and the system's cache to the disk.
    void flush_to_disk();
    // Closes now and reports a failing close (the last buffered bytes are written here).
    void close();

  private:
    explicit FileHandle(std::FILE* file) noexcept : file_(file) {}
    std::FILE* file_ = nullptr;
};

} // namespace pipetto
