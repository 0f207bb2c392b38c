#pragma once
// Who may do what with a file that takes an existing file's place. On Windows the target's
// access list is copied onto the replacement before the move, so it keeps exactly the
// access it had. Wine keeps a file's access in its Unix mode, and an access list copied
// there widens it (0640 becomes 0770: the owner's entry gives the owner's bits and the
// group's alike). So under Wine the replacement is created with an access list of its own
// instead, which Wine turns into the new file's mode, less the umask: read and write for the
// owner (and so for the group, as far as the umask lets it), for everyone else what everyone
// had on the target, and execute for nobody. With the usual umask 022 a 0640 file stays
// 0640 and a 0644 one 0644.

#include <windows.h>

#include <vector>

#include "framework/core/file_path.h"

namespace pipetto {

bool running_under_wine() noexcept;

// What a new replacement is created with (CreateFileW's security attributes).
class ReplacementAccess {
  public:
    // Under Wine, the access list made from the target's; elsewhere none, so the new file
    // has what the folder hands down until copy_access_onto takes it over.
    explicit ReplacementAccess(const FilePath& target);
    ReplacementAccess(const ReplacementAccess&) = delete;
    ReplacementAccess& operator=(const ReplacementAccess&) = delete;

    // Nothing when the new file takes what the folder hands down.
    SECURITY_ATTRIBUTES* attributes() noexcept { return made_ ? &attributes_ : nullptr; }

  private:
    std::vector<char> list_;
    SECURITY_DESCRIPTOR descriptor_{};
    SECURITY_ATTRIBUTES attributes_{};
    bool made_ = false;
};

// On Windows: the target's access list onto the replacement. Under Wine nothing (the
// replacement was created with its own). False when the target's list can't be read or
// the replacement's not be set.
bool copy_access_onto(const FilePath& replacement, const FilePath& target) noexcept;

} // namespace pipetto
