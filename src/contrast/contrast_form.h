#pragma once
// The contrast window: a small tool window that judges text in the colour chosen on the
// History page against a background, by default the live colour under the cursor, as the
// web's accessibility guidelines do. Opened from the history list's popup menu; its place
// and whether it was open last from one run to the next (config.ini, section "contrast").
// Its controls are the fields below, built from the table in contrast_form_layout.cpp.

#include <optional>
#include <utility>

#include "colour/colour_value.h"
#include "colour/contrast.h"
#include "controls/glyph_button.h"
#include "framework/core/ini_file.h"
#include "framework/core/monitor_placement.h"
#include "framework/win/controls/bevel.h"
#include "framework/win/controls/check_box.h"
#include "framework/win/controls/label.h"
#include "framework/win/form.h"

namespace pipetto {

class TMainform;

class TContrastForm : public win::Form {
  public:
    // Reads its section of the main window's config.ini; "Contrast..." in the history list's
    // popup menu opens it.
    explicit TContrastForm(TMainform& main_form);
    ~TContrastForm() override;

    // Shows the window where it was last, or beside the main window the first time.
    void Open();
    // It was open when the program last closed: start-up opens it again.
    bool open_at_start() const noexcept { return open_at_start_; }
    // Writes its place and whether it is open into `ini`, in its own section.
    void SaveSettings(IniFile& ini) const;

    // A row chosen on the History page: its colour is the text colour.
    void TextChosen(TColor colour);
    // A new colour under the cursor from the grab cycle: the background, unless a kept
    // colour is.
    void ColourGrabbed(TColor colour);

    void KeptBackgroundClick();
    void SwapBtnClick();
    void CopyBtnClick();

    TColor text_colour() const noexcept { return text_; }
    TColor background_colour() const noexcept { return background_; }
    const ContrastVerdict& verdict() const noexcept { return verdict_; }

    // The swatches, values and samples are painted by the window itself: a new colour
    // repaints that one window, ten times a second at most.
    win::Label TextLabel, TextValue, BackLabel, BackValue;
    win::Bevel TextSwatchFrame, BackSwatchFrame;
    win::Label TextSwatch, BackSwatch;
    TGlyphButton SwapBtn;
    win::CheckBox KeptBackground;
    win::Bevel SampleFrame;
    win::Label SampleBox, NormalSample, LargeSample;
    win::Label RatioLabel;
    TGlyphButton CopyBtn;
    win::Label AaLabel, AaaLabel, LargeAaLabel, LargeAaaLabel, UiLabel;

  protected:
    // The close box hides it; "Contrast..." shows it again.
    bool on_close() override;

  private:
    void build_window();
    void PlaceBesideMainWindow();
    // Shows the colours and the verdict, unless they are the ones shown already.
    void Refresh();
    void ShowVerdictItem(win::Label& label, const char* name, bool passes);

    TMainform& main_form_;
    TColor text_ = 0;
    TColor background_ = 0xFFFFFF;
    ContrastVerdict verdict_;
    // What the controls show, so that an unchanged colour repaints nothing.
    std::optional<std::pair<TColor, TColor>> shown_;
    std::optional<ScreenPoint> stored_place_;
    bool open_at_start_ = false;
    // config.ini has a section of this window's.
    bool section_stored_ = false;
    // Set while the kept background is set from code, so the box's click leaves it alone.
    bool setting_kept_ = false;
};

} // namespace pipetto
