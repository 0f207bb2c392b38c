#include "framework/core/file_system.h"

#include "framework/core/system_error.h"

#include <windows.h>

namespace pipetto {

namespace {

// What a user sets on a file in its properties; ReplaceFileW carries them over, but not
// every implementation of it does (Wine's drops them), so they are set again where lost.
constexpr DWORD users_attributes =
    FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_NOT_CONTENT_INDEXED;

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

int move_into_place(const FilePath& replacement, const FilePath& target) noexcept {
    if (MoveFileExW(replacement.c_str(), target.c_str(),
                    MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        return 0;
    return io_code_from_system_error(GetLastError());
}

} // namespace

int replace_with(const FilePath& replacement, const FilePath& target,
                 const std::optional<FileFacts>& target_facts) noexcept {
    if (!target_facts)
        return move_into_place(replacement, target);
    if (!ReplaceFileW(target.c_str(), replacement.c_str(), nullptr,
                      REPLACEFILE_IGNORE_MERGE_ERRORS | REPLACEFILE_IGNORE_ACL_ERRORS, nullptr,
                      nullptr)) {
        const DWORD error = GetLastError();
        // Removed by someone else since its facts were read: nothing of it is left to keep.
        if (error == ERROR_FILE_NOT_FOUND &&
            GetFileAttributesW(target.c_str()) == INVALID_FILE_ATTRIBUTES)
            return move_into_place(replacement, target);
        return io_code_from_system_error(error);
    }
    // Only a target that had some of them can have lost them; for any other the
    // attributes are not read again.
    const DWORD wanted = target_facts->kept_on_replace & users_attributes;
    if (wanted == 0)
        return 0;
    const DWORD now = GetFileAttributesW(target.c_str());
    if (now != INVALID_FILE_ATTRIBUTES && (now & users_attributes) != wanted)
        SetFileAttributesW(target.c_str(), (now & ~users_attributes) | wanted);
    return 0;
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
