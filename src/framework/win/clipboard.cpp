#include "framework/win/clipboard.h"

#include <cstring>
#include <new>
#include <string>

#include "framework/core/errors.h"
#include "framework/win/handles.h"
#include "framework/win/win_text.h"

namespace pipetto::win {
namespace {

// A clipboard manager that reads a new content holds the clipboard for a few
// milliseconds; a fifth of a second covers that without the click feeling stuck.
constexpr int open_attempts = 10;
constexpr DWORD wait_between_attempts_ms = 20;

[[noreturn]] void raise_clipboard_locked() {
    throw Exception(std::string(clipboard_locked_message));
}

// GlobalLock for one scope.
class LockedMemory {
  public:
    explicit LockedMemory(HGLOBAL memory) : memory_(memory), data_(GlobalLock(memory)) {
        if (!data_)
            throw std::bad_alloc();
    }
    LockedMemory(const LockedMemory&) = delete;
    LockedMemory& operator=(const LockedMemory&) = delete;
    ~LockedMemory() { GlobalUnlock(memory_); }
    void* data() const noexcept { return data_; }

  private:
    HGLOBAL memory_;
    void* data_;
};

// Hands the memory to the clipboard; the system owns it once the call succeeds.
void set_clipboard_data(UINT format, GlobalMemory& memory) {
    if (!SetClipboardData(format, memory.get()))
        raise_clipboard_locked();
    memory.release();
}

// A screen-compatible copy of the bitmap: the clipboard takes ownership of what it is
// given, and the image keeps its own.
Bitmap copy_of(HBITMAP source, const BITMAP& size) {
    WindowDC screen(nullptr);
    Bitmap copy(CreateCompatibleBitmap(screen.get(), size.bmWidth, size.bmHeight));
    if (!copy)
        throw std::bad_alloc();
    MemoryDC from(CreateCompatibleDC(screen.get()));
    MemoryDC to(CreateCompatibleDC(screen.get()));
    SelectedObject source_selected(from.get(), source);
    SelectedObject copy_selected(to.get(), copy.get());
    BitBlt(to.get(), 0, 0, size.bmWidth, size.bmHeight, from.get(), 0, 0, SRCCOPY);
    return copy;
}

// The picture as a packed 24-bit device-independent bitmap: header, then the rows
// bottom-up, each padded to four bytes.
GlobalMemory packed_dib_of(HBITMAP source, const BITMAP& size) {
    const LONG stride = (size.bmWidth * 3 + 3) & ~3;
    const SIZE_T pixel_bytes = static_cast<SIZE_T>(stride) * static_cast<SIZE_T>(size.bmHeight);
    GlobalMemory memory(sizeof(BITMAPINFOHEADER) + pixel_bytes);
    LockedMemory locked(memory.get());
    auto* header = static_cast<BITMAPINFOHEADER*>(locked.data());
    std::memset(header, 0, sizeof *header);
    header->biSize = sizeof *header;
    header->biWidth = size.bmWidth;
    header->biHeight = size.bmHeight;
    header->biPlanes = 1;
    header->biBitCount = 24;
    header->biCompression = BI_RGB;
    header->biSizeImage = static_cast<DWORD>(pixel_bytes);
    WindowDC screen(nullptr);
    GetDIBits(screen.get(), source, 0, static_cast<UINT>(size.bmHeight), header + 1,
              reinterpret_cast<BITMAPINFO*>(header), DIB_RGB_COLORS);
    return memory;
}

} // namespace

GlobalMemory::GlobalMemory(SIZE_T bytes) : memory_(GlobalAlloc(GMEM_MOVEABLE, bytes)) {
    if (!memory_)
        throw std::bad_alloc();
}

GlobalMemory::~GlobalMemory() {
    if (memory_)
        GlobalFree(memory_);
}

ClipboardSession::ClipboardSession(HWND owner) {
    for (int attempt = 1;; ++attempt) {
        if (OpenClipboard(owner))
            break;
        if (attempt == open_attempts)
            raise_clipboard_locked();
        Sleep(wait_between_attempts_ms);
    }
    if (!EmptyClipboard()) {
        CloseClipboard();
        raise_clipboard_locked();
    }
}

ClipboardSession::~ClipboardSession() {
    CloseClipboard();
}

void ClipboardSession::put_ansi_text(std::string_view ansi) {
    GlobalMemory memory(ansi.size() + 1);
    {
        LockedMemory locked(memory.get());
        auto* chars = static_cast<char*>(locked.data());
        std::memcpy(chars, ansi.data(), ansi.size());
        chars[ansi.size()] = '\0';
    }
    set_clipboard_data(CF_TEXT, memory);
}

void ClipboardSession::put_bitmap(HBITMAP bitmap) {
    BITMAP size{};
    if (!GetObjectW(bitmap, sizeof size, &size))
        return;
    GlobalMemory dib = packed_dib_of(bitmap, size);
    Bitmap copy = copy_of(bitmap, size);
    if (!SetClipboardData(CF_BITMAP, copy.get()))
        raise_clipboard_locked();
    copy.release();
    set_clipboard_data(CF_DIB, dib);
}

void copy_text_to_clipboard(HWND owner, std::string_view utf8) {
    // Converted before the clipboard is opened, so that it is held no longer than needed.
    const std::string ansi = utf8_to_ansi(utf8);
    ClipboardSession clipboard(owner);
    clipboard.put_ansi_text(ansi);
}

void copy_bitmap_to_clipboard(HWND owner, HBITMAP bitmap) {
    if (!bitmap)
        return;
    ClipboardSession clipboard(owner);
    clipboard.put_bitmap(bitmap);
}

} // namespace pipetto::win
