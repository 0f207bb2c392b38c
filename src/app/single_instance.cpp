#include "app/single_instance.h"

#include <cstdint>
#include <string>

namespace pipetto {
namespace {

// One spelling of a folder: full, long names, upper case, as Windows compares paths.
std::wstring comparable_folder(const std::wstring& folder) {
    std::wstring full(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length =
            GetFullPathNameW(folder.c_str(), static_cast<DWORD>(full.size()), full.data(), nullptr);
        if (length == 0) {
            full = folder;
            break;
        }
        if (length < full.size()) {
            full.resize(length);
            break;
        }
        full.resize(length);
    }
    // A short 8.3 name and its long one are the same folder. The short names Windows makes
    // all hold a "~"; without one there is nothing to look up, and the look-up asks the file
    // system about every folder of the path.
    if (full.find(L'~') != std::wstring::npos) {
        std::wstring long_form(full.size() + MAX_PATH, L'\0');
        const DWORD length =
            GetLongPathNameW(full.c_str(), long_form.data(), static_cast<DWORD>(long_form.size()));
        if (length > 0 && length < long_form.size()) {
            long_form.resize(length);
            full = std::move(long_form);
        }
    }
    if (!full.empty())
        CharUpperBuffW(full.data(), static_cast<DWORD>(full.size()));
    return full;
}

// A mutex name may not hold a backslash and is at most MAX_PATH long, so the folder goes
// into it as a hash (FNV-1a, 64 bits).
std::wstring mutex_name(const std::wstring& folder) {
    std::uint64_t hash = 14695981039346656037ull;
    for (const wchar_t unit : folder) {
        hash ^= static_cast<std::uint16_t>(unit);
        hash *= 1099511628211ull;
    }
    std::wstring name = L"Local\\Pipetto 2.0 ";
    static constexpr wchar_t digits[] = L"0123456789ABCDEF";
    for (int shift = 60; shift >= 0; shift -= 4)
        name += digits[(hash >> shift) & 0xF];
    return name;
}

std::wstring folder_of_process(DWORD process_id) {
    const win::KernelHandle process(
        OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, process_id));
    if (!process)
        return {};
    std::wstring path(32768, L'\0');
    DWORD length = static_cast<DWORD>(path.size());
    if (!QueryFullProcessImageNameW(process.get(), 0, path.data(), &length))
        return {};
    path.resize(length);
    const auto cut = path.find_last_of(L"\\:");
    return cut == std::wstring::npos ? std::wstring() : path.substr(0, cut + 1);
}

struct MainWindowSearch {
    const std::wstring& folder;
    HWND found = nullptr;
    DWORD process_id = 0;
};

// The main window of another Pipetto whose exe lies in the searched folder.
BOOL CALLBACK find_main_window(HWND window, LPARAM search_pointer) noexcept {
    auto& search = *reinterpret_cast<MainWindowSearch*>(search_pointer);
    wchar_t class_name[16];
    if (GetClassNameW(window, class_name, 16) == 0 || std::wstring_view(class_name) != L"TMainform")
        return TRUE;
    DWORD process_id = 0;
    GetWindowThreadProcessId(window, &process_id);
    if (process_id == GetCurrentProcessId())
        return TRUE;
    try {
        if (comparable_folder(folder_of_process(process_id)) != search.folder)
            return TRUE;
    } catch (...) {
        return TRUE; // out of memory: not this one
    }
    search.found = window;
    search.process_id = process_id;
    return FALSE;
}

} // namespace

std::optional<FolderClaim> FolderClaim::take_or_hand_over(const FilePath& folder) {
    const std::wstring key = comparable_folder(folder.native());
    const std::wstring name = mutex_name(key);
    // The first copy may still be building its window (a double click too many), or be
    // ending: the second waits for either, a few seconds at most.
    const ULONGLONG give_up = GetTickCount64() + 10000;
    for (;;) {
        win::KernelHandle mutex(CreateMutexW(nullptr, FALSE, name.c_str()));
        if (mutex && GetLastError() != ERROR_ALREADY_EXISTS)
            return FolderClaim(std::move(mutex));
        if (!mutex)
            return FolderClaim(win::KernelHandle()); // no mutex to be had: run unguarded
        MainWindowSearch search{key};
        EnumWindows(find_main_window, reinterpret_cast<LPARAM>(&search));
        if (search.found) {
            AllowSetForegroundWindow(search.process_id);
            PostMessageW(search.found, bring_to_front_message, 0, 0);
            return std::nullopt;
        }
        if (GetTickCount64() > give_up)
            return std::nullopt; // never two copies on one folder's files
        Sleep(50);
    }
}

} // namespace pipetto
