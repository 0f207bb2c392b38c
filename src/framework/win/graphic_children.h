#pragma once
// The graphic controls of one parent window (see graphic_control.h).

#include <windows.h>

#include <string>
#include <vector>

namespace pipetto::win {

class GraphicControl;

// The graphic controls of one parent window, in creation order: the parent paints them
// after itself and passes them its mouse.
class GraphicChildren {
  public:
    GraphicChildren() = default;
    GraphicChildren(const GraphicChildren&) = delete;
    GraphicChildren& operator=(const GraphicChildren&) = delete;
    ~GraphicChildren();

    void add(GraphicControl& child);
    void remove(GraphicControl& child) noexcept;
    bool empty() const noexcept { return children_.empty(); }

    // Paints the shown children that meet `update`; later ones over earlier ones.
    void paint(HDC dc, const RECT& update) const;
    // The accessible names of the children that have one (the links), joined by blanks.
    std::string accessible_names() const;
    // Clicks and the link cursor of the children on `parent`. True when handled.
    bool handle_mouse(HWND parent, UINT message, WPARAM wparam, LPARAM lparam, LRESULT& result);

  private:
    GraphicControl* child_at(POINT point) const;
    GraphicControl* clickable_at(POINT point) const;
    void hover(HWND parent, GraphicControl* child);
    std::vector<GraphicControl*> children_;
    GraphicControl* pressed_ = nullptr;
    GraphicControl* hovered_ = nullptr;
};

} // namespace pipetto::win
