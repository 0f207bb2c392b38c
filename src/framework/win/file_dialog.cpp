#include "framework/win/file_dialog.h"

#include <commdlg.h>

#include <stdexcept>

#include "framework/win/system_library.h"
#include "framework/win/win_text.h"

namespace pipetto::win {
namespace {

// Room for the longest path Windows knows.
constexpr std::size_t path_capacity = 32768;

// comdlg32 and the DLLs it brings are loaded when a dialog is first shown.
struct CommonDialogs {
    SystemLibrary library{L"comdlg32.dll"};
    decltype(GetOpenFileNameW)* open =
        library.function<decltype(GetOpenFileNameW)>("GetOpenFileNameW");
    decltype(GetSaveFileNameW)* save =
        library.function<decltype(GetSaveFileNameW)>("GetSaveFileNameW");
    decltype(CommDlgExtendedError)* last_error =
        library.function<decltype(CommDlgExtendedError)>("CommDlgExtendedError");
};

const CommonDialogs& common_dialogs() {
    static const CommonDialogs dialogs;
    if (!dialogs.open || !dialogs.save || !dialogs.last_error)
        throw std::runtime_error("The file dialog is not available (comdlg32.dll)");
    return dialogs;
}

} // namespace

FileDialog::FileDialog(const FileDialogDescription& description)
    : description_(description), file_name_(widen(description.file_name)) {}

std::optional<FilePath> FileDialog::execute(HWND owner) {
    std::wstring chosen(path_capacity, L'\0');
    chosen.replace(0, file_name_.size(), file_name_);
    // Name and pattern of each entry, each ended by a zero, and one more zero after the
    // last entry (the string's own).
    std::wstring filter;
    for (const FileDialogFilter& entry : description_.filters) {
        filter += widen(entry.name);
        filter.push_back(L'\0');
        filter += widen(entry.pattern);
        filter.push_back(L'\0');
    }
    const std::wstring title = widen(description_.title);
    const std::wstring extension = widen(description_.default_extension);

    OPENFILENAMEW dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = owner;
    dialog.lpstrFilter = filter.c_str();
    dialog.nFilterIndex = static_cast<DWORD>(filter_index_ + 1);
    dialog.lpstrFile = chosen.data();
    dialog.nMaxFile = static_cast<DWORD>(chosen.size());
    dialog.lpstrTitle = title.c_str();
    dialog.lpstrDefExt = extension.c_str();
    // The program's files are found by the exe's path, but the current folder is left
    // alone all the same. No prompt before overwriting; a missing file may be named.
    dialog.Flags = OFN_EXPLORER | OFN_ENABLESIZING | OFN_HIDEREADONLY | OFN_NOCHANGEDIR;

    const CommonDialogs& dialogs = common_dialogs();
    const bool confirmed = description_.kind == FileDialogDescription::Kind::save
                               ? dialogs.save(&dialog) != FALSE
                               : dialogs.open(&dialog) != FALSE;
    if (!confirmed) {
        if (const DWORD error = dialogs.last_error(); error != 0)
            throw std::runtime_error("The file dialog failed (" + std::to_string(error) + ")");
        return std::nullopt;
    }
    chosen.resize(wcslen(chosen.c_str()));
    file_name_ = chosen;
    if (dialog.nFilterIndex >= 1 && dialog.nFilterIndex <= description_.filters.size())
        filter_index_ = dialog.nFilterIndex - 1;
    return FilePath(chosen);
}

} // namespace pipetto::win
