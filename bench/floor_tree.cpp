// The floor of start-up. Everything here is a window the user sees at start, or one the
// main window's design needs (the owner with the taskbar button, the tooltip window), with
// Pipetto's own class names, styles, places and sizes at 96 DPI scaled to the system's DPI,
// its two fonts (one CreateFont each) and its glyphs. Texts and frames that Pipetto paints
// on a window (labels, the edits' flat borders, the link, the bevel) are painted here by
// that window in WM_PAINT; the glyph buttons paint their glyphs from Pipetto's resources.
// It does nothing else: no settings, no history, no timers, no hotkeys.

#include "floor_tree.h"

#include <commctrl.h>

#include "resources/resource_ids.h"

namespace floor_tree {
namespace {

UINT dpi = 96;
int scale(int pixels96) {
    return MulDiv(pixels96, static_cast<int>(dpi), 96);
}
RECT scaled(int left, int top, int width, int height) {
    return {scale(left), scale(top), scale(left + width), scale(top + height)};
}

const COLORREF cream = RGB(0xFF, 0xFB, 0xF0);
const COLORREF maroon = RGB(0x80, 0, 0);
const COLORREF blue = RGB(0, 0, 0xFF);
HFONT tahoma = nullptr;
HFONT ms_sans_serif = nullptr;
HBRUSH cream_brush = nullptr;

// The Grab page: labels painted by the sheet, left-aligned at their layout place.
struct Text {
    int left, top, width, height;
    const wchar_t* text;
    COLORREF colour;
};
const Text sheet_texts[] = {
    {26, 5, 84, 11, L"Start/Stop: CTRL+S", maroon},
    {8, 92, 0, 11, L"Html:", 0},
    {8, 111, 0, 11, L"RGB:", 0},
    {8, 132, 0, 11, L"Hex:", 0},
    {8, 151, 0, 11, L"Long:", 0},
    {8, 170, 0, 11, L"Name:", 0},
    {8, 192, 22, 11, L"Pixel:", 0},
    // The edits' tickets, 16 pixels above each edit and mostly hidden behind it.
    {40, 72, 42, 11, L"HtmlColor", 0},
    {40, 92, 41, 11, L"RGBColor", 0},
    {40, 112, 38, 11, L"HexColor", 0},
    {40, 132, 41, 11, L"LongColor", 0},
    {40, 152, 44, 11, L"IdentColor", 0},
};

// The five value fields: read-only edits, 17 pixels high in Tahoma 9 with a border of three.
struct Field {
    int left, top;
    const wchar_t* text;
};
const Field fields[] = {{40, 88, L"#FFFFFF"},
                        {40, 108, L"rgb(255,255,255)"},
                        {40, 128, L"$00FFFFFF"},
                        {40, 148, L"16777215"},
                        {40, 168, L"White"}};
constexpr int field_width = 97, field_height = 17, field_border = 3;
constexpr int first_field_id = 100;

struct Button {
    int left, top, width, height;
    int glyph;
};
const Button buttons[] = {
    {4, 1, 20, 20, IDB_LOUPE_GLYPH},    {140, 88, 20, 18, IDB_COPY_GLYPH},
    {140, 108, 20, 18, IDB_COPY_GLYPH}, {140, 128, 20, 18, IDB_COPY_GLYPH},
    {140, 148, 20, 18, IDB_COPY_GLYPH}, {140, 168, 20, 20, IDB_COPY_GLYPH},
    {140, 190, 20, 20, IDB_COPY_GLYPH},
};

LRESULT CALLBACK main_procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    if (message == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcW(window, message, wparam, lparam);
}

LRESULT CALLBACK owner_procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    return DefWindowProcW(window, message, wparam, lparam);
}

void draw_text(HDC dc, HFONT font, COLORREF colour, RECT area, const wchar_t* text, UINT format) {
    const HGDIOBJ old = SelectObject(dc, font);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, colour);
    DrawTextW(dc, text, -1, &area, format);
    SelectObject(dc, old);
}

