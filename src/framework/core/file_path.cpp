#include "framework/core/file_path.h"

namespace pipetto {

namespace {

#ifdef _WIN32
constexpr FilePath::value_type separators[] = L"\\/";
constexpr FilePath::value_type preferred_separator = L'\\';

// "C:" and the like: a drive without a folder, which a name follows directly.
bool is_drive_alone(FilePath::string_view_type path) {
    return path.size() == 2 && path[1] == L':';
}
#else
constexpr FilePath::value_type separators[] = "/";
constexpr FilePath::value_type preferred_separator = '/';

bool is_drive_alone(FilePath::string_view_type) {
    return false;
}
#endif

} // namespace

FilePath FilePath::operator/(string_view_type name) const {
    if (native_.empty())
        return FilePath(string_type(name));
    string_type joined = native_;
    const bool ends_in_separator =
        string_view_type(separators).find(native_.back()) != string_view_type::npos;
    if (!ends_in_separator && !is_drive_alone(native_))
        joined.push_back(preferred_separator);
    joined.append(name);
    return FilePath(std::move(joined));
}

FilePath FilePath::folder() const {
    return FilePath(native_.substr(0, native_.size() - file_name().size()));
}

FilePath::string_type FilePath::file_name() const {
    const string_view_type path = native_;
    const std::size_t cut = path.find_last_of(separators);
    if (cut != string_view_type::npos)
        return string_type(path.substr(cut + 1));
#ifdef _WIN32
    if (path.size() >= 2 && path[1] == L':')
        return string_type(path.substr(2));
#endif
    return native_;
}

} // namespace pipetto
