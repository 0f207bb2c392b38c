#include "slow_renames.h"

#include <windows.h>

#include <algorithm>
#include <thread>

#include "desktop_user.h"
#include "linux_program.h"

namespace pipetto::tests {

namespace {

// The prefix as Wine's own programs were given it: a Linux path.
std::string wine_prefix() {
    char prefix[MAX_PATH];
    const DWORD length = GetEnvironmentVariableA("WINEPREFIX", prefix, MAX_PATH);
    return length == 0 || length >= MAX_PATH ? std::string() : std::string(prefix, length);
}

} // namespace

SlowRenames::SlowRenames(const std::filesystem::path& folder, std::chrono::milliseconds delay,
                         const std::vector<std::string>& names) {
    const std::string prefix = wine_prefix();
    if (prefix.empty()) {
        refusal_ = "not run under Wine with WINEPREFIX set";
        return;
    }
    const std::string microseconds =
        std::to_string(std::chrono::duration_cast<std::chrono::microseconds>(delay).count());
    std::string watched;
    for (const std::string& name : names)
        watched += (watched.empty() ? "" : " ") + name;
    start_linux_program("/bin/bash", {SLOW_RENAMES_SCRIPT, prefix, unix_path(folder),
                                    unix_path(watch_.path()), microseconds, watched});
    using namespace std::chrono_literals;
    if (!wait_until([&] { return watch_.exists("attached") || watch_.exists("refused"); }, 10s))
        refusal_ = "slow_renames.sh said nothing within 10 s";
    else if (!watch_.exists("attached"))
        refusal_ = watch_.read("refused");
}

SlowRenames::~SlowRenames() {
    if (!refusal_.empty())
        return;
    watch_.write("stop", "");
    using namespace std::chrono_literals;
    wait_until([&] { return watch_.exists("stopped"); }, 10s);
}

std::vector<std::string> SlowRenames::missing() const {
    std::vector<std::string> names;
    if (!watch_.exists("missing"))
        return names;
    const std::string lines = watch_.read("missing");
    for (size_t at = 0; at < lines.size();) {
        const size_t end = std::min(lines.find('\n', at), lines.size());
        const std::string name = lines.substr(at, end - at);
        if (std::find(names.begin(), names.end(), name) == names.end())
            names.push_back(name);
        at = end + 1;
    }
    return names;
}

std::string SlowRenames::trace() const {
    return watch_.exists("trace") ? watch_.read("trace") : std::string();
}

void SlowRenames::kill_program_at_rename_of(const std::string& text) const {
    watch_.write("kill-at", text);
}

bool SlowRenames::killed() const {
    return watch_.exists("killed");
}

} // namespace pipetto::tests
