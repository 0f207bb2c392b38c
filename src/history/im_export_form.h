#pragma once
// The import/export dialog: writes the history to a text or palette file of the user's
// choice and reads such files back. Created at start-up, its window built when it is first shown
// modally from the history list's popup menu, and kept until the program ends, so its
// choices last for the run.
// Its controls are the fields below, built from the table in im_export_form_layout.cpp.

#include "controls/glyph_button.h"
#include "framework/core/file_path.h"
#include "framework/win/controls/check_box.h"
#include "framework/win/controls/etched_line.h"
#include "framework/win/controls/label.h"
#include "framework/win/controls/radio_button.h"
#include "framework/win/file_dialog.h"
#include "framework/win/form.h"
#include "history/export_file.h"
#include "palettes/palette_format.h"

namespace pipetto {

class TMainform;

class TImExportForm : public win::Form {
  public:
    // Works on the history table and list of `main_form`, whose Import/Export item
    // shows it from now on.
    explicit TImExportForm(TMainform& main_form);
    ~TImExportForm() override;

    // Shows the dialog; the main window can't be used until it is closed.
    void ShowModal();
    // Builds the window, hidden, unless it is built already.
    void build_window();

    void ExportBtnClick();
    void ImportBtnClick();
    void CloseBtnClick();

    // What the two buttons do once the user has chosen the file (and, for export, the
    // format: text unless the user asked for a palette).
    void ExportTo(const FilePath& target, PaletteFormat format = PaletteFormat::text);
    void ImportFrom(const FilePath& source);

    // What the radio buttons and the check box say.
    ExportChoice export_choice() const;

    win::RadioButton ExHex, ExHtml, ExLong;
    win::CheckBox withname;
    win::Label Label1, Label2;
    TGlyphButton ImportBtn, ExportBtn, CloseBtn;
    win::EtchedLine Bevel1, Bevel2, Bevel3, Bevel4, Bevel5, Bevel6, Bevel7, Bevel8;
    win::FileDialog SaveDialog, OpenDialog;

  private:
    static const win::FileDialogDescription save_dialog, open_dialog;

    TMainform& main_form_;
};

} // namespace pipetto
