#pragma once
// The rows of a window's description and the one builder that creates them. A row names
// the form's field, its parent, its place at 96 DPI, its text, font and properties, and
// the handlers bound to its events. Adding a control means adding one row.

#include <algorithm>
#include <span>
#include <stdexcept>
#include <string_view>
#include <vector>

#include "framework/win/controls/list_view.h"
#include "framework/win/form.h"

namespace pipetto::win {

template <typename FormT> struct ControlRow {
    const char* name;
    Control& (*field)(FormT&);
    const char* parent; // "" for the window itself
    Bounds96 bounds;
    const char* text = "";
    FontSpec font = {}; // no face: the parent's font
    Properties properties = {};
    void (FormT::*on_click)() = nullptr;
    void (FormT::*on_change)() = nullptr;
    void (FormT::*on_custom_draw_sub_item)(SubItemDraw&) = nullptr;
};

template <typename FormT, auto Member> Control& field_of(FormT& form) {
    return form.*Member;
}

// Names a field of the form in a row: its name as text, and the way to reach it.
#define PIPETTO_FIELD(FormT, field) #field, &::pipetto::win::field_of < FormT, &FormT::field>

// Binds the handlers a row names to the events of its control.
template <typename FormT> void bind_handlers(FormT& form, const ControlRow<FormT>& row) {
    Control& control = row.field(form);
    if (row.on_click)
        control.on_click = [&form, handler = row.on_click] { (form.*handler)(); };
    if (row.on_change)
        control.on_change = [&form, handler = row.on_change] { (form.*handler)(); };
    if (row.on_custom_draw_sub_item)
        if (auto* list = dynamic_cast<ListView*>(&control))
            list->on_custom_draw_sub_item = [&form, handler = row.on_custom_draw_sub_item](
                                                SubItemDraw& cell) { (form.*handler)(cell); };
}

// Creates every control of the rows, in order, and binds their handlers to `form`, unless
// prepare_controls bound them before (and code may have changed them since).
template <typename FormT, typename AddControl>
void build_controls(FormT& form, std::span<const ControlRow<FormT>> rows, AddControl add) {
    for (const ControlRow<FormT>& row : rows) {
        Control& control = row.field(form);
        const bool bound = control.prepared();
        add(row.name, control, row.parent, row.bounds, row.text, row.font, row.properties);
        if (!bound)
            bind_handlers(form, row);
    }
}

// Readies the controls of rows whose windows build_controls creates later: each takes the
// state its row gives, and its handlers are bound now, so that code setting a control
// before its window exists runs them as it would after.
template <typename FormT>
void prepare_controls(FormT& form, std::span<const ControlRow<FormT>> rows) {
    for (const ControlRow<FormT>& row : rows) {
        row.field(form).prepare(row.properties);
        bind_handlers(form, row);
    }
}

// The rows of the controls on the sheet named `sheet`: those whose parent is the sheet or
// a control on it. A sheet's rows follow one another in the table.
template <typename FormT>
std::span<const ControlRow<FormT>> rows_on_sheet(std::span<const ControlRow<FormT>> rows,
                                                 std::string_view sheet) {
    std::vector<std::string_view> on_sheet{sheet};
    std::size_t first = rows.size(), end = rows.size();
    for (std::size_t i = 0; i < rows.size(); ++i) {
        if (std::find(on_sheet.begin(), on_sheet.end(), rows[i].parent) == on_sheet.end())
            continue;
        if (first == rows.size())
            first = i;
        else if (end != i)
            throw std::logic_error("the rows of a sheet must follow one another");
        on_sheet.push_back(rows[i].name);
        end = i + 1;
    }
    return first == rows.size() ? rows.subspan(0, 0) : rows.subspan(first, end - first);
}

} // namespace pipetto::win
