#pragma once
// One Pipetto per folder. Two copies started from the same folder would each write the
// history they read at their start over the other's, so a second start hands over to
// the copy already running there and ends without touching the files. Copies in
// different folders have files of their own and run side by side.

#include <windows.h>

#include <optional>

#include "framework/core/file_path.h"
#include "framework/win/handles.h"

namespace pipetto {

// Posted by a second start to the main window of the copy running in its folder.
constexpr UINT bring_to_front_message = WM_APP + 2;

// This process's hold on its folder: a named mutex keyed by the folder's full path,
// held for as long as the program runs.
class FolderClaim {
  public:
    // Claims `folder` for this process. When a Pipetto holds it already, asks that one's
    // main window to the front and returns nothing: this process is to end.
    static std::optional<FolderClaim> take_or_hand_over(const FilePath& folder);

  private:
    explicit FolderClaim(win::KernelHandle mutex) : mutex_(std::move(mutex)) {}
    win::KernelHandle mutex_;
};

} // namespace pipetto
