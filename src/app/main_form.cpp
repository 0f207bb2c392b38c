#include "app/main_form.h"

#include <exception>

#include "app/mouse_filter.h"
#include "app/single_instance.h"
#include "framework/core/safe_file.h"
#include "framework/win/application.h"

namespace pipetto {
namespace {

constexpr char close_anyway_question[] =
    "Close Pipetto anyway? What could not be written is lost.\n\n"
    "Choose No to keep Pipetto open: its colours can still be exported to another place.";

} // namespace

TMainform::TMainform(FilePath settings_directory, bool is_main_window)
    : settings_directory_(std::move(settings_directory)), history_file_(history_path()) {
    quits_application = is_main_window;
    build();
    FormCreate();
}

TMainform::~TMainform() = default;

void TMainform::FormCreate() {
    Load();
    PageControl.set_active_page(GrabSheet);
    mouse_filter_ = install_mouse_filter();
}

bool TMainform::FormClose() {
    const std::string caption_while_open = caption();
    set_caption("Close...");
    // The close writes the history itself; a write waiting for its timer is taken along.
    KillTimer(hwnd(), history_write_timer);
    // A file that can't be written (a full disk, another program holding it) must not keep
    // the user from ending Pipetto, nor end it behind their back: they choose.
    if (Save() || win::Application::current().ask(close_anyway_question))
        return true;
    set_caption(caption_while_open);
    return false;
}

void TMainform::SessionEnding() {
    KillTimer(hwnd(), history_write_timer);
    // Nobody is left to answer a message box, and the process may end at any moment:
    // each file is written on its own, the colours first, so that a config.ini that
    // can't be written doesn't keep them from theirs.
    try {
        SaveHistory();
    } catch (const std::exception&) {
    }
    try {
        SaveSettings();
    } catch (const std::exception&) {
    }
}

void TMainform::BringToFront() {
    win::Application& application = win::Application::current();
    const HWND owner = application.owner_window();
    if (IsIconic(owner))
        ShowWindow(owner, SW_RESTORE);
    // Start-up shows the taskbar button and then this window; until then only a message
    // box of start-up's may come forward.
    if (IsWindowVisible(owner) && !visible())
        show();
    const HWND front = application.front_window() ? application.front_window() : hwnd();
    // A message box or a dialog in front of the window comes with it.
    const HWND popup = GetLastActivePopup(front);
    if (IsWindowVisible(popup))
        SetForegroundWindow(popup);
}

// The first colour is in the fields when the window first paints, instead of coming with
// the sampler's first tick, 100 ms after the sampler started. Where the window is about to
// show, the screen holds its picture only once it is painted: a cursor there is read after
// the first paint.
bool TMainform::CursorOverOwnWindow() const {
    RECT place{};
    GetWindowRect(hwnd(), &place);
    return PtInRect(&place, ColorPicker.CursorPosition()) != FALSE;
}

void TMainform::before_first_show() {
    if (ColorPicker.Enabled() && !CursorOverOwnWindow())
        ColorPickerIdle();
}

void TMainform::on_first_show() {
    if (!ColorPicker.Enabled() || !CursorOverOwnWindow())
        return;
    RedrawWindow(hwnd(), nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    ColorPickerIdle();
}

void TMainform::FormDestroy() {
    mouse_filter_.reset();
    // No tick may reach the controls once their windows are gone.
    ColorPicker.SetEnabled(false);
}

void TMainform::Load() {
    LoadSettings();
    ApplyGrabHotKey();
    LoadHistory();
    // Making and removing a file costs the start a few calls to the system, so the folder is
    // checked once the window has painted. Where a file is read-only, though, the folder
    // decides what the user is told before the window shows, so it is checked now.
    folder_checked_ = settings_read_only_ || history_read_only_;
    if (folder_checked_) {
        CheckTheFolderTakesNewFiles();
        TellWhatWontBeKept();
    }
}

void TMainform::CheckTheFolderTakesNewFiles() {
    folder_refuses_new_files_ = new_file_refusal(settings_directory_) != 0;
    if (folder_refuses_new_files_)
        history_file_.never_write();
}

void TMainform::after_first_paint() {
    if (folder_checked_)
        return;
    folder_checked_ = true;
    CheckTheFolderTakesNewFiles();
    TellWhatWontBeKept();
}

bool TMainform::Save() {
    bool saved = true;
    for (void (TMainform::*save)() : {&TMainform::SaveSettings, &TMainform::SaveHistory}) {
        try {
            (this->*save)();
        } catch (const std::exception& error) {
            win::Application::current().show_exception(error);
            saved = false;
        }
    }
    return saved;
}

LRESULT TMainform::handle_message(UINT message, WPARAM wparam, LPARAM lparam) {
    switch (message) {
    case grab_hotkey_unavailable_message:
        tell_hotkey_unavailable(GrabKey.selected_text());
        return 0;
    case bring_to_front_message:
        BringToFront();
        return 0;
    case WM_TIMER:
        if (wparam != history_write_timer)
            break;
        WritePendingHistory();
        return 0;
    case WM_DISPLAYCHANGE:
        // The square of a sample is cut to the monitors there are now.
        ColorPicker.MonitorsChanged();
        break;
    case WM_QUERYENDSESSION:
        return TRUE; // nothing to ask: the files are written when the session ends
    case WM_ENDSESSION:
        // Windows may end the process as soon as this returns.
        if (wparam)
            SessionEnding();
        return 0;
    default:
        break;
    }
    return Form::handle_message(message, wparam, lparam);
}

void TMainform::FrontCheckBoxClick() {
    set_always_on_top(FrontCheckBox.checked());
}

} // namespace pipetto
