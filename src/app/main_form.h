#pragma once
// The main window: a small tool window with the pages Grab, History, Settings and About.
// Its controls are the fields below, built from the table in main_form_layout.cpp.

#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "controls/flat_edit.h"
#include "controls/glyph_button.h"
#include "controls/label_fill.h"
#include "controls/url_label.h"
#include "framework/core/file_path.h"
#include "framework/win/controls/bevel.h"
#include "framework/win/controls/check_box.h"
#include "framework/win/controls/combo_box.h"
#include "framework/win/controls/edit.h"
#include "framework/win/controls/group_box.h"
#include "framework/win/controls/image.h"
#include "framework/win/controls/label.h"
#include "framework/win/controls/list_view.h"
#include "framework/win/controls/page_control.h"
#include "framework/win/controls/panel.h"
#include "framework/win/controls/popup_menu.h"
#include "framework/win/controls/push_button.h"
#include "framework/win/form.h"
#include "framework/win/form_builder.h"
#include "framework/win/handles.h"
#include "grab/color_picker.h"
#include "history/history_file.h"
#include "history/history_table.h"
#include "hotkeys/global_hotkey.h"

namespace pipetto {

class TContrastForm;
class TImExportForm;
class TLoupeForm;

class TMainform : public win::Form {
  public:
    // Builds the window from its description and runs FormCreate. config.ini and
    // history.dat are read from, and written to, `settings_directory`.
    explicit TMainform(FilePath settings_directory, bool is_main_window = true);
    ~TMainform() override;

    FilePath config_path() const { return settings_directory_ / L"config.ini"; }
    FilePath history_path() const { return settings_directory_ / L"history.dat"; }

    // Lifecycle.
    void FormCreate();
    bool FormClose();
    void FormDestroy();
    void Load();
    // Writes config.ini, then history.dat, each even when the other fails; a failure is
    // told in the error display. True when nothing failed.
    bool Save();

    // Every change to the kept colours calls this: history.dat is written within half a
    // second, and a burst of changes (a name being typed) is written once.
    void HistoryChanged();
    // Writes a pending change to history.dat now; the timer and the session's end call it.
    void WritePendingHistory();
    bool history_write_pending() const noexcept { return history_write_pending_; }

    // Settings page.
    void FrontCheckBoxClick();
    void GrabKeyChange();
    void LoupeKeyChange();

    // The grab hotkey was pressed: grabbing stops or resumes, and a stop keeps the colour.
    void GlobalHotKeyKeyDown(TGlobalHotKey& Sender, std::uint16_t& Key, TShiftState Shift);

    // Grab page.
    void ColorPickerIdle();
    // A right click on the swatch: the colour it shows in the forms of CSS, to copy.
    void ColorPanelContextMenu(POINT at);
    void LoupeBtnClick();
    void HexCopyBtnClick();
    void HtmlCopyBtnClick();
    void LongCopyBtnClick();
    void RgbCopyBtnClick();
    void IdentCopyBtnClick();
    void PixelCopyBtnClick();

    // History page.
    // Adds the colour the Grab page shows, unless it is listed already; true when added.
    bool AddToHistory();
    void HistoryListClick();
    // A row highlighted by the keys or a right click becomes the chosen one, as a click's.
    void HistoryListSelect();
    // Ctrl+C in the list copies the chosen row's Html form, as its copy button does.
    void HistoryListCopy();
    void HistoryListCustomDrawSubItem(win::SubItemDraw& cell);
    void ItemNameChange();
    void ItemNameClick();
    void HexCopyBtn2Click();
    void HtmlCopyBtn2Click();
    void LongCopyBtn2Click();
    void RgbCopyBtn2Click();
    void IdentCopyBtn2Click();
    void PixelCopyBtn2Click();
    void Importieren1Click();
    void Contrast1Click();
    void Lschen1Click();
    void Alleentfernen1Click();

    // Page control and pages.
    win::PageControl PageControl;
    win::TabSheet GrabSheet, HistorySheet, AboutSheet, Adssheet;

    // Grab page.
    TGlyphButton LoupeBtn;
    win::Label GrabLabel;
    win::GroupBox CursorLabel;
    win::Panel ColorPanel, Panel1;
    TUrlLabel colorToolsUrl;
    win::Label Label1, Label2, Label3, Label4, Label5, Label12;
    TFlatEdit HtmlColor, RGBColor, HexColor, LongColor, IdentColor;
    TGlyphButton HtmlCopyBtn, RgbCopyBtn, HexCopyBtn, LongCopyBtn, IdentCopyBtn, PixelCopyBtn;
    win::Bevel PixelImageBevel;
    win::Image PixelImage, PixelImage2;

