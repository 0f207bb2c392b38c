#pragma once
// A folder that takes no new files, as a write-protected stick or a folder under Program
// Files is for a user. The tests run as root under Wine, where neither permissions nor
// Windows' attributes refuse anything; the folder's immutable flag (chattr +i) does, for
// root too, while the files already in it can still be read.

#include <filesystem>

namespace pipetto::tests {

class SealedFolder {
  public:
    explicit SealedFolder(const std::filesystem::path& folder);
    SealedFolder(const SealedFolder&) = delete;
    SealedFolder& operator=(const SealedFolder&) = delete;
    ~SealedFolder(); // takes the flag off again, so the folder can be removed

    // False where the file system or the machine doesn't have the flag.
    bool sealed() const { return sealed_; }

  private:
    std::filesystem::path folder_;
    bool sealed_ = false;
};

} // namespace pipetto::tests
