#pragma once
// The system's open and save dialogs (comdlg32, Explorer style). Each dialog proposes
// its initial file name and first file type until the user confirms one, and the file
// and type last chosen after.

#include <windows.h>

#include <cstddef>
#include <optional>
#include <span>
#include <string>

#include "framework/core/file_path.h"

namespace pipetto::win {

// One entry of the dialog's list of file types.
struct FileDialogFilter {
    const char* name;    // as the list shows it
    const char* pattern; // "*.txt", or several: "*.txt;*.gpl"
};

struct FileDialogDescription {
    enum class Kind { open, save };
    Kind kind;
    const char* title;
    const char* file_name; // proposed until a file is chosen
    std::span<const FileDialogFilter> filters;
    // Added to a name typed without one, no "."; the save dialog adds the chosen type's
    // own extension instead where it has a single one.
    const char* default_extension;
};

class FileDialog {
  public:
    explicit FileDialog(const FileDialogDescription& description);

    // Shows the dialog, owned by `owner`, on this thread; returns when it closes. The
    // chosen file, or none when the user cancelled. The save dialog overwrites without
    // asking, and the open dialog takes a name of a file that does not exist.
    std::optional<FilePath> execute(HWND owner);

    // What the dialog proposes next time.
    const std::wstring& file_name() const noexcept { return file_name_; }
    // The file type chosen last, counted from 0 in the description's order.
    std::size_t filter_index() const noexcept { return filter_index_; }

  private:
    FileDialogDescription description_;
    std::wstring file_name_;
    std::size_t filter_index_ = 0;
};

} // namespace pipetto::win