    // History page.
    win::Bevel Bevel1;
    win::ListView HistoryList;
    win::GroupBox GroupBox3, GroupBox1;
    win::Edit ItemName;
    win::Label Label7, Label8, Label9, Label10, Label11, Label13;
    TGlyphButton HexCopyBtn2, HtmlCopyBtn2, LongCopyBtn2, RgbCopyBtn2, IdentCopyBtn2, PixelCopyBtn2;
    win::PopupMenu HistoryPopup;
    // "Copy as" in HistoryPopup: the chosen row in the forms of CSS and its nearest name,
    // made as the menu opens.
    win::PopupMenu* CopyAsMenu = nullptr;
    // The same items for the colour the Grab page shows, on its swatch.
    win::PopupMenu SwatchPopup;
    // The import/export dialog that "Import/Export" shows; it attaches itself here.
    TImExportForm* ImExportForm = nullptr;

    // Settings page.
    win::GroupBox GroupBox5;
    win::CheckBox FrontCheckBox, CursorCheckBox;
    win::Label Label14, Label15;
    win::ComboBox GrabKey, LoupeKey;

    // The kept colours: row k of HistoryList is slot k+1.
    ::pipetto::HistoryTable HistoryTable;
    // The colour and position of the history row chosen last: the highlighted one.
    TColor SelectedColor = 0;
    int SelectedIndex = 0;

    // About page.
    win::GroupBox GroupBox4;
    TLabelFill LabelFill1, LabelFill3, LabelFill4, LabelFill5;
    TUrlLabel quarnelUrl, zolvaUrl;

    // Samples the screen ten times a second while grabbing is on; each tick runs
    // ColorPickerIdle. Declared after the controls it writes, so it goes before them.
    TColorPicker ColorPicker;
    // The grab hotkey: Ctrl+S from the window's building until Load applies GrabKey.
    TGlobalHotKey GlobalHotKey;

    // The loupe window, created after this one; it opens with LoupeBtn. Null without one.
    TLoupeForm* LoupeForm = nullptr;
    // The contrast window, which attaches itself here; it follows the grab cycle and the
    // chosen colour. Null without one.
    TContrastForm* ContrastForm = nullptr;

  protected:
    bool on_close() override { return FormClose(); }
    void on_destroy() override { FormDestroy(); }
    void before_first_show() override;
    void on_first_show() override;
    void after_first_paint() override;
    LRESULT handle_message(UINT message, WPARAM wparam, LPARAM lparam) override;

  private:
    void build();
    void build_rows(std::span<const win::ControlRow<TMainform>> rows);
    void build_grab_hotkey();
    void ApplyGrabHotKey();
    // The application's message box: the entry's combination is held by another program.
    void tell_hotkey_unavailable(std::string_view entry_text);
    void LoadSettings();
    void SaveSettings();
    void LoadHistory();
    void SaveHistory();
    // Whether the folder takes new files, found out by making one and removing it again;
    // where it doesn't, neither file is ever tried.
    void CheckTheFolderTakesNewFiles();
    // Once the folder was checked: where the files can't be written, the user is told once,
    // and they are never tried.
    void TellWhatWontBeKept();
    // The stored pair of hotkeys read as the Settings page would have let it be chosen.
    void KeepLoupeKeyApart();
    // The Windows session ends: both files are written as a close writes them.
    void SessionEnding();
    // A second start of Pipetto in this folder asks this window to the front.
    void BringToFront();
    // The cursor lies where this window is, or is about to show.
    bool CursorOverOwnWindow() const;
    void fill_history_list();
    // Just before HistoryPopup shows: "Copy as" for the highlighted row.
    void HistoryPopupOpening();
    // The menu key on a field of the Grab page opens the swatch's menu below the swatch.
    bool GrabPageMenuKey(HWND focus);
    // Records `row` as the chosen one: SelectedColor, SelectedIndex, PixelImage2, ItemName.
    void ChooseHistoryRow(int row);
    // History copies: false, after telling the user, when there is no colour to copy.
    bool history_colour_ready();
    void copy_history_text(std::string_view text);

    FilePath settings_directory_;
    // config.ini could not be read at start-up: it is never written over at close.
    bool settings_unreadable_ = false;
    // The user made config.ini or history.dat read-only, or the folder takes no new files
    // (a write-protected stick, a folder under Program Files): those files aren't written.
    bool settings_read_only_ = false;
    bool history_read_only_ = false;
    bool folder_refuses_new_files_ = false;
    // The folder is checked after the first paint, unless Load needed to know already.
    bool folder_checked_ = false;
    HistoryFile history_file_;
    win::HookHandle mouse_filter_;
    // The colour text of the row last clicked, when it was no colour.
    std::optional<std::string> unreadable_selected_colour_;
    // Told that the history is full; cleared once a deletion makes room again.
    bool history_full_reported_ = false;
    // Posted when the grab hotkey can't be had at start-up, so it is told over the window.
    static constexpr UINT grab_hotkey_unavailable_message = WM_APP + 1;
    // The loupe entry last told to be held elsewhere when the loupe opened.
    std::string loupe_hotkey_told_;
    // A change to the history waits for the write timer; a failed write is told once,
    // until one succeeds again.
    bool history_write_pending_ = false;
    bool history_write_failure_told_ = false;
    static constexpr UINT_PTR history_write_timer = 1;
    static constexpr UINT history_write_delay_ms = 500;
};

} // namespace pipetto
