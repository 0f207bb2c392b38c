#pragma once
#include <functional>
#include <vector>

#include "framework/win/control.h"

namespace pipetto::win {

class TabSheet;

// A tab control whose pages are sheets laid over its display area; tabs at the bottom,
// highlighted under the mouse. Only the active page's sheet is visible; a sheet whose
// controls are built later gets them just before it first shows.
class PageControl : public Control {
  public:
    void add_page(TabSheet& sheet, std::string_view caption);
    int page_count() const noexcept { return static_cast<int>(sheets_.size()); }
    int active_page_index() const;
    TabSheet& active_page() const;
    void set_active_page(const TabSheet& sheet);
    void set_active_page_index(int index);
    // The user's switch to the next page (step 1) or the one before (-1), round the ends,
    // as a click on its tab: the change event follows.
    void step_page(int step);
    void apply_dpi(UINT dpi) override;

  protected:
    WindowKind window_kind(const Properties& properties) const override;
    bool handle_notification(UINT message, WPARAM wparam, LPARAM lparam, LRESULT& result) override;

  private:
    friend class TabSheet;
    // The client area less the tabs, where every sheet lies.
    static RECT display_area(HWND page_control);
    void place_sheets();
    void show_active_sheet();
    std::vector<TabSheet*> sheets_;
};

// One page of a page control: a surface in the face colour that holds the page's controls.
class TabSheet : public Control {
  public:
    // The page's controls are built by `build` when the page first shows: a page that is
    // not shown at start-up would only delay the window.
    void build_when_shown(std::function<void()> build) { pending_build_ = std::move(build); }
    // Builds the page's controls now, unless they are built already.
    void build_contents();
    bool contents_built() const noexcept { return !pending_build_; }

  protected:
    WindowKind window_kind(const Properties& properties) const override;
    bool intercept(UINT message, WPARAM wparam, LPARAM lparam, LRESULT& result) override;
    // The page control lays it over its display area, at every DPI, and shows it when
    // its page is the active one.
    bool placed_by_parent() const override { return true; }
    RECT place_in_parent(HWND page_control) const override;

  private:
    std::function<void()> pending_build_;
};

} // namespace pipetto::win
