#include "app/main_form.h"

#include "app/mouse_filter.h"
#include "framework/win/application.h"

namespace pipetto {

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
    set_caption("Close...");
    // A failing save throws: the error display shows it and the window stays open.
    Save();
    return true;
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
}

void TMainform::Save() {
    SaveSettings();
    SaveHistory();
}

LRESULT TMainform::handle_message(UINT message, WPARAM wparam, LPARAM lparam) {
    if (message == grab_hotkey_unavailable_message) {
        tell_hotkey_unavailable(GrabKey.selected_text());
        return 0;
    }
    return Form::handle_message(message, wparam, lparam);
}

void TMainform::FrontCheckBoxClick() {
    set_always_on_top(FrontCheckBox.checked());
}

} // namespace pipetto
