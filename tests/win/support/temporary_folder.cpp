#include "temporary_folder.h"

#include <windows.h>

#include <fstream>
#include <sstream>

namespace pipetto::tests {
namespace {

// Removed with the system's own calls, entry by entry, each tried once. The library's
// remove_all spins for ever under Wine when an entry it listed is gone before its turn
// comes, as the file behind a symbolic link is once the link is deleted. A read-only
// file that a test left behind loses the attribute first: it would stop the folder's
// removal, and the next test that is given the same process number.
void remove_folder(const std::wstring& path) {
    WIN32_FIND_DATAW found;
    const HANDLE search = FindFirstFileW((path + L"\\*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            const std::wstring name = found.cFileName;
            if (name == L"." || name == L"..")
                continue;
            const std::wstring entry = path + L"\\" + name;
            SetFileAttributesW(entry.c_str(), FILE_ATTRIBUTE_NORMAL);
            const DWORD kind = found.dwFileAttributes;
            if ((kind & FILE_ATTRIBUTE_DIRECTORY) && !(kind & FILE_ATTRIBUTE_REPARSE_POINT))
                remove_folder(entry);
            else if (kind & FILE_ATTRIBUTE_DIRECTORY)
                RemoveDirectoryW(entry.c_str());
            else
                DeleteFileW(entry.c_str());
        } while (FindNextFileW(search, &found));
        FindClose(search);
    }
    SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
    RemoveDirectoryW(path.c_str());
}

} // namespace

TemporaryFolder::TemporaryFolder() {
    static int counter = 0;
    path_ =
        std::filesystem::temp_directory_path() /
        ("pipetto-test-" + std::to_string(GetCurrentProcessId()) + "-" + std::to_string(++counter));
    remove_folder(path_.wstring());
    std::filesystem::create_directories(path_);
}

TemporaryFolder::~TemporaryFolder() {
    remove_folder(path_.wstring());
}

void TemporaryFolder::write(const std::string& name, const std::string& bytes) const {
    std::ofstream file(path_ / name, std::ios::binary | std::ios::trunc);
    file << bytes;
}

// Read with every sharing allowed: a test that polls a file which the program replaces
// (history.dat, written through a temporary file and renamed over) must not make the
// program's rename fail with a sharing violation.
std::string TemporaryFolder::read(const std::string& name) const {
    const HANDLE file = CreateFileW((path_ / name).wstring().c_str(), GENERIC_READ,
                                    FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                    OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return {};
    std::string content;
    char buffer[65536];
    DWORD got = 0;
    while (ReadFile(file, buffer, sizeof buffer, &got, nullptr) && got > 0)
        content.append(buffer, got);
    CloseHandle(file);
    return content;
}

bool TemporaryFolder::exists(const std::string& name) const {
    return std::filesystem::exists(path_ / name);
}

} // namespace pipetto::tests
