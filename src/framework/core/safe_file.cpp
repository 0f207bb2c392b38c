#include "framework/core/safe_file.h"

#include "framework/core/errors.h"
#include "framework/core/file_system.h"

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <optional>
#include <vector>

namespace pipetto {

namespace {

// Spelt in the path's own characters, so no conversion is needed.
constexpr FilePath::value_type temporary_prefix[] = {'~', 'p', 'i', 'p', 'e',
                                                     't', 't', 'o', '-', 0};
constexpr FilePath::value_type temporary_suffix[] = {'.', 't', 'm', 'p', 0};
constexpr std::size_t temporary_digits = 8;

// Tries enough names that only a folder that refuses new files runs out of them.
constexpr int names_to_try = 64;

constexpr FilePath::string_view_type prefix_view(temporary_prefix);
constexpr FilePath::string_view_type suffix_view(temporary_suffix);

bool is_hex_digit(FilePath::value_type c) {
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f');
}

// Names differ from one try to the next and from one process to another: the clock seeds
// them, and each try takes the next value of a mixing sequence.
std::uint32_t next_name_number() {
    static std::uint64_t state =
        static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count());
    state += 0x9E3779B97F4A7C15u;
    std::uint64_t z = state;
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9u;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBu;
    return static_cast<std::uint32_t>(z ^ (z >> 31));
}

FilePath::string_type temporary_name() {
    static constexpr char digits[] = "0123456789abcdef";
    std::uint32_t number = next_name_number();
    FilePath::string_type name(prefix_view);
    for (std::size_t i = 0; i < temporary_digits; ++i, number >>= 4)
        name.push_back(static_cast<FilePath::value_type>(digits[number & 0xF]));
    name.append(suffix_view);
    return name;
}

// A taken name fails with "exists"; where a folder holds the name, Windows may say "access
// denied" instead, so that code counts as taken only when something of the name is there.
bool name_taken(const EInOutError& error, const FilePath& path) {
    if (error.code() == io_code::file_exists || error.code() == io_code::already_exists)
        return true;
    return error.code() == io_code::access_denied && file_facts(path).has_value();
}

// A new file in the folder, made by us and nobody else's: removed when it goes, unless
// it took its target's place. One that is to replace an existing file grants no access
// that file doesn't.
class TemporaryFile {
  public:
    TemporaryFile(const FilePath& folder, const FilePath* replacing) {
        for (int attempt = 1;; ++attempt) {
            path_ = folder / temporary_name();
            try {
                file_ = replacing ? FileHandle::create_replacement(path_, *replacing)
                                  : FileHandle::open(path_, FileMode::create_new);
                return;
            } catch (const EInOutError& error) {
                if (attempt == names_to_try || !name_taken(error, path_))
                    throw;
            }
        }
    }
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;
    ~TemporaryFile() {
        if (!placed_) {
            // Closed first: Windows can't delete a file that is still open.
            file_ = FileHandle();
            remove_file(path_);
        }
    }

    FileHandle& file() noexcept { return file_; }
    const FilePath& path() const noexcept { return path_; }
    void placed() noexcept { placed_ = true; }

  private:
    FilePath path_;
    FileHandle file_;
    bool placed_ = false;
};

// The user (or another program) marked the file read-only; replacing it by a rename
// would quietly override that, so it fails as opening it for writing would. A folder of
// the name fails as it does for opening (Windows says "access denied"), and stays as it
// is. The facts (nothing for a new file) go on to the replacement.
std::optional<FileFacts> refuse_unwritable_target(const FilePath& target) {
    std::optional<FileFacts> facts = file_facts(target);
    if (facts && (facts->read_only || !facts->is_regular_file))
        throw EInOutError(io_code::access_denied);
    return facts;
}

// A write cut short (a power cut, a kill) leaves its temporary file; only names of our own
// pattern are touched, and one that another write still holds open can't be removed. Such
// leftovers come from earlier runs, so each folder is looked through at its first write of
// the run only.
void remove_leftover_temporaries(const FilePath& folder) {
    static std::vector<FilePath> looked_through;
    if (std::find(looked_through.begin(), looked_through.end(), folder) != looked_through.end())
        return;
    looked_through.push_back(folder);
    for (const FilePath::string_type& name : file_names_like(folder, prefix_view, suffix_view))
        if (is_temporary_file_name(name))
            remove_file(folder / name);
}

} // namespace

bool is_temporary_file_name(FilePath::string_view_type name) {
    if (name.size() != prefix_view.size() + temporary_digits + suffix_view.size() ||
        !name.starts_with(prefix_view) || !name.ends_with(suffix_view))
        return false;
    for (const FilePath::value_type c : name.substr(prefix_view.size(), temporary_digits))
        if (!is_hex_digit(c))
            return false;
    return true;
}

void replace_file(const FilePath& target, const std::function<void(FileHandle&)>& write_content) {
    const FilePath place = final_path(target);
    const std::optional<FileFacts> facts = refuse_unwritable_target(place);
    const FilePath folder = place.folder();
    remove_leftover_temporaries(folder);
    TemporaryFile temporary(folder, facts ? &place : nullptr);
    write_content(temporary.file());
    temporary.file().flush_to_disk();
    temporary.file().close();
    if (const int code = replace_with(temporary.path(), place, facts))
        throw EInOutError(code);
    temporary.placed();
}

void replace_file(const FilePath& target, std::string_view content) {
    replace_file(target,
                 [content](FileHandle& file) { file.write(content.data(), content.size()); });
}

int new_file_refusal(const FilePath& folder) {
    try {
        TemporaryFile probe(folder, nullptr);
    } catch (const EInOutError& error) {
        return error.code();
    }
    return 0;
}

} // namespace pipetto
