#include "framework/win/controls/list_view.h"

#include <algorithm>

#include "framework/win/controls/popup_menu.h"
#include "framework/win/win_text.h"

namespace pipetto::win {

Control::WindowKind ListView::window_kind(const Properties&) const {
    return {WC_LISTVIEWW, LVS_REPORT | LVS_OWNERDATA | LVS_SINGLESEL | LVS_SHOWSELALWAYS |
                              LVS_NOSORTHEADER | WS_TABSTOP};
}

void ListView::configure(const Properties& properties) {
    ListView_SetExtendedListViewStyle(hwnd(), LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT);
    if (properties.colour) {
        ListView_SetBkColor(hwnd(), to_colorref(*properties.colour));
        ListView_SetTextBkColor(hwnd(), to_colorref(*properties.colour));
    }
    for (size_t i = 0; i < column_widths96_.size(); ++i)
        insert_column(static_cast<int>(i));
    if (!rows_.empty())
        announce_row_count();
}

void ListView::add_column(const Column& column) {
    column_captions_.push_back(widen(column.caption));
    column_widths96_.push_back(column.width96);
    if (hwnd())
        insert_column(static_cast<int>(column_widths96_.size()) - 1);
}

void ListView::insert_column(int index) {
    LVCOLUMNW description{};
    description.mask = LVCF_TEXT | LVCF_WIDTH;
    description.pszText = column_captions_[static_cast<size_t>(index)].data();
    description.cx = scale(column_widths96_[static_cast<size_t>(index)]);
    ListView_InsertColumn(hwnd(), index, &description);
}

void ListView::apply_dpi(UINT dpi) {
    Control::apply_dpi(dpi);
    for (size_t i = 0; i < column_widths96_.size(); ++i)
        ListView_SetColumnWidth(hwnd(), static_cast<int>(i), scale(column_widths96_[i]));
}

int ListView::add_row(std::string_view caption, std::string_view sub_item) {
    rows_.push_back({widen(caption), widen(sub_item)});
    if (!updating_)
        announce_row_count();
    return row_count() - 1;
}

void ListView::delete_row(int row) {
    if (row < 0 || row >= row_count())
        return;
    rows_.erase(rows_.begin() + row);
    // The list view moves the selection of the rows behind it up by one.
    if (hwnd())
        ListView_DeleteItem(hwnd(), row);
}

void ListView::clear() {
    rows_.clear();
    if (hwnd())
        ListView_DeleteAllItems(hwnd());
}

std::string ListView::sub_item(int row, int sub_item) const {
    if (row < 0 || row >= row_count())
        return {};
    const Row& found = rows_[static_cast<size_t>(row)];
    return narrow(sub_item == 0 ? found.caption : found.sub_item);
}

std::string ListView::caption(int row) const {
    return sub_item(row, 0);
}

void ListView::set_caption(int row, std::string_view caption) {
    if (row < 0 || row >= row_count())
        return;
    rows_[static_cast<size_t>(row)].caption = widen(caption);
    if (hwnd())
        ListView_RedrawItems(hwnd(), row, row);
}

// Nothing is selected in a list that isn't shown yet.
int ListView::selected_row() const {
    return hwnd() ? ListView_GetNextItem(hwnd(), -1, LVNI_SELECTED) : -1;
}

void ListView::select_row(int row) {
    if (!hwnd())
        return;
    selecting_from_code_ = true;
    ListView_SetItemState(hwnd(), -1, 0, LVIS_SELECTED | LVIS_FOCUSED);
    if (row >= 0)
        ListView_SetItemState(hwnd(), row, LVIS_SELECTED | LVIS_FOCUSED,
                              LVIS_SELECTED | LVIS_FOCUSED);
    selecting_from_code_ = false;
}

void ListView::popup_at_selected_row() {
    if (!popup_menu_ || !hwnd())
        return;
    POINT at{0, 0};
    if (const int row = selected_row(); row >= 0) {
        ListView_EnsureVisible(hwnd(), row, FALSE);
        RECT cell;
        if (ListView_GetItemRect(hwnd(), row, &cell, LVIR_LABEL))
            at = {cell.left, cell.bottom};
    }
    ClientToScreen(hwnd(), &at);
    popup_menu_->popup(hwnd(), at);
}

bool ListView::command_key(const MSG& message) {
    const UINT key = static_cast<UINT>(message.wParam);
    const bool shift = GetKeyState(VK_SHIFT) < 0;
    const bool control = GetKeyState(VK_CONTROL) < 0;
    const bool alt = GetKeyState(VK_MENU) < 0;
    const bool menu_key = key == VK_APPS || (key == VK_F10 && shift && !control);
    switch (message.message) {
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
        if (menu_key && popup_menu_) {
            popup_at_selected_row();
            return true;
        }
        if (message.message == WM_KEYDOWN && key == 'C' && control && !shift && !alt && on_copy) {
            on_copy();
            return true;
        }
        return false;
    case WM_KEYUP:
    case WM_SYSKEYUP:
        // The system would raise a context menu of its own when the key comes up.
        return menu_key && popup_menu_;
    default:
        return false;
    }
}

void ListView::begin_update() {
    updating_ = true;
}

void ListView::end_update() {
    updating_ = false;
    announce_row_count();
}

void ListView::announce_row_count() {
    if (hwnd())
        ListView_SetItemCountEx(hwnd(), row_count(), LVSICF_NOSCROLL);
}

void ListView::serve_text(NMLVDISPINFOW& request) const {
    LVITEMW& item = request.item;
    if (!(item.mask & LVIF_TEXT) || item.iItem < 0 || item.iItem >= row_count() ||
        item.cchTextMax <= 0)
        return;
    const Row& row = rows_[static_cast<size_t>(item.iItem)];
    const std::wstring& text = item.iSubItem == 0 ? row.caption : row.sub_item;
    const size_t length = std::min(text.size(), static_cast<size_t>(item.cchTextMax - 1));
    std::copy_n(text.data(), length, item.pszText);
    item.pszText[length] = L'\0';
}

bool ListView::handle_notification(UINT message, WPARAM wparam, LPARAM lparam, LRESULT& result) {
    if (message != WM_NOTIFY)
        return Control::handle_notification(message, wparam, lparam, result);
    auto* header = reinterpret_cast<NMHDR*>(lparam);
    switch (header->code) {
    case LVN_GETDISPINFOW:
        serve_text(*reinterpret_cast<NMLVDISPINFOW*>(lparam));
        result = 0;
        return true;
    case NM_CLICK:
        fire(on_click);
        result = 0;
        return true;
    case LVN_ITEMCHANGED: {
        const auto& change = *reinterpret_cast<NMLISTVIEW*>(lparam);
        if (!selecting_from_code_ && change.iItem >= 0 && (change.uChanged & LVIF_STATE) &&
            (change.uNewState & LVIS_SELECTED) && !(change.uOldState & LVIS_SELECTED))
            fire(on_select);
        result = 0;
        return true;
    }
    case NM_RCLICK:
        if (popup_menu_) {
            POINT at;
            GetCursorPos(&at);
            popup_menu_->popup(hwnd(), at);
        }
        result = 0;
        return true;
    case NM_CUSTOMDRAW:
        result = custom_draw(*reinterpret_cast<NMLVCUSTOMDRAW*>(lparam));
        return true;
    default:
        return false;
    }
}

void ListView::fill_solid(HDC dc, const RECT& area, COLORREF colour) {
    Brush fill(CreateSolidBrush(colour));
    FillRect(dc, &area, fill.get());
}

LRESULT ListView::custom_draw(NMLVCUSTOMDRAW& draw) {
    if (!on_custom_draw_sub_item)
        return CDRF_DODEFAULT;
    switch (draw.nmcd.dwDrawStage) {
    case CDDS_PREPAINT:
        return CDRF_NOTIFYITEMDRAW;
    case CDDS_ITEMPREPAINT:
        return CDRF_NOTIFYSUBITEMDRAW;
    case CDDS_ITEMPREPAINT | CDDS_SUBITEM: {
        SubItemDraw cell{static_cast<int>(draw.nmcd.dwItemSpec), draw.iSubItem, draw.clrText,
                         draw.clrTextBk};
        on_custom_draw_sub_item(cell);
        if (cell.solid) {
            RECT area;
            if (ListView_GetSubItemRect(hwnd(), cell.row, cell.sub_item, LVIR_BOUNDS, &area)) {
                // The row's edge is left to the focus rectangle of a whole-row selection,
                // which would otherwise cross the block.
                area.top += 1;
                area.bottom -= 1;
                area.right -= 1;
                fill_solid(draw.nmcd.hdc, area, cell.back_colour);
                return CDRF_SKIPDEFAULT;
            }
        }
        draw.clrText = cell.text_colour;
        draw.clrTextBk = cell.back_colour;
        return CDRF_NEWFONT;
    }

    default:
        return CDRF_DODEFAULT;
    }
}

} // namespace pipetto::win
