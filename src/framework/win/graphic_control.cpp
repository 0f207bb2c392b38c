#include "framework/win/graphic_control.h"

#include <algorithm>
#include <utility>

#include "framework/win/win_text.h"

namespace pipetto::win {
namespace {

// Room for the texts the program sets again and again, so that changing one doesn't
// allocate.
constexpr size_t reserved_text = 128;

POINT point_of(LPARAM lparam) {
    return {static_cast<short>(LOWORD(lparam)), static_cast<short>(HIWORD(lparam))};
}

} // namespace

GraphicControl::~GraphicControl() {
    if (owner_)
        owner_->remove(*this);
    // Whatever the control covered shows the parent again.
    if (parent_ && IsWindow(parent_))
        invalidate();
}

void GraphicControl::create(HWND parent, std::string_view text, const Properties& properties,
                            UINT dpi) {
    parent_ = parent;
    shown_ = !properties.hidden;
    colour_ = properties.colour;
    font_colour_ = properties.font_colour;
    text_ = widen(text);
    text_.reserve(reserved_text);
    Control::apply_dpi(dpi);
    configure(properties);
    invalidate();
}

void GraphicControl::apply_dpi(UINT dpi) {
    invalidate();
    device_size_.reset();
    device_shift_up_ = 0;
    Control::apply_dpi(dpi);
    invalidate();
}

void GraphicControl::set_font(HFONT font) {
    Control::set_font(font);
    invalidate();
}

std::string GraphicControl::text() const {
    return narrow(text_);
}

int GraphicControl::read_text(wchar_t* buffer, int capacity) const {
    const int length = static_cast<int>(std::min(text_.size(), static_cast<size_t>(capacity - 1)));
    std::copy_n(text_.data(), length, buffer);
    buffer[length] = L'\0';
    return length;
}

void GraphicControl::write_text(const wchar_t* text, int length) {
    text_.assign(text, static_cast<size_t>(length));
    invalidate();
}

void GraphicControl::set_visible(bool visible) {
    if (shown_ == visible)
        return;
    shown_ = visible;
    invalidate();
}

bool GraphicControl::visible() const {
    return shown_ && IsWindowVisible(parent_);
}

void GraphicControl::set_device_size(SIZE size, int shift_left) {
    invalidate();
    device_size_ = size;
    device_shift_left_ = shift_left;
    invalidate();
}

void GraphicControl::set_device_shift_up(int pixels) {
    if (pixels == device_shift_up_)
        return;
    invalidate();
    device_shift_up_ = pixels;
    invalidate();
}

RECT GraphicControl::bounds_in_parent() const noexcept {
    const Bounds96& bounds = bounds96();
    const int left = scale(bounds.left), top = scale(bounds.top) - device_shift_up_;
    if (device_size_)
        return {left - device_shift_left_, top, left - device_shift_left_ + device_size_->cx,
                top + device_size_->cy};
    return {left, top, left + scale(bounds.width), top + scale(bounds.height)};
}

void GraphicControl::invalidate(bool erase) {
    // Not placed yet: a null window would mean the whole screen. A parent not on the
    // screen is painted whole when it shows.
    if (!parent_ || !IsWindowVisible(parent_))
        return;
    const RECT area = bounds_in_parent();
    InvalidateRect(parent_, &area, erase);
}

GraphicChildren::~GraphicChildren() {
    for (GraphicControl* child : children_)
        child->owner_ = nullptr;
}

void GraphicChildren::add(GraphicControl& child) {
    children_.push_back(&child);
    child.owner_ = this;
}

void GraphicChildren::remove(GraphicControl& child) noexcept {
    std::erase(children_, &child);
    if (pressed_ == &child)
        pressed_ = nullptr;
    if (hovered_ == &child)
        hovered_ = nullptr;
    child.owner_ = nullptr;
}

void GraphicChildren::paint(HDC dc, const RECT& update) const {
    for (GraphicControl* child : children_) {
        const RECT area = child->bounds_in_parent();
        RECT overlap;
        if (child->shown() && IntersectRect(&overlap, &area, &update)) {
            const int saved = SaveDC(dc);
            child->paint(dc);
            RestoreDC(dc, saved);
        }
    }
}

std::string GraphicChildren::accessible_names() const {
    std::string names;
    for (const GraphicControl* child : children_)
        if (const std::string name = child->accessible_name(); !name.empty() && child->shown())
            names += (names.empty() ? "" : " ") + name;
    return names;
}

GraphicControl* GraphicChildren::child_at(POINT point) const {
    // The last one painted is the one seen.
    for (auto child = children_.rbegin(); child != children_.rend(); ++child) {
        const RECT area = (*child)->bounds_in_parent();
        if ((*child)->shown() && PtInRect(&area, point))
            return *child;
    }
    return nullptr;
}

GraphicControl* GraphicChildren::clickable_at(POINT point) const {
    GraphicControl* child = child_at(point);
    return child && (child->clickable() || child->shows_link_cursor()) ? child : nullptr;
}

void GraphicChildren::hover(HWND parent, GraphicControl* child) {
    if (child == hovered_)
        return;
    if (GraphicControl* left = std::exchange(hovered_, child))
        left->mouse_leave();
    if (child) {
        // The parent hears when the mouse leaves it, which ends the hover too.
        TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, parent, 0};
        TrackMouseEvent(&track);
        child->mouse_enter();
    }
}

bool GraphicChildren::handle_mouse(HWND parent, UINT message, WPARAM wparam, LPARAM lparam,
                                   LRESULT& result) {
    if (children_.empty())
        return false;
    switch (message) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        // A click counts when the button goes down and up over the same control; the
        // capture sees the release even off the parent.
        pressed_ = clickable_at(point_of(lparam));
        if (!pressed_)
            return false;
        SetCapture(parent);
        result = 0;
        return true;
    case WM_LBUTTONUP: {
        if (!pressed_)
            return false;
        GraphicControl* pressed = pressed_;
        ReleaseCapture(); // WM_CAPTURECHANGED forgets pressed_
        pressed_ = nullptr;
        if (clickable_at(point_of(lparam)) == pressed)
            pressed->click();
        result = 0;
        return true;
    }
    case WM_CAPTURECHANGED:
        pressed_ = nullptr;
        return false;
    case WM_MOUSEMOVE:
        hover(parent, child_at(point_of(lparam)));
        return false;
    case WM_MOUSELEAVE:
        hover(parent, nullptr);
        return false;
    case WM_SETCURSOR: {
        if (reinterpret_cast<HWND>(wparam) != parent || LOWORD(lparam) != HTCLIENT)
            return false;
        POINT point;
        GetCursorPos(&point);
        ScreenToClient(parent, &point);
        const GraphicControl* under = clickable_at(point);
        if (!under || !under->shows_link_cursor())
            return false;
        SetCursor(LoadCursorW(nullptr, IDC_HAND));
        result = TRUE;
        return true;
    }
    default:
        return false;
    }
}

} // namespace pipetto::win
