// The main window's description: every control with its parent, place at 96 DPI, text,
// font, properties and handlers, in creation order.

#include <array>

#include "app/main_form.h"
#include "app/web_addresses.h"
#include "colour/colour_identifiers.h"
#include "framework/win/form_builder.h"
#include "hotkeys/hotkey_entries.h"
#include "resources/resource_ids.h"

namespace pipetto {
namespace {

using win::Alignment;
using win::BevelStyle;
using Row = win::ControlRow<TMainform>;
using M = TMainform;
#define F(field) PIPETTO_FIELD(TMainform, field)

constexpr win::FontSpec ms_sans_serif_11{L"MS Sans Serif", 11};
constexpr win::FontSpec tahoma_9{L"Tahoma", 9};
constexpr win::FontSpec parent_font{};
constexpr TColor cream = clCream;

// The colour fields: read-only, cream whether idle, hovered or focused, with a thin border
// in the button shadow colour; each has its name as a ticket 16 pixels above it, hidden
// behind the edit or the group box above.
constexpr win::Properties flat_edit(const char* name, int ticket_width) {
    return {.colour = cream,
            .focused_colour = cream,
            .border_colour = clBtnShadow,
            .read_only = true,
            .ticket = {name, ticket_width, 11, 1, 5}};
}
constexpr win::Properties copy_button{
    .hint = "Copy to Clipboard", .glyph = IDB_COPY_GLYPH, .glyph_hot = IDB_COPY_GLYPH_HOT};
constexpr win::Properties pixel_copy_button{.hint = "Copy to Clipboard",
                                            .hint_second_line = "...for use in graphical tools!!",
                                            .glyph = IDB_COPY_GLYPH,
                                            .glyph_hot = IDB_COPY_GLYPH_HOT};
constexpr win::Properties fill_label{.transparent = true, .alignment = Alignment::centre};
constexpr win::HoverLook color_tools_hover{
    "Open Online Color-Tool", Alignment::centre, clBtnFace, ms_sans_serif_11, clBlue,
    win::TextLayout::centre};
constexpr win::HoverLook maker_hover{
    maker_address, Alignment::centre, clBtnFace, ms_sans_serif_11, clBlue, win::TextLayout::centre};
constexpr win::HoverLook publisher_hover{
    publisher_address,      Alignment::centre, clBtnFace, ms_sans_serif_11, clBlue,
    win::TextLayout::centre};

const win::FormDescription main_window{
    L"TMainform", " Pipetto 2.0", 192, 256, ms_sans_serif_11, true,
};

const Row layout[] = {
    {F(PageControl), "", {8, 8, 177, 241}, "", tahoma_9},
    {F(GrabSheet), "PageControl", {}, "Grab"},
    {F(HistorySheet), "PageControl", {}, "History"},
    {F(AboutSheet), "PageControl", {}, "Settings"},
    {F(Adssheet), "PageControl", {}, "About"},

    // Grab page
    {F(LoupeBtn),
     "GrabSheet",
     {4, 1, 20, 20},
     "",
     parent_font,
     {.hint = "Open Loupe", .glyph = IDB_LOUPE_GLYPH, .glyph_hot = IDB_LOUPE_GLYPH},
     &M::LoupeBtnClick},
    {F(GrabLabel),
     "GrabSheet",
     {26, 5, 84, 11},
     "Start/Stop: CTRL+S",
     parent_font,
     {.font_colour = clMaroon}},
    {F(CursorLabel), "GrabSheet", {8, 20, 153, 61}, "0x0"},
    {F(ColorPanel), "CursorLabel", {2, 10, 148, 32}},
    {F(Panel1), "CursorLabel", {0, 41, 153, 20}, "", parent_font, {.bevel = BevelStyle::etched}},
    {F(colorToolsUrl),
     "Panel1",
     {8, 2, 137, 16},
     "Open Online Color-Tool",
     ms_sans_serif_11,
     {.font_colour = clBlue,
      .transparent = true,
      .alignment = Alignment::centre,
      .url = color_tools_address,
      .layout = win::TextLayout::centre,
      .hover = &color_tools_hover}},
    {F(Label2), "GrabSheet", {8, 92, 0, 11}, "Html:"},
    {F(HtmlColor), "GrabSheet", {40, 88, 97, 17}, "", parent_font, flat_edit("HtmlColor", 42)},
    {F(HtmlCopyBtn),
     "GrabSheet",
     {140, 88, 20, 18},
     "",
     parent_font,
     copy_button,
     &M::HtmlCopyBtnClick},
    {F(Label4), "GrabSheet", {8, 111, 0, 11}, "RGB:"},
    {F(RGBColor), "GrabSheet", {40, 108, 97, 17}, "", parent_font, flat_edit("RGBColor", 41)},
    {F(RgbCopyBtn),
     "GrabSheet",
     {140, 108, 20, 18},
     "",
     parent_font,
     copy_button,
     &M::RgbCopyBtnClick},
    {F(Label1), "GrabSheet", {8, 132, 0, 11}, "Hex:"},
    {F(HexColor), "GrabSheet", {40, 128, 97, 17}, "", parent_font, flat_edit("HexColor", 38)},
    {F(HexCopyBtn),
     "GrabSheet",
     {140, 128, 20, 18},
     "",
     parent_font,
     copy_button,
     &M::HexCopyBtnClick},
    {F(Label3), "GrabSheet", {8, 151, 0, 11}, "Long:"},
    {F(LongColor), "GrabSheet", {40, 148, 97, 17}, "", parent_font, flat_edit("LongColor", 41)},
    {F(LongCopyBtn),
     "GrabSheet",
     {140, 148, 20, 18},
     "",
     parent_font,
     copy_button,
     &M::LongCopyBtnClick},
    {F(Label5), "GrabSheet", {8, 170, 0, 11}, "Name:"},
    {F(IdentColor), "GrabSheet", {40, 168, 97, 19}, "", parent_font, flat_edit("IdentColor", 44)},
    {F(IdentCopyBtn),
     "GrabSheet",
     {140, 168, 20, 20},
     "",
     parent_font,
     copy_button,
     &M::IdentCopyBtnClick},
    {F(Label12), "GrabSheet", {8, 192, 22, 11}, "Pixel:"},
    {F(PixelImageBevel), "GrabSheet", {40, 190, 34, 18}},
    {F(PixelImage), "GrabSheet", {41, 190, 32, 18}, "", parent_font, {.stretch = true}},
    {F(PixelImage2),
     "GrabSheet",
     {80, 190, 15, 18},
     "",
     parent_font,
     {.hidden = true, .stretch = true}},
    {F(PixelCopyBtn),
     "GrabSheet",
     {140, 190, 20, 20},
     "",
     parent_font,
     pixel_copy_button,
     &M::PixelCopyBtnClick},

    // History page
    {F(Bevel1), "HistorySheet", {0, 0, 169, 109}},
    {F(HistoryList),
     "HistorySheet",
     {2, 2, 165, 104},
     "",
     parent_font,
     {.colour = cream, .read_only = true, .popup_menu = "HistoryPopup"},
     &M::HistoryListClick,
     nullptr,
     &M::HistoryListCustomDrawSubItem},
    {F(GroupBox3), "HistorySheet", {0, 110, 169, 40}, " Name of item "},
    {F(ItemName),
     "GroupBox3",
     {4, 18, 160, 19},
     "",
     parent_font,
     {.colour = cream},
     &M::ItemNameClick,
     &M::ItemNameChange},
    {F(GroupBox1), "HistorySheet", {0, 152, 169, 59}, " Copy to clipboard "},
    {F(Label7), "GroupBox1", {8, 18, 0, 11}, "Hex:"},
    {F(HexCopyBtn2),
     "GroupBox1",
     {32, 15, 17, 18},
     "",
     parent_font,
     copy_button,
     &M::HexCopyBtn2Click},
    {F(Label8), "GroupBox1", {54, 18, 0, 11}, "Html:"},
    {F(HtmlCopyBtn2),
     "GroupBox1",
     {84, 15, 18, 18},
     "",
     parent_font,
     copy_button,
     &M::HtmlCopyBtn2Click},
    {F(Label9), "GroupBox1", {106, 18, 0, 11}, "Long:"},
    {F(LongCopyBtn2),
     "GroupBox1",
     {134, 15, 18, 18},
     "",
     parent_font,
     copy_button,
     &M::LongCopyBtn2Click},
    {F(Label10), "GroupBox1", {8, 40, 0, 11}, "RGB:"},
    {F(RgbCopyBtn2),
     "GroupBox1",
     {32, 36, 18, 18},
     "",
     parent_font,
     copy_button,
     &M::RgbCopyBtn2Click},
    {F(Label11), "GroupBox1", {54, 40, 0, 11}, "Name:"},
    {F(IdentCopyBtn2),
     "GroupBox1",
     {84, 36, 18, 18},
     "",
     parent_font,
     copy_button,
     &M::IdentCopyBtn2Click},
    {F(Label13), "GroupBox1", {106, 40, 0, 11}, "Pixel:"},
    {F(PixelCopyBtn2),
     "GroupBox1",
     {134, 36, 18, 18},
     "",
     parent_font,
     pixel_copy_button,
     &M::PixelCopyBtn2Click},

    // Settings page
    {F(GroupBox5), "AboutSheet", {0, 0, 169, 211}, " Settings "},
    {F(FrontCheckBox),
     "GroupBox5",
     {8, 14, 153, 18},
     "Keep in the foreground",
     parent_font,
     {.checked = true},
     &M::FrontCheckBoxClick},
    {F(CursorCheckBox),
     "GroupBox5",
     {8, 32, 145, 18},
     "Show cursor in loupe",
     parent_font,
     {.checked = true}},
    {F(Label14), "GroupBox5", {8, 52, 68, 11}, "Start/Stop Grab:"},
    {F(GrabKey), "GroupBox5", {8, 64, 153, 19}, "", parent_font, {}, nullptr, &M::GrabKeyChange},
    {F(Label15), "GroupBox5", {8, 86, 76, 11}, "Show/Hide Loupe:"},
    {F(LoupeKey), "GroupBox5", {8, 98, 153, 19}, "", parent_font, {}, nullptr, &M::LoupeKeyChange},

    // About page
    {F(GroupBox4), "Adssheet", {0, 0, 169, 211}, " About "},
    {F(LabelFill3), "GroupBox4", {16, 16, 138, 25}, about_maker_lines, parent_font, fill_label},
    {F(LabelFill1), "GroupBox4", {46, 46, 75, 14}, about_visit_line, parent_font, fill_label},
    {F(quarnelUrl),
     "GroupBox4",
     {8, 56, 153, 13},
     maker_address,
     ms_sans_serif_11,
     {.font_colour = clBlue,
      .transparent = true,
      .alignment = Alignment::centre,
      .url = maker_address,
      .layout = win::TextLayout::centre,
      .hover = &maker_hover}},
    {F(LabelFill4),
     "GroupBox4",
     {24, 112, 125, 14},
     "Pipetto is published by:",
     parent_font,
     fill_label},
    {F(zolvaUrl),
     "GroupBox4",
     {8, 122, 153, 13},
     publisher_address,
     ms_sans_serif_11,
     {.font_colour = clBlue,
      .transparent = true,
      .alignment = Alignment::centre,
      .url = publisher_address,
      .layout = win::TextLayout::centre,
      .hover = &publisher_hover}},
    {F(LabelFill5),
     "GroupBox4",
     {12, 168, 144, 36},
     about_publisher_lines,
     parent_font,
     fill_label},
};

#undef F

} // namespace

void TMainform::build() {
    create_form(main_window, 100, 100);
    // The Grab page shows at start-up; the other pages are built when first shown, and
    // their controls hold what Load gives them until then.
    const std::span<const Row> rows(layout);
    const auto history_rows = win::rows_on_sheet(rows, "HistorySheet");
    const auto settings_rows = win::rows_on_sheet(rows, "AboutSheet");
    const auto about_rows = win::rows_on_sheet(rows, "Adssheet");
    // The table holds the page control, its sheets and the Grab page before the others.
    build_rows(rows.first(static_cast<std::size_t>(history_rows.data() - rows.data())));
    for (const auto& [sheet, page_rows] :
         {std::pair{&HistorySheet, history_rows}, std::pair{&AboutSheet, settings_rows},
          std::pair{&Adssheet, about_rows}}) {
        win::prepare_controls<TMainform>(*this, page_rows);
        sheet->build_when_shown([this, page_rows = page_rows] { build_rows(page_rows); });
    }

    HistoryList.add_column({"Name", 100});
    HistoryList.add_column({"Color", 45});
    HistoryPopup.add_item("&Import/Export", [this] { Importieren1Click(); });
    HistoryPopup.add_item("&Contrast...", [this] { Contrast1Click(); });
    CopyAsMenu = &HistoryPopup.add_submenu("Co&py as");
    HistoryPopup.add_item("-", nullptr);
    HistoryPopup.add_item("&Delete", [this] { Lschen1Click(); });
    HistoryPopup.add_item("Delete &All", [this] { Alleentfernen1Click(); });
    HistoryPopup.before_popup = [this] { HistoryPopupOpening(); };
    HistoryList.set_popup_menu(&HistoryPopup);
    ColorPanel.on_context_menu = [this](POINT at) { ColorPanelContextMenu(at); };
    on_menu_key = [this](HWND focus) { return GrabPageMenuKey(focus); };
    HistoryList.on_select = [this] { HistoryListSelect(); };
    HistoryList.on_copy = [this] { HistoryListCopy(); };

    // The sampler: enabled from the start, so grabbing begins with the message loop.
    ColorPicker.SetOnTimer([this] { ColorPickerIdle(); });
    // Registered at once, before the create event runs.
    build_grab_hotkey();

    GrabKey.set_items(hotkey_entry_texts);
    GrabKey.set_item_index(grab_hotkey_default_index);
    LoupeKey.set_items(hotkey_entry_texts);
    LoupeKey.set_item_index(loupe_hotkey_default_index);
}

void TMainform::build_rows(std::span<const win::ControlRow<TMainform>> rows) {
    win::build_controls<TMainform>(*this, rows,
                                   [this](auto&&... arguments) { add_control(arguments...); });
}

} // namespace pipetto
