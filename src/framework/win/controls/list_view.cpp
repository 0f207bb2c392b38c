#include "framework/win/controls/list_view.h"

#include <commctrl.h>

#include "framework/win/controls/popup_menu.h"
#include "framework/win/win_text.h"

namespace pipetto::win {

Control::WindowKind ListView::window_kind(const Properties&) const {
    return {WC_LISTVIEWW,
            LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS | LVS_NOSORTHEADER | WS_TABSTOP};
}

void ListView::configure(const Properties& properties) {
    ListView_SetExtendedListViewStyle(hwnd(), LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT);
    if (properties.colour) {
        ListView_SetBkColor(hwnd(), to_colorref(*properties.colour));
        ListView_SetTextBkColor(hwnd(), to_colorref(*properties.colour));
    }
}

void ListView::add_column(const Column& column) {
    std::wstring caption = widen(column.caption);
    LVCOLUMNW description{};
    description.mask = LVCF_TEXT | LVCF_WIDTH;
    description.pszText = caption.data();
    description.cx = scale(column.width96);
    ListView_InsertColumn(hwnd(), static_cast<int>(column_widths96_.size()), &description);
    column_widths96_.push_back(column.width96);
}

void ListView::apply_dpi(UINT dpi) {
    Control::apply_dpi(dpi);
    for (size_t i = 0; i < column_widths96_.size(); ++i)
        ListView_SetColumnWidth(hwnd(), static_cast<int>(i), scale(column_widths96_[i]));
}

int ListView::row_count() const {
    return ListView_GetItemCount(hwnd());
}

int ListView::add_row(std::string_view caption, std::string_view sub_item) {
    std::wstring caption_text = widen(caption);
    std::wstring sub_item_text = widen(sub_item);
    LVITEMW item{};
    item.mask = LVIF_TEXT;
    item.iItem = row_count();
    item.pszText = caption_text.data();
    const int row = ListView_InsertItem(hwnd(), &item);
    ListView_SetItemText(hwnd(), row, 1, sub_item_text.data());
    return row;
}

void ListView::delete_row(int row) {
    ListView_DeleteItem(hwnd(), row);
}
void ListView::clear() {
    ListView_DeleteAllItems(hwnd());
}

std::string ListView::sub_item(int row, int sub_item) const {
    std::wstring text(256, L'\0');
    LVITEMW item{};
    item.iSubItem = sub_item;
    // The control copies at most the buffer's size; grow until the text fits.
    for (;;) {
        item.pszText = text.data();
        item.cchTextMax = static_cast<int>(text.size());
        const auto length = static_cast<size_t>(
            SendMessageW(hwnd(), LVM_GETITEMTEXTW, row, reinterpret_cast<LPARAM>(&item)));
        if (length + 1 < text.size()) {
            text.resize(length);
            return narrow(text);
        }
        text.resize(text.size() * 2);
    }
}

std::string ListView::caption(int row) const {
    return sub_item(row, 0);
}

void ListView::set_caption(int row, std::string_view caption) {
    std::wstring text = widen(caption);
    ListView_SetItemText(hwnd(), row, 0, text.data());
}

int ListView::selected_row() const {
    return ListView_GetNextItem(hwnd(), -1, LVNI_SELECTED);
}

void ListView::select_row(int row) {
    ListView_SetItemState(hwnd(), -1, 0, LVIS_SELECTED | LVIS_FOCUSED);
    if (row >= 0)
        ListView_SetItemState(hwnd(), row, LVIS_SELECTED | LVIS_FOCUSED,
                              LVIS_SELECTED | LVIS_FOCUSED);
}

void ListView::begin_update() {
    SendMessageW(hwnd(), WM_SETREDRAW, FALSE, 0);
}

void ListView::end_update() {
    SendMessageW(hwnd(), WM_SETREDRAW, TRUE, 0);
    InvalidateRect(hwnd(), nullptr, TRUE);
}

bool ListView::handle_notification(UINT message, WPARAM wparam, LPARAM lparam, LRESULT& result) {
    if (message != WM_NOTIFY)
        return Control::handle_notification(message, wparam, lparam, result);
    auto* header = reinterpret_cast<NMHDR*>(lparam);
    switch (header->code) {
    case NM_CLICK:
        fire(on_click);
        result = 0;
        return true;
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
        draw.clrText = cell.text_colour;
        draw.clrTextBk = cell.back_colour;
        return CDRF_NEWFONT;
    }
    default:
        return CDRF_DODEFAULT;
    }
}

} // namespace pipetto::win
