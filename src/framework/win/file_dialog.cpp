#include "framework/win/file_dialog.h"

#include <commdlg.h>

#include <stdexcept>

#include "framework/win/win_text.h"

namespace pipetto::win {
namespace {

// Room for the longest path Windows knows.
constexpr std::size_t path_capacity = 32768;

} // namespace

FileDialog::FileDialog(const FileDialogDescription& description)
    : description_(description), file_name_(widen(description.file_name)) {}

std::optional<FilePath> FileDialog::execute(HWND owner) {
    std::wstring chosen(path_capacity, L'\0');
    chosen.replace(0, file_name_.size(), file_name_);
    // Name and pattern, each ended by a zero, and one more zero after the last entry.
    std::wstring filter = widen(description_.filter_name);
    filter.push_back(L'\0');
    filter += widen(description_.filter);
    filter.push_back(L'\0');
    const std::wstring title = widen(description_.title);
    const std::wstring extension = widen(description_.default_extension);

    OPENFILENAMEW dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = owner;
    dialog.lpstrFilter = filter.c_str();
    dialog.nFilterIndex = 1;
    dialog.lpstrFile = chosen.data();
    dialog.nMaxFile = static_cast<DWORD>(chosen.size());
    dialog.lpstrTitle = title.c_str();
    dialog.lpstrDefExt = extension.c_str();
    // The program's files are found by the exe's path, but the current folder is left
    // alone all the same. No prompt before overwriting; a missing file may be named.
    dialog.Flags = OFN_EXPLORER | OFN_ENABLESIZING | OFN_HIDEREADONLY | OFN_NOCHANGEDIR;

    const bool confirmed = description_.kind == FileDialogDescription::Kind::save
                               ? GetSaveFileNameW(&dialog) != FALSE
                               : GetOpenFileNameW(&dialog) != FALSE;
    if (!confirmed) {
        if (const DWORD error = CommDlgExtendedError(); error != 0)
            throw std::runtime_error("The file dialog failed (" + std::to_string(error) + ")");
        return std::nullopt;
    }
    chosen.resize(wcslen(chosen.c_str()));
    file_name_ = chosen;
    return FilePath(chosen);
}

} // namespace pipetto::win
