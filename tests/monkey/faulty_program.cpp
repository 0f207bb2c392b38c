// A stand-in for pipetto.exe with one fault of its own, to show that the driver catches
// each kind: it copies itself over pipetto.exe in a round's folder, and the name of its
// fault lies beside it in fault.txt:
//   crash      an access violation at the first key
//   hang       no message handled any more after the first key
//   torn       a history.dat of part of a record, written at the first key
//   no-config  no config.ini at the close
//   file-dialog  a save dialog at the first key, which the driver must cancel: a file
//              chosen in it ends the program with exit code 7
// Without a fault it behaves: config.ini and history.dat are written at the close.

#include <windows.h>

#include <commdlg.h>

#include <cstdio>
#include <string>
#include <utility>

namespace {

std::wstring folder_file(const wchar_t* name) {
    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring folder(path);
    return folder.substr(0, folder.find_last_of(L'\\') + 1) + name;
}

std::string read_fault() {
    char text[32] = {};
    if (std::FILE* file = _wfopen(folder_file(L"fault.txt").c_str(), L"rb")) {
        std::fread(text, 1, sizeof text - 1, file);
        std::fclose(file);
    }
    std::string fault(text);
    while (!fault.empty() && (fault.back() == '\n' || fault.back() == '\r'))
        fault.pop_back();
    return fault;
}

void write_file(const wchar_t* name, const std::string& bytes) {
    if (std::FILE* file = _wfopen(folder_file(name).c_str(), L"wb")) {
        std::fwrite(bytes.data(), 1, bytes.size(), file);
        std::fclose(file);
    }
}

std::string fault;

void on_first_key(HWND window) {
    static bool pressed = false;
    if (std::exchange(pressed, true))
        return;
    if (fault == "file-dialog") {
        wchar_t name[MAX_PATH] = L"chosen.txt";
        OPENFILENAMEW dialog{};
        dialog.lStructSize = sizeof dialog;
        dialog.hwndOwner = window;
        dialog.lpstrFile = name;
        dialog.nMaxFile = MAX_PATH;
        dialog.lpstrTitle = L"Export";
        dialog.Flags = OFN_EXPLORER;
        if (GetSaveFileNameW(&dialog))
            ExitProcess(7);
    }
    if (fault == "crash")
        *static_cast<volatile int*>(nullptr) = 1;
    if (fault == "hang")
        Sleep(INFINITE);
    if (fault == "torn")
        write_file(L"history.dat", std::string(100, 'x'));
}

LRESULT CALLBACK procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam) noexcept {
    switch (message) {
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
        on_first_key(window);
        break;
    case WM_CLOSE:
        if (fault != "no-config")
            write_file(L"config.ini", "[screen]\r\nx=1\r\ny=1\r\nstayontop=True\r\n[loupe]\r\n"
                                      "cursor=True\r\n[hotkey]\r\ngrab=18\r\nloupe=0\r\n");
        write_file(L"history.dat", "");
        DestroyWindow(window);
        return 0;
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcW(window, message, wparam, lparam);
}

} // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    fault = read_fault();
    WNDCLASSW window_class{};
    window_class.lpfnWndProc = procedure;
    window_class.hInstance = instance;
    window_class.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    window_class.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    window_class.lpszClassName = L"TMainform";
    RegisterClassW(&window_class);
    CreateWindowExW(WS_EX_TOOLWINDOW, L"TMainform", L" Pipetto 2.0",
                    WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_VISIBLE, 100, 100, 200, 260,
                    nullptr, nullptr, instance, nullptr);
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return 0;
}
