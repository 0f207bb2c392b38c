// The import/export dialog's description: every control with its place at 96 DPI, text,
// font, properties and handlers, in creation order, which is the tab order; and its two
// file dialogs.

#include "colour/colour_identifiers.h"
#include "framework/win/form_builder.h"
#include "history/im_export_form.h"

namespace pipetto {
namespace {

using Row = win::ControlRow<TImExportForm>;
using D = TImExportForm;
#define F(field) PIPETTO_FIELD(TImExportForm, field)

constexpr win::FontSpec tahoma_9{L"Tahoma", 9};
constexpr win::FontSpec tahoma_9_bold{L"Tahoma", 9, true};

const win::FormDescription dialog{L"TImExportForm", "Im-/Export", 206, 114, tahoma_9, true};
constexpr int designed_left = 1032, designed_top = 592;

const Row layout[] = {
    {F(ExHex), "", {8, 8, 97, 15}, "Export Hex-Values", tahoma_9, {.checked = true, .group = true}},
    {F(ExHtml), "", {8, 36, 105, 15}, "Export Html-Values"},
    {F(ExLong), "", {8, 50, 105, 15}, "Export Long-Values"},
    {F(ImportBtn),
     "",
     {120, 8, 75, 21},
     "&Import",
     tahoma_9_bold,
     {.group = true},
     &D::ImportBtnClick},
    {F(ExportBtn), "", {120, 32, 75, 21}, "&Export", tahoma_9_bold, {}, &D::ExportBtnClick},
    {F(withname), "", {9, 74, 97, 17}, "With listname", tahoma_9, {.checked = true}},
    {F(CloseBtn), "", {120, 72, 75, 21}, "&Close", tahoma_9_bold, {}, &D::CloseBtnClick},

    {F(Label2), "", {26, 22, 48, 11}, "(for Import)"},
    {F(Label1),
     "",
     {8, 96, 182, 11},
     "Only files with Hex-Values can be imported!",
     tahoma_9,
     {.font_colour = clRed}},

    // The etched lines beside the buttons, and the one below the radio buttons.
    {F(Bevel1), "", {118, 8, 2, 21}},
    {F(Bevel2), "", {118, 32, 2, 21}},
    {F(Bevel3), "", {118, 72, 2, 21}},
    {F(Bevel4), "", {196, 8, 2, 21}},
    {F(Bevel5), "", {196, 32, 2, 21}},
    {F(Bevel6), "", {196, 72, 2, 21}},
    {F(Bevel7), "", {192, 72, 2, 21}},
    {F(Bevel8), "", {8, 64, 100, 6}},
};

#undef F

} // namespace

// Both propose "ccexport" with text first; a name typed without an extension gets the
// chosen type's, or ".txt". Export offers the palettes in the order their users ask for
// them; CSS is written only, so import doesn't list it.
constexpr win::FileDialogFilter export_types[] = {
    {"Text files (*.txt)", "*.txt"},
    {"GIMP palette (*.gpl)", "*.gpl"},
    {"CSS custom properties (*.css)", "*.css"},
    {"Adobe Swatch Exchange (*.ase)", "*.ase"},
};
constexpr win::FileDialogFilter import_types[] = {
    {"All palettes (*.txt;*.gpl;*.ase)", "*.txt;*.gpl;*.ase"},
    {"Text files (*.txt)", "*.txt"},
    {"GIMP palette (*.gpl)", "*.gpl"},
    {"Adobe Swatch Exchange (*.ase)", "*.ase"},
};

const win::FileDialogDescription TImExportForm::save_dialog{
    win::FileDialogDescription::Kind::save, "Export", "ccexport", export_types, "txt"};
const win::FileDialogDescription TImExportForm::open_dialog{
    win::FileDialogDescription::Kind::open, "Import", "ccexport", import_types, "txt"};

void TImExportForm::build_window() {
    if (hwnd())
        return;
    create_form(dialog, designed_left, designed_top);
    win::build_controls<TImExportForm>(*this, layout,
                                       [this](auto&&... arguments) { add_control(arguments...); });
}

} // namespace pipetto
