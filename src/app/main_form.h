#pragma once
// The main window: a small tool window with the pages Grab, History, Settings and About.
// Its controls are the fields below, built from the table in main_form_layout.cpp.

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

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
#include "framework/win/handles.h"
#include "grab/color_picker.h"
#include "history/history_file.h"
#include "history/history_table.h"

namespace pipetto {

class TMainform : public win::Form {
  public:
    // Builds the window from its description and runs FormCreate. config.ini and
    // history.dat are read from, and written to, `settings_directory`.
    explicit TMainform(std::filesystem::path settings_directory, bool is_main_window = true);
    ~TMainform() override;

    std::filesystem::path config_path() const { return settings_directory_ / L"config.ini"; }
    std::filesystem::path history_path() const { return settings_directory_ / L"history.dat"; }

    // Lifecycle.
    void FormCreate();
    bool FormClose();
    void FormDestroy();
    void Load();
    void Save();

    // Settings page.
    void FrontCheckBoxClick();
    void GrabKeyChange();
    void LoupeKeyChange();

    // Grab page.
    void ColorPickerIdle();
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
    void Lschen1Click();
    void Alleentfernen1Click();

    // Page control and pages.
    win::PageControl PageControl;
    win::TabSheet GrabSheet, HistorySheet, AboutSheet, Adssheet;

    // Grab page.
    win::PushButton LoupeBtn;
    win::Label GrabLabel;
    win::GroupBox CursorLabel;
    win::Panel ColorPanel, Panel1;
    win::Label colorToolsUrl;
    win::Label Label1, Label2, Label3, Label4, Label5, Label12;
    win::Edit HtmlColor, RGBColor, HexColor, LongColor, IdentColor;
    win::PushButton HtmlCopyBtn, RgbCopyBtn, HexCopyBtn, LongCopyBtn, IdentCopyBtn, PixelCopyBtn;
    win::Bevel PixelImageBevel;
    win::Image PixelImage, PixelImage2;

    // History page.
    win::Bevel Bevel1;
    win::ListView HistoryList;
    win::GroupBox GroupBox3, GroupBox1;
    win::Edit ItemName;
    win::Label Label7, Label8, Label9, Label10, Label11, Label13;
    win::PushButton HexCopyBtn2, HtmlCopyBtn2, LongCopyBtn2, RgbCopyBtn2, IdentCopyBtn2,
        PixelCopyBtn2;
    win::PopupMenu HistoryPopup;

    // Settings page.
    win::GroupBox GroupBox5;
    win::CheckBox FrontCheckBox, CursorCheckBox;
    win::Label Label14, Label15;
    win::ComboBox GrabKey, LoupeKey;

    // The kept colours: row k of HistoryList is slot k+1.
    ::pipetto::HistoryTable HistoryTable;
    // The colour and position of the history row last clicked.
    TColor SelectedColor = 0;
    int SelectedIndex = 0;

    // About page.
    win::GroupBox GroupBox4;
    win::Label LabelFill1, LabelFill3, LabelFill4, LabelFill5;
    win::Label quarnelUrl, zolvaUrl;

    // Samples the screen ten times a second while grabbing is on; each tick runs
    // ColorPickerIdle. Declared after the controls it writes, so it goes before them.
    TColorPicker ColorPicker;

  protected:
    bool on_close() override { return FormClose(); }
    void on_destroy() override { FormDestroy(); }

  private:
    void build();
    void LoadSettings();
    void SaveSettings();
    void LoadHistory();
    void SaveHistory();
    void fill_history_list();
    // History copies: false, after telling the user, when there is no colour to copy.
    bool history_colour_ready();
    void copy_history_text(std::string_view text);

    std::filesystem::path settings_directory_;
    // config.ini could not be read at start-up: it is never written over at close.
    bool settings_unreadable_ = false;
    HistoryFile history_file_;
    win::HookHandle mouse_filter_;
    // The colour text of the row last clicked, when it was no colour.
    std::optional<std::string> unreadable_selected_colour_;
    // Told that the history is full; cleared once a deletion makes room again.
    bool history_full_reported_ = false;
};

} // namespace pipetto