LRESULT CALLBACK sheet_procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    switch (message) {
    case WM_PAINT: {
        PAINTSTRUCT paint;
        const HDC dc = BeginPaint(window, &paint);
        for (const Text& text : sheet_texts)
            draw_text(dc, tahoma, text.colour ? text.colour : GetSysColor(COLOR_WINDOWTEXT),
                      scaled(text.left, text.top, text.width, text.height), text.text,
                      DT_NOPREFIX | DT_NOCLIP);
        // The fields' flat borders: a thin outline in the shadow colour, two rings of cream.
        for (const Field& field : fields) {
            RECT edge = scaled(field.left, field.top, field_width, field_height);
            FrameRect(dc, &edge, GetSysColorBrush(COLOR_BTNSHADOW));
            InflateRect(&edge, -1, -1);
            FrameRect(dc, &edge, cream_brush);
            InflateRect(&edge, -1, -1);
            FrameRect(dc, &edge, cream_brush);
        }
        RECT bevel = scaled(40, 190, 34, 18);
        DrawEdge(dc, &bevel, EDGE_ETCHED, BF_RECT);
        EndPaint(window, &paint);
        return 0;
    }
    case WM_CTLCOLORSTATIC: {
        const auto id = GetWindowLongPtrW(reinterpret_cast<HWND>(lparam), GWLP_ID);
        if (id < first_field_id)
            break;
        SetBkColor(reinterpret_cast<HDC>(wparam), cream);
        return reinterpret_cast<LRESULT>(cream_brush);
    }
    default:
        break;
    }
    return DefWindowProcW(window, message, wparam, lparam);
}

// The panel under the swatch: an etched frame and the link's text.
LRESULT CALLBACK panel_procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    if (message == WM_PAINT && GetWindowLongPtrW(window, GWLP_ID) == 1) {
        PAINTSTRUCT paint;
        const HDC dc = BeginPaint(window, &paint);
        RECT area;
        GetClientRect(window, &area);
        DrawEdge(dc, &area, EDGE_ETCHED, BF_RECT);
        draw_text(dc, ms_sans_serif, blue, scaled(8, 2, 137, 16), L"Open Online Color-Tool",
                  DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
        EndPaint(window, &paint);
        return 0;
    }
    return DefWindowProcW(window, message, wparam, lparam);
}

// A glyph button at rest: the face, and the glyph centred on it.
LRESULT CALLBACK button_procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    if (message == WM_PAINT) {
        PAINTSTRUCT paint;
        const HDC dc = BeginPaint(window, &paint);
        RECT area;
        GetClientRect(window, &area);
        FillRect(dc, &area, GetSysColorBrush(COLOR_BTNFACE));
        const auto glyph = reinterpret_cast<HBITMAP>(GetWindowLongPtrW(window, GWLP_USERDATA));
        BITMAP shape{};
        GetObjectW(glyph, sizeof shape, &shape);
        const HDC source = CreateCompatibleDC(dc);
        const HGDIOBJ old = SelectObject(source, glyph);
        const int unit = dpi >= 192 ? static_cast<int>(dpi) / 96 : 1;
        StretchBlt(dc, (area.right - shape.bmWidth * unit) / 2,
                   (area.bottom - shape.bmHeight * unit) / 2, shape.bmWidth * unit,
                   shape.bmHeight * unit, source, 0, 0, shape.bmWidth, shape.bmHeight, SRCCOPY);
        SelectObject(source, old);
        DeleteDC(source);
        EndPaint(window, &paint);
        return 0;
    }
    return DefWindowProcW(window, message, wparam, lparam);
}

void register_class(HINSTANCE instance, const wchar_t* name, WNDPROC procedure, UINT style,
                    HBRUSH background, HICON icon) {
    WNDCLASSEXW window_class{};
    window_class.cbSize = sizeof window_class;
    window_class.style = style;
    window_class.lpfnWndProc = procedure;
    window_class.hInstance = instance;
    window_class.hIcon = icon;
    window_class.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    window_class.hbrBackground = background;
    window_class.lpszClassName = name;
    RegisterClassExW(&window_class);
}

