#include "temporary_folder.h"

#include <windows.h>

#include <fstream>
#include <sstream>

namespace pipetto::tests {
namespace {

// A test may leave a read-only file behind (one that failed before it could clear the
// attribute); such a file would stop the folder's removal, and the next test that is
// given the same process number.
void remove_folder(const std::filesystem::path& path) {
    std::error_code ignored;
    std::filesystem::permissions(path, std::filesystem::perms::owner_all,
                                 std::filesystem::perm_options::add, ignored);
    for (auto entry = std::filesystem::recursive_directory_iterator(path, ignored);
         entry != std::filesystem::recursive_directory_iterator(); entry.increment(ignored))
        std::filesystem::permissions(entry->path(), std::filesystem::perms::owner_all,
                                     std::filesystem::perm_options::add, ignored);
    std::filesystem::remove_all(path, ignored);
}

} // namespace

TemporaryFolder::TemporaryFolder() {
    static int counter = 0;
    path_ =
        std::filesystem::temp_directory_path() /
        ("pipetto-test-" + std::to_string(GetCurrentProcessId()) + "-" + std::to_string(++counter));
    remove_folder(path_);
    std::filesystem::create_directories(path_);
}

TemporaryFolder::~TemporaryFolder() {
    remove_folder(path_);
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
