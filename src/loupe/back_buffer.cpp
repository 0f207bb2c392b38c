#include "loupe/back_buffer.h"

namespace pipetto {

BackBuffer::~BackBuffer() {
    // A bitmap still selected into a DC can't be deleted.
    if (dc_ && original_bitmap_)
        SelectObject(dc_.get(), original_bitmap_);
}

HDC BackBuffer::canvas(HDC like, SIZE size) {
    if (dc_ && size.cx == size_.cx && size.cy == size_.cy)
        return dc_.get();
    if (!dc_)
        dc_.reset(CreateCompatibleDC(like));
    win::Bitmap bitmap(CreateCompatibleBitmap(like, size.cx, size.cy));
    const HGDIOBJ previous = SelectObject(dc_.get(), bitmap.get());
    if (!original_bitmap_)
        original_bitmap_ = previous;
    bitmap_ = std::move(bitmap); // the old one is no longer selected
    size_ = size;
    holds_picture_ = false;
    return dc_.get();
}

void BackBuffer::paint(HDC target) const {
    if (holds_picture_)
        BitBlt(target, 0, 0, size_.cx, size_.cy, dc_.get(), 0, 0, SRCCOPY);
}

} // namespace pipetto
