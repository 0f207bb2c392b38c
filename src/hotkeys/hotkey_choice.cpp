// The user's choice of the grab and loupe hotkeys on the Settings page, and what the grab
// hotkey does when it is pressed.

#include <string>

#include "app/main_form.h"
#include "app/web_addresses.h"
#include "framework/win/application.h"
#include "hotkeys/shortcut_text.h"
#include "loupe/loupe_form.h"

namespace pipetto {
namespace {

constexpr TShortCut ctrl_s = 16467;

// The two lists never name the same combination: a choice that meets the other list's
// moves to the entry before it, or after it from the first. Code moving the selection
// raises no change event.
void keep_apart(win::ComboBox& chosen, const win::ComboBox& other) {
    if (chosen.selected_text() != other.selected_text())
        return;
    const int index = chosen.item_index();
    chosen.set_item_index(index > 0 ? index - 1 : 1);
}

std::string without_hashes(std::string text) {
    std::erase(text, '#');
    return text;
}

} // namespace

void TMainform::build_grab_hotkey() {
    GlobalHotKey.OnKeyDown = [this](TGlobalHotKey& sender, std::uint16_t& key, TShiftState shift) {
        GlobalHotKeyKeyDown(sender, key, shift);
    };
    GlobalHotKey.SetHotKey(ctrl_s);
}

void TMainform::ApplyGrabHotKey() {
    GlobalHotKey.SetHotKey(ItemTextToShortCut(GrabKey.selected_text()));
    // Told once the window is on the screen, so the message has something to stand over.
    if (!GlobalHotKey.Registered())
        PostMessageW(hwnd(), grab_hotkey_unavailable_message, 0, 0);
}

void TMainform::GrabKeyChange() {
    keep_apart(GrabKey, LoupeKey);
    const std::string entry = GrabKey.selected_text();
    const TShortCut wanted = ItemTextToShortCut(entry);
    // Until it is first opened the loupe holds Ctrl+A from its start-up, whatever LoupeKey
    // says; grabbing may have that combination once the loupe takes its own.
    if (LoupeForm && LoupeForm->GlobalHotKey.HotKey() == wanted)
        LoupeForm->UseHotKeyEntry(LoupeKey.selected_text());
    GlobalHotKey.SetHotKey(wanted);
    GrabLabel.set_text("Start/Stop: " + entry);
    if (!GlobalHotKey.Registered())
        tell_hotkey_unavailable(entry);
}

void TMainform::LoupeKeyChange() {
    keep_apart(LoupeKey, GrabKey);
    if (!LoupeForm)
        return;
    const std::string entry = LoupeKey.selected_text();
    LoupeForm->UseHotKeyEntry(entry);
    if (!LoupeForm->GlobalHotKey.Registered()) {
        tell_hotkey_unavailable(entry);
        loupe_hotkey_told_ = entry;
    }
}

// config.ini may hold a pair the Settings page never lets the user make (edited by hand,
// or written by another copy): read through the page's own rule, the loupe gets the entry
// next to the grab hotkey's, instead of a combination that Pipetto itself holds.
void TMainform::KeepLoupeKeyApart() {
    keep_apart(LoupeKey, GrabKey);
}

void TMainform::GlobalHotKeyKeyDown(TGlobalHotKey&, std::uint16_t&, TShiftState) {
    ColorPicker.SetEnabled(!ColorPicker.Enabled());
    if (ColorPicker.Enabled())
        return;
    // The link points at the colour just kept; a colour kept before leaves it as it was.
    if (AddToHistory())
        colorToolsUrl.Url =
            std::string(color_tools_address) + "?color=" + without_hashes(HtmlColor.text());
}

void TMainform::tell_hotkey_unavailable(std::string_view entry_text) {
    std::string message = "The hotkey ";
    message.append(entry_text)
        .append(" is used by another program. Please choose another one on the Settings page.");
    win::Application::current().show_error(message);
}

} // namespace pipetto
