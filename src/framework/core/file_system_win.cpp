#include "framework/core/file_system.h"

#include "framework/core/replacement_access_win.h"
#include "framework/core/system_error.h"

#include <windows.h>

namespace pipetto {

namespace {

// What a user sets on a file in its properties; they go onto the replacement before the
// move. The archive flag is set on it anyway, as on every file whose content changed.
constexpr DWORD users_attributes =
    FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_NOT_CONTENT_INDEXED;

// Tries of the rename onto a file that is held open, and the pause between them: a quarter
// of a second in all.
constexpr int rename_attempts = 13;
constexpr DWORD rename_retry_ms = 20;

class FindHandle {
  public:
    explicit FindHandle(HANDLE handle) noexcept : handle_(handle) {}
    FindHandle(const FindHandle&) = delete;
    FindHandle& operator=(const FindHandle&) = delete;
    ~FindHandle() {
        if (handle_ != INVALID_HANDLE_VALUE)
            FindClose(handle_);
    }
    HANDLE get() const noexcept { return handle_; }

  private:
    HANDLE handle_;
};

} // namespace

std::optional<FileFacts> file_facts(const FilePath& path) noexcept {
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (!GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &data))
        return std::nullopt;
    FileFacts facts;
    facts.is_regular_file = (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
    facts.read_only = (data.dwFileAttributes & FILE_ATTRIBUTE_READONLY) != 0;
    facts.size = (static_cast<std::uintmax_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
    facts.kept_on_replace = data.dwFileAttributes;
    return facts;
}

FilePath final_path(const FilePath& path) {
    // Opened for no access at all: a file that others hold open, or that we may not read,
    // still tells where it lies.
    const HANDLE file =
        CreateFileW(path.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                    nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return path;
    std::wstring final(MAX_PATH, L'\0');
    DWORD length = GetFinalPathNameByHandleW(file, final.data(), static_cast<DWORD>(final.size()),
                                             FILE_NAME_NORMALIZED | VOLUME_NAME_DOS);
    if (length >= final.size()) {
        final.resize(length);
        length = GetFinalPathNameByHandleW(file, final.data(), static_cast<DWORD>(final.size()),
                                           FILE_NAME_NORMALIZED | VOLUME_NAME_DOS);
    }
    CloseHandle(file);
    if (length == 0 || length >= final.size())
        return path;
    final.resize(length);
    return FilePath(std::move(final));
}

namespace {

bool held_without_delete_sharing(const FilePath& file) noexcept {
    const HANDLE probe =
        CreateFileW(file.c_str(), DELETE, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                    nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (probe != INVALID_HANDLE_VALUE) {
        CloseHandle(probe);
        return false;
    }
    return GetLastError() == ERROR_SHARING_VIOLATION;
}

} // namespace

int replace_with(const FilePath& replacement, const FilePath& target,
                 const std::optional<FileFacts>& target_facts) noexcept {
    if (target_facts) {
        // Moving onto a folder would move the folder away (and Wine does just that).
        if (!target_facts->is_regular_file)
            return io_code::access_denied;
        // A new file has none of them, so only a target with some of them asks for a call.
        if (const DWORD wanted = target_facts->kept_on_replace & users_attributes)
            if (!SetFileAttributesW(replacement.c_str(), wanted | FILE_ATTRIBUTE_ARCHIVE))
                return io_code_from_system_error(GetLastError());
        // Where the list can't be read or set, the file has what the folder hands down, as
        // a file made new there would.
        copy_access_onto(replacement, target);
    }
    // One rename of the folder entry (one rename() under Wine): at every instant either the
    // old file or the new one is there under the target's name. A file that another program
    // has open just now (reading it, or a virus scanner) can't be replaced; such a hold is
    // mostly short, so the rename is tried again for a while before the write fails.
    DWORD error = ERROR_SUCCESS;
    for (int attempt = 1;; ++attempt) {
        if (MoveFileExW(replacement.c_str(), target.c_str(),
                        MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
            return 0;
        error = GetLastError();
        const bool held = error == ERROR_ACCESS_DENIED || error == ERROR_SHARING_VIOLATION;
        if (!target_facts || !held || attempt == rename_attempts)
            break;
        Sleep(rename_retry_ms);
    }
    // Wine refuses to replace a file that anyone holds open and says "access denied"; when
    // another program holds it without letting it be deleted, that is what the user hears.
    if (error == ERROR_ACCESS_DENIED && target_facts && held_without_delete_sharing(target))
        return io_code_from_system_error(ERROR_SHARING_VIOLATION);
    return io_code_from_system_error(error);
}

void remove_file(const FilePath& path) noexcept {
    DeleteFileW(path.c_str());
}

std::vector<FilePath::string_type> file_names_like(const FilePath& folder,
                                                   FilePath::string_view_type prefix,
                                                   FilePath::string_view_type suffix) {
    std::wstring pattern(prefix);
    pattern.append(L"*").append(suffix);
    std::vector<FilePath::string_type> names;
    WIN32_FIND_DATAW found;
    const FindHandle search(FindFirstFileExW((folder / pattern).c_str(), FindExInfoBasic, &found,
                                             FindExSearchNameMatch, nullptr, 0));
    if (search.get() == INVALID_HANDLE_VALUE)
        return names;
    do {
        const std::wstring_view name = found.cFileName;
        // The pattern also matches the short 8.3 names Windows keeps beside long ones.
        if ((found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0 && name.starts_with(prefix) &&
            name.ends_with(suffix))
            names.emplace_back(name);
    } while (FindNextFileW(search.get(), &found));
    return names;
}

} // namespace pipetto
