#pragma once
#include "framework/win/graphic_control.h"

namespace pipetto::win {

// Shows a bitmap it owns, stretched to the control and painted by its parent. The bitmap
// is made on first use, of a given size, and then painted over in place.
class Image : public GraphicControl {
  public:
    bool has_bitmap() const noexcept { return static_cast<bool>(bitmap_); }
    HBITMAP bitmap() const noexcept { return bitmap_.get(); }
    SIZE bitmap_size() const noexcept { return size_; }
    // Fills the whole bitmap with one colour, making a bitmap of `size` first if none exists.
    void fill(COLORREF colour, SIZE size);

    void paint(HDC dc) override;

  private:
    Bitmap bitmap_;
    SIZE size_{};
};

} // namespace pipetto::win
