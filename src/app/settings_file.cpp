// The config.ini half of Load and Save: each setting lives in the control that shows it,
// and these copy between the controls and the file.

#include <optional>

#include "app/main_form.h"
#include "colour/area_colour.h"
#include "colour/integer_conversion.h"
#include "contrast/contrast_form.h"
#include "framework/core/errors.h"
#include "framework/core/file_system.h"
#include "framework/core/ini_file.h"
#include "framework/win/application.h"
#include "framework/win/win_text.h"
#include "hotkeys/hotkey_entries.h"
#include "hotkeys/shortcut_text.h"

namespace pipetto {
namespace {

constexpr int default_left = 100;
constexpr int default_top = 100;
// The loupe's sample size, in its section.
constexpr std::string_view sample_size_key = "samplesize";

bool file_exists(const FilePath& path) {
    const std::optional<FileFacts> facts = file_facts(path);
    return facts && facts->is_regular_file;
}

// Reads the integers of config.ini. A value that is absent or no integer keeps its
// default; the first such value is reported once, after which Load goes on.
class IntegerReader {
  public:
    explicit IntegerReader(const IniFile& ini) : ini_(ini) {}

    std::optional<int> read(std::string_view section, std::string_view key) {
        const std::string text = win::ansi_to_utf8(ini_.read_string(section, key, ""));
        if (std::optional<int> value = try_str_to_int(text))
            return value;
        if (!reported_) {
            reported_ = true;
            win::Application::current().show_exception(EConvertError::invalid_integer(text));
        }
        return std::nullopt;
    }

  private:
    const IniFile& ini_;
    bool reported_ = false;
};

// A stored hotkey index names one of the entries, or it is ignored.
std::optional<int> hotkey_index(std::optional<int> stored) {
    if (stored && *stored >= 0 && *stored < static_cast<int>(hotkey_entry_count))
        return stored;
    return std::nullopt;
}

} // namespace

void TMainform::LoadSettings() {
    const FilePath path = config_path();
    const std::optional<FileFacts> facts = file_facts(path);
    settings_read_only_ = facts && facts->read_only;
    if (!facts || !facts->is_regular_file) {
        set_always_on_top(true);
        set_position(default_left, default_top);
        return;
    }
    IniFile ini;
    try {
        ini = IniFile::load(path);
    } catch (const EInOutError& error) {
        // An unreadable file keeps the defaults and is left alone at close.
        settings_unreadable_ = true;
        set_always_on_top(true);
        set_position(default_left, default_top);
        win::Application::current().show_exception(error);
        return;
    }

    IntegerReader integers(ini);
    const int left = integers.read("screen", "x").value_or(default_left);
    const int top = integers.read("screen", "y").value_or(default_top);
    set_position(left, top);
    // The monitor the place was stored on may be gone (unplugged, or a laptop off its dock):
    // a window that would show nowhere comes onto the nearest monitor instead.
    keep_on_a_monitor();

    const bool on_top = ini.read_string("screen", "stayontop", "") == "True";
    FrontCheckBox.set_checked(on_top);
    set_always_on_top(on_top);

    CursorCheckBox.set_checked(ini.read_string("loupe", "cursor", "") == "True");
    // Silently 1 for anything that is no size: an older Pipetto never wrote the key.
    ColorPicker.SetSampleSize(sample_size_from_text(ini.read_string("loupe", sample_size_key, "")));

    if (const std::optional<int> grab = hotkey_index(integers.read("hotkey", "grab"))) {
        GrabKey.set_item_index(*grab);
        GrabLabel.set_text("Start/Stop: " + GrabKey.selected_text());
    }
    if (const std::optional<int> loupe = hotkey_index(integers.read("hotkey", "loupe"))) {
        LoupeKey.set_item_index(*loupe);
        KeepLoupeKeyApart();
    }
}

void TMainform::SaveSettings() {
    if (settings_unreadable_ || settings_read_only_ || folder_refuses_new_files_)
        return;
    const FilePath path = config_path();
    const std::string shown_path = win::narrow(path.native());
    try {
        // Sections and keys written by others survive: the file is read again and only
        // our keys change.
        IniFile ini = file_exists(path) ? IniFile::load(path) : IniFile();
        ini.write_string("screen", "x", std::to_string(left()));
        ini.write_string("screen", "y", std::to_string(top()));
        ini.write_string("screen", "stayontop", FrontCheckBox.checked() ? "True" : "False");
        ini.write_string("loupe", "cursor", CursorCheckBox.checked() ? "True" : "False");
        // Only a size other than the pixel alone is stored, so the file of everyone who
        // never changes it stays as it was.
        if (ColorPicker.SampleSize() == 1)
            ini.delete_key("loupe", sample_size_key);
        else
            ini.write_string("loupe", sample_size_key, std::to_string(ColorPicker.SampleSize()));
        ini.write_string("hotkey", "grab", std::to_string(GrabKey.item_index()));
        ini.write_string("hotkey", "loupe", std::to_string(LoupeKey.item_index()));
        // A section of its own, after today's: an older Pipetto ignores it.
        if (ContrastForm)
            ContrastForm->SaveSettings(ini);
        ini.save(path);
    } catch (const EInOutError&) {
        throw Exception(cannot_write_message(shown_path));
    }
}

} // namespace pipetto
