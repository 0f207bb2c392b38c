// An import file from any bytes: what is taken is exactly what a plain reading of the line
// rules takes (the first 9 characters of each "$" value not listed yet, in file order, with
// the name before the first "=" or a date-and-time name asked anew for each such line), every
// taken Hex text is 9 characters or shorter, and a file holding a NUL byte takes nothing.

#include "history/import_file.h"

#include "fuzz_check.h"
#include "fuzz_files.h"

#include <set>
#include <string>
#include <string_view>
#include <vector>

using namespace pipetto;
using namespace pipetto::fuzz;

namespace {

struct Expected {
    std::string name;
    std::string hex;
};

// The rules read the simplest way: the whole file in memory, split at every LF.
std::vector<Expected> expected_entries(std::string_view file, std::set<std::string> listed) {
    std::vector<Expected> taken;
    int date_names = 0;
    for (std::size_t start = 0; start <= file.size();) {
        std::size_t end = file.find('\n', start);
        if (end == std::string_view::npos)
            end = file.size();
        std::string_view line = file.substr(start, end - start);
        if (end < file.size() && !line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        const std::size_t equals = line.find('=');
        const std::string_view value =
            equals == std::string_view::npos ? line : line.substr(equals + 1);
        const std::string hex(value.substr(0, 9));
        if (!hex.empty() && hex.front() == '$' && listed.insert(hex).second) {
            const std::string name =
                equals == std::string_view::npos
                    ? "date " + std::to_string(++date_names)
                    : std::string(line.substr(0, std::min(equals, imported_caption_capacity)));
            taken.push_back({name, hex});
        }
        start = end + 1;
    }
    return taken;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size) {
    static HistoryTable table = [] {
        HistoryTable listed;
        for (const char* hex : {"$00FF901E", "$000000FF"}) {
            THistoryEntry entry{};
            entry.Hex.assign(hex);
            listed.append(entry);
        }
        return listed;
    }();
    const std::string_view file = as_text(data, size);
    const fs::path source = scratch_folder() / "import.txt";
    put_file(source, data, size);

    int date_names = 0;
    const ImportBatch batch =
        read_import_file(source, table, [&] { return "date " + std::to_string(++date_names); });
    FUZZ_CHECK(!batch.failure);
    if (file.find('\0') != std::string_view::npos) {
        FUZZ_CHECK(batch.not_text && batch.entries.empty());
        return 0;
    }
    FUZZ_CHECK(!batch.not_text && batch.lines_left_out == 0);

    const std::vector<Expected> expected = expected_entries(file, {"$00FF901E", "$000000FF"});
    FUZZ_CHECK(batch.entries.size() == expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        const ImportedEntry& taken = batch.entries[i];
        FUZZ_CHECK(taken.entry.Hex.view().size() <= 9);
        FUZZ_CHECK(taken.entry.Hex.view() == expected[i].hex);
        FUZZ_CHECK(taken.caption == expected[i].name);
        FUZZ_CHECK(taken.entry.Name.view() == std::string_view(taken.caption).substr(0, 30));
        // The derived forms are there exactly when the Hex text is a grabbed colour's.
        FUZZ_CHECK(taken.entry.Html.view().empty() || taken.entry.Html.view().size() == 7);
    }
    return 0;
}