HWND child(const wchar_t* window_class, const wchar_t* text, DWORD style, DWORD ex_style,
           const RECT& place, HWND parent, UINT_PTR id, HFONT font) {
    const HWND window =
        CreateWindowExW(ex_style, window_class, text, WS_CHILD | WS_VISIBLE | style, place.left,
                        place.top, place.right - place.left, place.bottom - place.top, parent,
                        reinterpret_cast<HMENU>(id), GetModuleHandleW(nullptr), nullptr);
    if (font)
        SendMessageW(window, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    return window;
}

// A glyph whose bottom-left pixel's colour, its transparent one, is the button face.
HBITMAP load_glyph(HINSTANCE instance, int id) {
    const auto glyph = static_cast<HBITMAP>(
        LoadImageW(instance, MAKEINTRESOURCEW(id), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
    DIBSECTION section{};
    if (!GetObjectW(glyph, sizeof section, &section) || section.dsBm.bmBitsPixel < 24)
        return glyph;
    // A bottom-up DIB: its first row in memory is the bottom one.
    const HDC dc = CreateCompatibleDC(nullptr);
    const HGDIOBJ old = SelectObject(dc, glyph);
    const COLORREF transparent = GetPixel(dc, 0, section.dsBm.bmHeight - 1);
    const COLORREF face = GetSysColor(COLOR_BTNFACE);
    for (int y = 0; y < section.dsBm.bmHeight; ++y)
        for (int x = 0; x < section.dsBm.bmWidth; ++x)
            if (GetPixel(dc, x, y) == transparent)
                SetPixel(dc, x, y, face);
    SelectObject(dc, old);
    DeleteDC(dc);
    return glyph;
}

HFONT create_font(const wchar_t* face, int height96) {
    return CreateFontW(-scale(height96), 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                       OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                       DEFAULT_PITCH | FF_DONTCARE, face);
}

void mark_step(Mark mark, const char* step) {
    if (mark)
        mark(step);
}

} // namespace

HWND build_and_show(HINSTANCE instance, Mark mark) {
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES | ICC_TAB_CLASSES |
                                                       ICC_LISTVIEW_CLASSES | ICC_BAR_CLASSES};
    InitCommonControlsEx(&controls);
    mark_step(mark, "common controls");

    const HICON icon = LoadIconW(instance, MAKEINTRESOURCEW(IDI_PIPETTO));
    register_class(instance, L"PipettoApplication", owner_procedure, 0, nullptr, icon);
    const HWND owner = CreateWindowExW(0, L"PipettoApplication", L"Pipetto 2.0", WS_POPUP, 0, 0, 0,
                                       0, nullptr, nullptr, instance, nullptr);
    mark_step(mark, "owner window");

    dpi = GetDpiForSystem();
    tahoma = create_font(L"Tahoma", 9);
    ms_sans_serif = create_font(L"MS Sans Serif", 11);
    cream_brush = CreateSolidBrush(cream);
    mark_step(mark, "fonts");

    register_class(instance, L"TMainform", main_procedure, 0,
                   reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1), icon);
    const DWORD style = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
    const DWORD ex_style = WS_EX_CONTROLPARENT | WS_EX_TOOLWINDOW;
    RECT outer{0, 0, scale(192), scale(256)};
    AdjustWindowRectExForDpi(&outer, style, FALSE, ex_style, dpi);
    const HWND main = CreateWindowExW(ex_style, L"TMainform", L" Pipetto 2.0", style, 100, 100,
                                      outer.right - outer.left, outer.bottom - outer.top, owner,
                                      nullptr, instance, nullptr);
    const HWND tooltip = CreateWindowExW(0, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP,
                                         CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                                         nullptr, nullptr, instance, nullptr);
    static_cast<void>(tooltip);
    mark_step(mark, "main window and tooltip");

    const HWND pages = child(WC_TABCONTROLW, L"",
                             TCS_BOTTOM | TCS_HOTTRACK | TCS_FOCUSNEVER | WS_CLIPCHILDREN |
                                 WS_CLIPSIBLINGS | WS_TABSTOP,
                             WS_EX_CONTROLPARENT, scaled(8, 8, 177, 241), main, 0, tahoma);
    const wchar_t* const captions[] = {L"Grab", L"History", L"Settings", L"About"};
    // Tabs as wide as their captions.
    SendMessageW(pages, TCM_SETMINTABWIDTH, 0, 0);
    for (int i = 0; i < 4; ++i) {
        TCITEMW item{};
        item.mask = TCIF_TEXT;
        item.pszText = const_cast<wchar_t*>(captions[i]);
        SendMessageW(pages, TCM_INSERTITEMW, i, reinterpret_cast<LPARAM>(&item));
    }
    RECT display;
    GetClientRect(pages, &display);
    SendMessageW(pages, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&display));
    register_class(instance, L"PipettoTabSheet", sheet_procedure, 0,
                   GetSysColorBrush(COLOR_BTNFACE), nullptr);
    HWND grab = nullptr;
    for (int i = 0; i < 4; ++i) {
        // Only the Grab page shows; the others are the empty sheets of their tabs.
        const HWND sheet =
            CreateWindowExW(WS_EX_CONTROLPARENT, L"PipettoTabSheet", captions[i],
                            WS_CHILD | WS_CLIPCHILDREN | (i == 0 ? WS_VISIBLE : 0), display.left,
                            display.top, display.right - display.left, display.bottom - display.top,
                            pages, nullptr, instance, nullptr);
        if (i == 0)
            grab = sheet;
    }
    mark_step(mark, "page control and sheets");

    register_class(instance, L"TGlyphButton", button_procedure, CS_DBLCLKS, nullptr, nullptr);
    const HBITMAP loupe_glyph = load_glyph(instance, IDB_LOUPE_GLYPH);
    const HBITMAP copy_glyph = load_glyph(instance, IDB_COPY_GLYPH);
    for (const Button& button : buttons) {
        const HWND window =
            child(L"TGlyphButton", L"", 0, 0,
                  scaled(button.left, button.top, button.width, button.height), grab, 0, nullptr);
        SetWindowLongPtrW(
            window, GWLP_USERDATA,
            reinterpret_cast<LONG_PTR>(button.glyph == IDB_LOUPE_GLYPH ? loupe_glyph : copy_glyph));
    }
    mark_step(mark, "glyph buttons");

    register_class(instance, L"PipettoPanel", panel_procedure, CS_HREDRAW | CS_VREDRAW,
                   GetSysColorBrush(COLOR_BTNFACE), nullptr);
    const HWND cursor_box = child(L"Button", L"0x0", BS_GROUPBOX | WS_CLIPSIBLINGS,
                                  WS_EX_CONTROLPARENT, scaled(8, 20, 153, 61), grab, 0, tahoma);
    child(L"PipettoPanel", L"", WS_CLIPCHILDREN, WS_EX_CONTROLPARENT, scaled(2, 10, 148, 32),
          cursor_box, 0, nullptr);
    child(L"PipettoPanel", L"", WS_CLIPCHILDREN, WS_EX_CONTROLPARENT, scaled(0, 41, 153, 20),
          cursor_box, 1, nullptr);
    for (int i = 0; i < 5; ++i) {
        const Field& field = fields[i];
        const RECT edge = scaled(field.left, field.top, field_width, field_height);
        const RECT inside{edge.left + scale(field_border), edge.top + scale(field_border),
                          edge.right - scale(field_border), edge.bottom - scale(field_border)};
        child(L"Edit", field.text, ES_MULTILINE | ES_AUTOHSCROLL | WS_TABSTOP | ES_READONLY, 0,
              inside, grab, first_field_id + i, tahoma);
    }
    mark_step(mark, "group box, panels, edits");

    ShowWindow(owner, SW_SHOWNOACTIVATE);
    SetWindowPos(main, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_SHOWWINDOW);
    mark_step(mark, "show");
    return main;
}

} // namespace floor_tree
