#include "temporary_folder.h"

#include <windows.h>

#include <fstream>
#include <sstream>

namespace pipetto::tests {

TemporaryFolder::TemporaryFolder() {
    static int counter = 0;
    path_ =
        std::filesystem::temp_directory_path() /
        ("pipetto-test-" + std::to_string(GetCurrentProcessId()) + "-" + std::to_string(++counter));
    std::filesystem::remove_all(path_);
    std::filesystem::create_directories(path_);
}

TemporaryFolder::~TemporaryFolder() {
    std::error_code ignored;
    std::filesystem::permissions(path_, std::filesystem::perms::owner_all,
                                 std::filesystem::perm_options::add, ignored);
    std::filesystem::remove_all(path_, ignored);
}

void TemporaryFolder::write(const std::string& name, const std::string& bytes) const {
    std::ofstream file(path_ / name, std::ios::binary | std::ios::trunc);
    file << bytes;
}

std::string TemporaryFolder::read(const std::string& name) const {
    std::ifstream file(path_ / name, std::ios::binary);
    std::ostringstream content;
    content << file.rdbuf();
    return content.str();
}

bool TemporaryFolder::exists(const std::string& name) const {
    return std::filesystem::exists(path_ / name);
}

} // namespace pipetto::tests
