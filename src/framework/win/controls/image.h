#pragma once
#include "framework/win/control.h"

namespace pipetto::win {

// Shows a bitmap it owns, stretched to the control. The bitmap is made on first use,
// of a given size, and then painted over in place.
class Image : public Control {
  public:
    bool has_bitmap() const noexcept { return static_cast<bool>(bitmap_); }
    HBITMAP bitmap() const noexcept { return bitmap_.get(); }
    SIZE bitmap_size() const noexcept { return size_; }
    // Fills the whole bitmap with one colour, making a bitmap of `size` first if none exists.
    void fill(COLORREF colour, SIZE size);

  protected:
    WindowKind window_kind(const Properties& properties) const override;
    bool intercept(UINT message, WPARAM wparam, LPARAM lparam, LRESULT& result) override;

  private:
    Bitmap bitmap_;
    SIZE size_{};
};

} // namespace pipetto::win
