#pragma once
// The rows of a window's description and the one builder that creates them. A row names
// the form's field, its parent, its place at 96 DPI, its text, font and properties, and
// the handlers bound to its events. Adding a control means adding one row.

#include <span>

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

// Creates every control of the rows, in order, and binds their handlers to `form`.
template <typename FormT, typename AddControl>
void build_controls(FormT& form, std::span<const ControlRow<FormT>> rows, AddControl add) {
    for (const ControlRow<FormT>& row : rows) {
        Control& control = row.field(form);
        add(row.name, control, row.parent, row.bounds, row.text, row.font, row.properties);
        if (row.on_click)
            control.on_click = [&form, handler = row.on_click] { (form.*handler)(); };
        if (row.on_change)
            control.on_change = [&form, handler = row.on_change] { (form.*handler)(); };
        if (row.on_custom_draw_sub_item)
            if (auto* list = dynamic_cast<ListView*>(&control))
                list->on_custom_draw_sub_item = [&form, handler = row.on_custom_draw_sub_item](
                                                    SubItemDraw& cell) { (form.*handler)(cell); };
    }
}

} // namespace pipetto::win
