// Where Pipetto can't keep its files: a config.ini or history.dat that the user made
// read-only, or a folder that takes no new files (a write-protected stick, a network share,
// a folder under Program Files). Portable tools are started from such places every day, so
// this is told once at start, and from then on those files are not tried: a close never
// meets a failure it could only repeat.

#include <string>

#include "app/main_form.h"
#include "framework/core/errors.h"
#include "framework/win/application.h"
#include "framework/win/win_text.h"

namespace pipetto {
namespace {

std::string in_folder(const FilePath& folder) {
    return " in the folder " + quoted_in_message(win::narrow(folder.native()));
}

} // namespace

void TMainform::TellWhatWontBeKept() {
    const std::string folder = in_folder(settings_directory_);
    std::string message;
    if (folder_refuses_new_files_)
        message = "Pipetto can't create files" + folder +
                  ", so changes to the settings and to the kept colours will not be saved.";
    else if (settings_read_only_ && history_read_only_)
        message = "config.ini and history.dat" + folder +
                  " are read-only, so changes to the settings and to the kept colours will "
                  "not be saved.";
    else if (settings_read_only_)
        message =
            "config.ini" + folder + " is read-only, so changes to the settings will not be saved.";
    else if (history_read_only_)
        message = "history.dat" + folder +
                  " is read-only: its colours are listed, but changes to them will not be saved.";
    if (!message.empty())
        win::Application::current().show_information(message);
}

} // namespace pipetto
