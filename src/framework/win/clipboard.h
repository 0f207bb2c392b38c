#pragma once
// The system clipboard: one text or one picture per copy, replacing whatever was there.
// Another program may hold the clipboard open for a moment (clipboard managers read each
// new content as it arrives), so opening it tries a few times before giving up.

#include <windows.h>

#include <string_view>
#include <utility>

namespace pipetto::win {

// The message of the error raised when the clipboard stays locked.
inline constexpr std::string_view clipboard_locked_message =
    "Zwischenablage kann nicht geöffnet werden";

// Memory taken with GlobalAlloc, freed unless handed to the system with release().
class GlobalMemory {
  public:
    explicit GlobalMemory(SIZE_T bytes);
    GlobalMemory(const GlobalMemory&) = delete;
    GlobalMemory& operator=(const GlobalMemory&) = delete;
    GlobalMemory(GlobalMemory&& other) noexcept : memory_(std::exchange(other.memory_, nullptr)) {}
    GlobalMemory& operator=(GlobalMemory&&) = delete;
    ~GlobalMemory();

    HGLOBAL get() const noexcept { return memory_; }
    HGLOBAL release() noexcept { return std::exchange(memory_, nullptr); }

  private:
    HGLOBAL memory_;
};

// The clipboard, open for one copy and closed again when the session ends. Opening
// empties it, so every copy replaces the whole content.
class ClipboardSession {
  public:
    // Raises pipetto::Exception with clipboard_locked_message when the clipboard is still
    // held by someone else after the retries; the clipboard is then left as it was.
    explicit ClipboardSession(HWND owner);
    ClipboardSession(const ClipboardSession&) = delete;
    ClipboardSession& operator=(const ClipboardSession&) = delete;
    ~ClipboardSession();

    // The bytes as plain text (CF_TEXT) with a terminating zero.
    void put_ansi_text(std::string_view ansi);
    // A copy of the bitmap as CF_BITMAP, and the same picture as a device-independent
    // bitmap (CF_DIB), which today's graphics programs paste.
    void put_bitmap(HBITMAP bitmap);
};

// Program text (UTF-8) on the clipboard as plain text in the system's ANSI code page.
void copy_text_to_clipboard(HWND owner, std::string_view utf8);
void copy_bitmap_to_clipboard(HWND owner, HBITMAP bitmap);

} // namespace pipetto::win
