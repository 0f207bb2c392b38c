#pragma once
// The system's open and save dialogs (comdlg32, Explorer style). Each dialog proposes
// its initial file name until the user confirms one, and the file last chosen after.

#include <windows.h>

#include <optional>
#include <string>

#include "framework/core/file_path.h"

namespace pipetto::win {

struct FileDialogDescription {
    enum class Kind { open, save };
    Kind kind;
    const char* title;
    const char* file_name;         // proposed until a file is chosen
    const char* filter_name;       // the one filter entry as the list shows it
    const char* filter;            // its pattern
    const char* default_extension; // added to a name typed without one, no "."
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

  private:
    FileDialogDescription description_;
    std::wstring file_name_;
};

} // namespace pipetto::win
