#pragma once
#include <windows.h>

#include <commctrl.h>

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "framework/win/control.h"

namespace pipetto::win {

class PopupMenu;

// The colours one cell of a report list is about to be drawn in; a handler may change them.
struct SubItemDraw {
    int row;
    int sub_item;
    COLORREF text_colour;
    COLORREF back_colour;
    // The cell is one solid block of back_colour, the same whether its row is highlighted,
    // focused or not (a swatch): neither its text nor the selection is drawn over it.
    bool solid = false;
};

// A report-style list of rows, each with a caption and one sub-item, at most one selected.
// The rows' texts live here and the list view asks for them as it draws (a virtual list):
// filling it with thousands of rows costs one message, not two per row. The rows and
// columns are held before the window exists, too, and it shows them once created.
class ListView : public Control {
  public:
    struct Column {
        std::string_view caption;
        int width96;
    };
    void add_column(const Column& column);

    int row_count() const noexcept { return static_cast<int>(rows_.size()); }
    // Appends a row; returns its position.
    int add_row(std::string_view caption, std::string_view sub_item);
    void delete_row(int row);
    void clear();
    std::string caption(int row) const;
    void set_caption(int row, std::string_view caption);
    std::string sub_item(int row, int sub_item = 1) const;
    int selected_row() const; // -1 for none
    // The program's own choice of a row: unlike the user's, it raises no select event.
    void select_row(int row);

    // Rows added between these two reach the list view at once, at the end.
    void begin_update();
    void end_update();

    void set_popup_menu(PopupMenu* menu) noexcept { popup_menu_ = menu; }
    // Opens the popup menu below the highlighted row, or at the list's top left without one.
    void popup_at_selected_row();
    std::function<void(SubItemDraw&)> on_custom_draw_sub_item;
    // The user highlighted a row: by a click, a right click or the keys.
    std::function<void()> on_select;
    // Ctrl+C in the list.
    std::function<void()> on_copy;

    // Ctrl+C, and Shift+F10 or the Menu key for the popup menu.
    bool command_key(const MSG& message) override;

    void apply_dpi(UINT dpi) override;

  protected:
    WindowKind window_kind(const Properties& properties) const override;
    void configure(const Properties& properties) override;
    bool handle_notification(UINT message, WPARAM wparam, LPARAM lparam, LRESULT& result) override;

  private:
    struct Row {
        std::wstring caption;
        std::wstring sub_item;
    };
    void insert_column(int index);
    void announce_row_count();
    void serve_text(NMLVDISPINFOW& request) const;
    LRESULT custom_draw(NMLVCUSTOMDRAW& draw);
    static void fill_solid(HDC dc, const RECT& area, COLORREF colour);

    std::vector<Row> rows_;
    std::vector<std::wstring> column_captions_;
    std::vector<int> column_widths96_;
    PopupMenu* popup_menu_ = nullptr;
    bool updating_ = false;
    bool selecting_from_code_ = false;
};

} // namespace pipetto::win
