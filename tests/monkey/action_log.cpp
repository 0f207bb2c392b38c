#include "action_log.h"

namespace pipetto::monkey {

ActionLog::ActionLog(const std::wstring& file_path) : file_(_wfopen(file_path.c_str(), L"w")) {}

void ActionLog::add(const std::string& line) {
    if (file_) {
        std::fprintf(file_.get(), "%s\n", line.c_str());
        // Flushed at once: a fault may be the driver's last moment too.
        std::fflush(file_.get());
    }
    last_.push_back(line);
    if (last_.size() > kept_lines)
        last_.pop_front();
}

void ActionLog::print_last() const {
    std::printf("the last %zu actions:\n", last_.size());
    for (const std::string& line : last_)
        std::printf("  %s\n", line.c_str());
    std::fflush(stdout);
}

} // namespace pipetto::monkey
