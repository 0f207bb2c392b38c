#pragma once
// Every rename of the Wine server held up for a while (strace's delay injection), and the
// program's folder watched meanwhile from the Linux side (slow_renames.sh): a file that is
// replaced in more than one step is seen missing in between.

#include <chrono>
#include <filesystem>
#include <string>
#include <vector>

#include "temporary_folder.h"

namespace pipetto::tests {

class SlowRenames {
  public:
    // Watches for each of `names` in `folder`. Waits until strace holds the server.
    SlowRenames(const std::filesystem::path& folder, std::chrono::milliseconds delay,
                const std::vector<std::string>& names);
    SlowRenames(const SlowRenames&) = delete;
    SlowRenames& operator=(const SlowRenames&) = delete;
    ~SlowRenames(); // lets go of the server, so the renames are quick again

    // Empty once the renames are slow; otherwise why they can't be (no ptrace permission).
    const std::string& refusal() const { return refusal_; }

    // The names seen missing, once each, in the order first seen.
    std::vector<std::string> missing() const;
    // The renames the server made, as strace shows them.
    std::string trace() const;
    // From now on: the program started from the folder is killed as soon as the server
    // renames anything whose path holds `text`.
    void kill_program_at_rename_of(const std::string& text) const;
    bool killed() const;

  private:
    TemporaryFolder watch_;
    std::string refusal_;
};

} // namespace pipetto::tests
