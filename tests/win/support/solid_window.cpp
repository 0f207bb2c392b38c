#include "solid_window.h"

#include "grab/color_picker.h"
#include "pump.h"

namespace pipetto::tests {
namespace {

LRESULT CALLBACK solid_window_procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    if (message == WM_ERASEBKGND) {
        RECT area;
        GetClientRect(window, &area);
        FillRect(reinterpret_cast<HDC>(wparam), &area,
                 reinterpret_cast<HBRUSH>(GetWindowLongPtrW(window, GWLP_USERDATA)));
        return 1;
    }
    return DefWindowProcW(window, message, wparam, lparam);
}

} // namespace

SolidWindow::SolidWindow(COLORREF colour, int left, int top) : brush_(CreateSolidBrush(colour)) {
    WNDCLASSW window_class{};
    window_class.lpfnWndProc = solid_window_procedure;
    window_class.hInstance = GetModuleHandleW(nullptr);
    window_class.lpszClassName = L"PipettoTestSolidWindow";
    RegisterClassW(&window_class); // fails harmlessly once registered
    window_.reset(CreateWindowExW(WS_EX_TOPMOST | WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE,
                                  window_class.lpszClassName, L"", WS_POPUP, left, top, 60, 60,
                                  nullptr, nullptr, window_class.hInstance, nullptr));
    SetWindowLongPtrW(window_.get(), GWLP_USERDATA, reinterpret_cast<LONG_PTR>(brush_.get()));
    ShowWindow(window_.get(), SW_SHOWNOACTIVATE);
    UpdateWindow(window_.get());
    on_screen_ = pump_until([&] { return TColorPicker::ColorAt({left + 30, top + 30}) == colour; });
}

} // namespace pipetto::tests
