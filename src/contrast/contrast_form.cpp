#include "contrast/contrast_form.h"

#include <string>
#include <utility>

#include "app/main_form.h"
#include "colour/integer_conversion.h"
#include "framework/core/errors.h"
#include "framework/core/file_system.h"
#include "framework/win/clipboard.h"
#include "framework/win/win_text.h"

namespace pipetto {
namespace {

constexpr std::string_view section = "contrast";
// Right of the main window, this far from it.
constexpr int gap = 5;
// What the loupe takes beside the main window (loupe/loupe_placement.h).
constexpr int loupe_room = 140;

std::optional<int> stored_integer(const IniFile& ini, std::string_view key) {
    return try_str_to_int(win::ansi_to_utf8(ini.read_string(section, key, "")));
}

} // namespace

TContrastForm::TContrastForm(TMainform& main_form)
    : main_form_(main_form), text_(colour_to_rgb(main_form.SelectedColor)) {
    main_form_.ContrastForm = this;
    // Like the import/export dialog, though it is no dialog.
    closes_on_escape = true;
    // Ctrl+C copies the verdict, as the copy button does.
    on_copy = [this] { CopyBtnClick(); };
    // The main window reported a config.ini it can't read already; a section that is
    // missing or malformed just opens the window beside the main window.
    const FilePath path = main_form_.config_path();
    const std::optional<FileFacts> facts = file_facts(path);
    if (!facts || !facts->is_regular_file)
        return;
    try {
        const IniFile ini = IniFile::load(path);
        const std::optional<int> x = stored_integer(ini, "x");
        const std::optional<int> y = stored_integer(ini, "y");
        if (x && y)
            stored_place_ = ScreenPoint{*x, *y};
        const std::string open = ini.read_string(section, "open", "?");
        open_at_start_ = open == "True";
        section_stored_ = stored_place_ || open != "?";
    } catch (const EInOutError&) {
    }
}

TContrastForm::~TContrastForm() {
    if (main_form_.ContrastForm == this)
        main_form_.ContrastForm = nullptr;
}

void TContrastForm::Open() {
    const bool first = !hwnd();
    build_window();
    if (first) {
        if (stored_place_) {
            set_position(stored_place_->x, stored_place_->y);
            // The monitor it was on may be gone.
            keep_on_a_monitor();
        } else {
            PlaceBesideMainWindow();
        }
    }
    set_always_on_top(main_form_.always_on_top());
    if (!KeptBackground.checked())
        if (const std::optional<TColor> live = main_form_.ColorPanel.colour())
            background_ = colour_to_rgb(*live);
    Refresh();
    show();
}

void TContrastForm::PlaceBesideMainWindow() {
    const ScreenRect main = main_form_.outer_rect();
    const ScreenRect own = outer_rect();
    const int width = own.right - own.left, height = own.bottom - own.top;
    const std::optional<ScreenRect> area = main_form_.monitor_work_area();
    const auto fits = [&](int left) {
        return !area || (left >= area->left && left + width <= area->right);
    };
    // The loupe opens on the main window's left, or on its right when there is no room
    // there: the contrast window then opens beyond the loupe.
    int left = main.right + gap + (main.left > loupe_room ? 0 : loupe_room);
    if (!fits(left) && fits(main.left - gap - width))
        left = main.left - gap - width;
    set_position(left, main.top);
    if (area && !(left >= area->left && left + width <= area->right && main.top >= area->top &&
                  main.top + height <= area->bottom))
        move_inside(*area);
}

void TContrastForm::SaveSettings(IniFile& ini) const {
    // A window never opened, and never before, leaves a file as an older Pipetto wrote it.
    if (!hwnd() && !section_stored_)
        return;
    std::optional<ScreenPoint> place = stored_place_;
    if (hwnd())
        place = ScreenPoint{left(), top()};
    if (place) {
        ini.write_string(section, "x", std::to_string(place->x));
        ini.write_string(section, "y", std::to_string(place->y));
    }
    ini.write_string(section, "open", hwnd() && visible() ? "True" : "False");
}

void TContrastForm::TextChosen(TColor colour) {
    text_ = colour_to_rgb(colour);
    if (hwnd() && visible())
        Refresh();
}

void TContrastForm::ColourGrabbed(TColor colour) {
    if (KeptBackground.checked() || !hwnd() || !visible())
        return;
    background_ = colour_to_rgb(colour);
    Refresh();
}

void TContrastForm::KeptBackgroundClick() {
    if (setting_kept_)
        return;
    if (KeptBackground.checked())
        background_ = colour_to_rgb(main_form_.SelectedColor);
    else if (const std::optional<TColor> live = main_form_.ColorPanel.colour())
        background_ = colour_to_rgb(*live);
    Refresh();
}

void TContrastForm::SwapBtnClick() {
    std::swap(text_, background_);
    // The old text colour is a kept colour: the background no longer follows the cursor.
    setting_kept_ = true;
    KeptBackground.set_checked(true);
    setting_kept_ = false;
    Refresh();
}

void TContrastForm::CopyBtnClick() {
    win::copy_text_to_clipboard(hwnd(), verdict_line(text_, background_));
}

bool TContrastForm::on_close() {
    hide();
    return false;
}

void TContrastForm::Refresh() {
    const std::pair<TColor, TColor> colours{text_, background_};
    if (shown_ == colours)
        return;
    const bool text_changed = !shown_ || shown_->first != text_;
    shown_ = colours;
    // A new background alone changes three or four controls: one repaint request for all.
    const win::GatheredRepaints one_request(graphic_children(), hwnd());
    verdict_ = judge_contrast(text_, background_);
    TextSwatch.set_colour(text_);
    BackSwatch.set_colour(background_);
    TextValue.set_text(html_form(text_).view());
    BackValue.set_text(html_form(background_).view());
    SampleBox.set_colour(background_);
    if (text_changed)
        for (win::Label* sample : {&NormalSample, &LargeSample})
            sample->set_font_colour(text_);
    RatioLabel.set_text(ratio_text(verdict_.hundredths));
    ShowVerdictItem(AaLabel, "AA", verdict_.aa);
    ShowVerdictItem(AaaLabel, "AAA", verdict_.aaa);
    ShowVerdictItem(LargeAaLabel, "Large AA", verdict_.large_aa);
    ShowVerdictItem(LargeAaaLabel, "Large AAA", verdict_.large_aaa);
    ShowVerdictItem(UiLabel, "UI", verdict_.ui);
}

void TContrastForm::ShowVerdictItem(win::Label& label, const char* name, bool passes) {
    const std::string text = std::string(name) + (passes ? ": pass" : ": fail");
    if (label.text() == text)
        return;
    label.set_font_colour(passes ? clGreen : clRed);
    label.set_text(text);
}

} // namespace pipetto
