#pragma once
// A bitmap in memory that a window's picture is drawn into and painted from, so that the
// window can show its last picture again whenever it is repainted.

#include <windows.h>

#include "framework/win/handles.h"

namespace pipetto {

class BackBuffer {
  public:
    BackBuffer() = default;
    BackBuffer(const BackBuffer&) = delete;
    BackBuffer& operator=(const BackBuffer&) = delete;
    ~BackBuffer();

    // The canvas to draw a picture of `size` on, made like `like` (once per size).
    HDC canvas(HDC like, SIZE size);
    // Whether a picture was drawn; until then there is nothing to paint.
    bool holds_picture() const noexcept { return holds_picture_; }
    void mark_drawn() noexcept { holds_picture_ = true; }
    // Paints the picture onto `target` at its top left.
    void paint(HDC target) const;

  private:
    win::MemoryDC dc_;
    win::Bitmap bitmap_;
    HGDIOBJ original_bitmap_ = nullptr;
    SIZE size_{};
    bool holds_picture_ = false;
};

} // namespace pipetto
