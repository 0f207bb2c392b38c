// Start-up: the claim on the folder, the application object, then the main window (which
// loads config.ini and history.dat as it is created), the hidden windows, then the message
// loop until the main window closes.

#include <windows.h>

#include <exception>

#include "app/main_form.h"
#include "app/single_instance.h"
#include "contrast/contrast_form.h"
#include "framework/win/application.h"
#include "history/im_export_form.h"
#include "loupe/loupe_form.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    const pipetto::FilePath folder = pipetto::win::Application::executable_directory();
    // Before any window: a second start in this folder only brings the first one forward.
    const std::optional<pipetto::FolderClaim> claim =
        pipetto::FolderClaim::take_or_hand_over(folder);
    if (!claim)
        return 0;
    pipetto::win::Application application(instance);
    application.set_title("Pipetto 2.0");
    try {
        pipetto::TMainform main_form(folder);
        application.set_main_window(main_form.hwnd());
        // The hidden windows, in this order: the loupe window, the import/export dialog,
        // then the contrast window.
        pipetto::TLoupeForm loupe_form(main_form.CursorCheckBox);
        main_form.LoupeForm = &loupe_form;
        pipetto::TImExportForm im_export_form(main_form);
        pipetto::TContrastForm contrast_form(main_form);
        // Open when the program last closed: it opens again, behind the main window.
        if (contrast_form.open_at_start())
            contrast_form.Open();
        // The owner first: showing it later would take the main window out of the topmost band.
        application.show_taskbar_button();
        main_form.show();
        return application.run();
    } catch (const std::exception& error) {
        application.show_exception(error);
        return 1;
    }
}
