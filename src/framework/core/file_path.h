#pragma once
// A file's path as the system spells it: UTF-16 on Windows, bytes elsewhere. It does only
// what the program needs (a folder joined with a file name, the last part of a path, the
// string the system calls take). std::filesystem::path would bring the C++ streams, the
// code conversions and every locale facet into the exe along with it.

#include <concepts>
#include <string>
#include <string_view>
#include <utility>

namespace pipetto {

// The system's own characters of a path.
#ifdef _WIN32
using path_char = wchar_t;
#else
using path_char = char;
#endif

template <typename Path, typename String>
concept SystemPath =
    std::convertible_to<decltype(std::declval<const Path&>().native()), const String&>;

class FilePath {
  public:
    using value_type = path_char;
    using string_type = std::basic_string<value_type>;
    using string_view_type = std::basic_string_view<value_type>;

    FilePath() = default;
    FilePath(string_type native) : native_(std::move(native)) {}
    FilePath(const value_type* native) : native_(native) {}
    // Any other path type that shows its system string (the tests' std::filesystem::path).
    template <SystemPath<string_type> Path> FilePath(const Path& path) : native_(path.native()) {}

    const string_type& native() const noexcept { return native_; }
    const value_type* c_str() const noexcept { return native_.c_str(); }
    bool empty() const noexcept { return native_.empty(); }

    // The file `name` in this folder. A separator is put between them unless the folder
    // ends in one already (or, on Windows, in a drive's ":"); an empty folder is the
    // current one, so the name stays as it is.
    FilePath operator/(string_view_type name) const;

    // Everything after the last separator (or, on Windows, after a leading "C:"): empty
    // for a path that ends in a separator.
    string_type file_name() const;
    // Everything up to and including the last separator (or a leading "C:"): the folder
    // the name lies in, ready for operator/; empty for a bare name.
    FilePath folder() const;

    friend bool operator==(const FilePath&, const FilePath&) = default;

  private:
    string_type native_;
};

} // namespace pipetto
