// The loupe button of the Grab page: the loupe opens beside the main window, with the
// hotkey chosen on the Settings page.

#include "app/main_form.h"
#include "loupe/loupe_form.h"

namespace pipetto {

void TMainform::LoupeBtnClick() {
    if (!LoupeForm)
        return;
    LoupeForm->PlaceBeside(*this);
    // A grabbing Grab page follows the arrow keys' steps at once; a frozen one stays.
    LoupeForm->OnCursorStepped = [this] {
        if (ColorPicker.Enabled())
            ColorPickerIdle();
    };
    // The size the grab reads, stored in config.ini; a new one is read at once as well.
    LoupeForm->SetSampleSize(ColorPicker.SampleSize());
    LoupeForm->OnSampleSizeChosen = [this](int size) {
        ColorPicker.SetSampleSize(size);
        if (ColorPicker.Enabled())
            ColorPickerIdle();
    };
    const std::string entry = LoupeKey.selected_text();
    LoupeForm->UseHotKeyEntry(entry);
    LoupeForm->show();
    // A combination held elsewhere is told about once, not at every opening.
    if (LoupeForm->GlobalHotKey.Registered())
        loupe_hotkey_told_.clear();
    else if (loupe_hotkey_told_ != entry) {
        loupe_hotkey_told_ = entry;
        tell_hotkey_unavailable(entry);
    }
}

} // namespace pipetto
