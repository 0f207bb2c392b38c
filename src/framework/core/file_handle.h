#pragma once
// One open file, closed when it goes out of scope. Every failure is raised as EInOutError
// with the system's error code, which the user's message is chosen by.

#include <cstddef>
#include <memory>

#include "framework/core/file_path.h"
#include "framework/core/system_file.h"

namespace pipetto {

enum class FileMode {
    read,       // existing file, reading only
    create,     // created, or cut to 0 bytes, for writing
    create_new, // created for writing; a file or folder of that name already there fails
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
    // A new file for writing (as FileMode::create_new) that is to take the place of the
    // existing `target`: under Wine it is made with no more access than the target has (on
    // Windows the target's access list goes onto it before the move; see replace_with).
    static FileHandle create_replacement(const FilePath& path, const FilePath& target);

    bool is_open() const noexcept { return file_ != system_file::none; }

    // Reads up to size bytes and returns how many arrived; fewer only at the end of the file.
    std::size_t read_some(void* buffer, std::size_t size);
    // Reads exactly size bytes; running into the end of the file is error 100.
    void read_exact(void* buffer, std::size_t size);
    void write(const void* data, std::size_t size);
    // Pushes the buffer and the system's cache to the disk.
    void flush_to_disk();
    // Closes now and reports a failing close (the last buffered bytes are written here).
    void close();

  private:
    FileHandle(system_file::Native file, bool writing) noexcept : file_(file), writing_(writing) {}
    std::size_t read_buffered(void* buffer, std::size_t size);
    char* buffer();
    void write_buffer();

    system_file::Native file_ = system_file::none;
    bool writing_ = false;
    // Small reads and writes (a record at a time) come through a buffer, so that each one
    // doesn't ask the system; a file is opened for one or the other. Reading, the bytes
    // not yet taken are begin_..end_; writing, the bytes not yet written are 0..end_.
    std::unique_ptr<char[]> buffer_;
    std::size_t begin_ = 0;
    std::size_t end_ = 0;
};

} // namespace pipetto
