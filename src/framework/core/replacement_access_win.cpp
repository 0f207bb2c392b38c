#include "framework/core/replacement_access_win.h"

namespace pipetto {

namespace {

// The target's access list, or nothing when it can't be read. Most lists fit the first
// buffer, so one call to the system does.
std::vector<char> access_list_of(const FilePath& file) {
    std::vector<char> descriptor(512);
    DWORD size = 0;
    if (GetFileSecurityW(file.c_str(), DACL_SECURITY_INFORMATION, descriptor.data(),
                         static_cast<DWORD>(descriptor.size()), &size))
        return descriptor;
    if (GetLastError() != ERROR_INSUFFICIENT_BUFFER || size == 0)
        return {};
    descriptor.resize(size);
    if (!GetFileSecurityW(file.c_str(), DACL_SECURITY_INFORMATION, descriptor.data(), size, &size))
        descriptor.clear();
    return descriptor;
}

// Whether everyone may read (FILE_READ_DATA) and write (FILE_WRITE_DATA) the file, as Wine
// reads the mode's bits for others into its access list.
DWORD everyones_access(const FilePath& file) {
    std::vector<char> descriptor = access_list_of(file);
    if (descriptor.empty())
        return 0;
    BOOL present = FALSE, defaulted = FALSE;
    PACL list = nullptr;
    if (!GetSecurityDescriptorDacl(descriptor.data(), &present, &list, &defaulted) || !present ||
        list == nullptr)
        return 0;
    SID_IDENTIFIER_AUTHORITY world_authority = SECURITY_WORLD_SID_AUTHORITY;
    SID world{SID_REVISION, 1, world_authority, {SECURITY_WORLD_RID}};
    DWORD access = 0;
    for (DWORD i = 0; i < list->AceCount; ++i) {
        void* entry = nullptr;
        if (!GetAce(list, i, &entry))
            break;
        const auto* allowed = static_cast<const ACCESS_ALLOWED_ACE*>(entry);
        if (allowed->Header.AceType == ACCESS_ALLOWED_ACE_TYPE &&
            EqualSid(const_cast<DWORD*>(&allowed->SidStart), &world))
            access |= allowed->Mask & (FILE_READ_DATA | FILE_WRITE_DATA);
    }
    return access;
}

// The user this process runs as, asked once: nothing when the system won't tell.
const SID* current_user() {
    static const std::vector<char> user = [] {
        std::vector<char> sid;
        HANDLE token = nullptr;
        if (!OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, &token))
            return sid;
        alignas(TOKEN_USER) char buffer[sizeof(TOKEN_USER) + SECURITY_MAX_SID_SIZE];
        DWORD size = 0;
        if (GetTokenInformation(token, TokenUser, buffer, sizeof buffer, &size)) {
            const PSID found = reinterpret_cast<TOKEN_USER*>(buffer)->User.Sid;
            sid.resize(GetLengthSid(found));
            if (!CopySid(static_cast<DWORD>(sid.size()), sid.data(), found))
                sid.clear();
        }
        CloseHandle(token);
        return sid;
    }();
    return user.empty() ? nullptr : reinterpret_cast<const SID*>(user.data());
}

} // namespace

bool running_under_wine() noexcept {
    static const bool wine =
        GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "wine_get_version") != nullptr;
    return wine;
}

ReplacementAccess::ReplacementAccess(const FilePath& target) {
    if (!running_under_wine())
        return;
    // Wine makes the owner's bits and the group's from the owner's entry, the others' from
    // everyone's, and takes the umask off: with the usual 022 a 0640 file stays 0640, a
    // 0644 one 0644. Execute is never given.
    constexpr DWORD owners = FILE_ALL_ACCESS & ~FILE_EXECUTE;
    const DWORD everyone = everyones_access(target);
    const SID* user = current_user();
    if (!user)
        return;
    SID_IDENTIFIER_AUTHORITY world_authority = SECURITY_WORLD_SID_AUTHORITY;
    SID world{SID_REVISION, 1, world_authority, {SECURITY_WORLD_RID}};
    list_.resize(sizeof(ACL) + 2 * (sizeof(ACCESS_ALLOWED_ACE) + SECURITY_MAX_SID_SIZE));
    PACL list = reinterpret_cast<PACL>(list_.data());
    if (!InitializeAcl(list, static_cast<DWORD>(list_.size()), ACL_REVISION) ||
        !AddAccessAllowedAce(list, ACL_REVISION, owners, const_cast<SID*>(user)))
        return;
    DWORD everyones = 0;
    if (everyone & FILE_READ_DATA)
        everyones |= FILE_GENERIC_READ;
    if (everyone & FILE_WRITE_DATA)
        everyones |= FILE_GENERIC_WRITE;
    if (everyones != 0 && !AddAccessAllowedAce(list, ACL_REVISION, everyones, &world))
        return;
    if (!InitializeSecurityDescriptor(&descriptor_, SECURITY_DESCRIPTOR_REVISION) ||
        !SetSecurityDescriptorDacl(&descriptor_, TRUE, list, FALSE))
        return;
    attributes_ = SECURITY_ATTRIBUTES{sizeof attributes_, &descriptor_, FALSE};
    made_ = true;
}

bool copy_access_onto(const FilePath& replacement, const FilePath& target) noexcept {
    if (running_under_wine())
        return true;
    try {
        std::vector<char> descriptor = access_list_of(target);
        return !descriptor.empty() &&
               SetFileSecurityW(replacement.c_str(), DACL_SECURITY_INFORMATION, descriptor.data());
    } catch (...) {
        // No memory for the list: the replacement keeps what the folder hands down.
        return false;
    }
}

} // namespace pipetto
