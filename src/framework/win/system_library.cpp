#include "framework/win/system_library.h"

namespace pipetto::win {

SystemLibrary::SystemLibrary(const wchar_t* file_name)
    : module_(LoadLibraryExW(file_name, nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32)) {
    // Pinned: freeing our reference then never unloads code that another thread still runs.
    HMODULE pinned = nullptr;
    if (module_)
        GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_PIN | GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS,
                           reinterpret_cast<LPCWSTR>(module_.get()), &pinned);
}

FARPROC SystemLibrary::address_of(const char* name) const noexcept {
    return module_ ? GetProcAddress(module_.get(), name) : nullptr;
}

} // namespace pipetto::win
