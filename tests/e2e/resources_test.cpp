// What pipetto.exe carries besides its code: the manifest, the icon and the version.

#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <string>

namespace {

class ExeResources : public ::testing::Test {
  protected:
    void SetUp() override {
        module_ = LoadLibraryExW(std::filesystem::path(PIPETTO_EXE).wstring().c_str(), nullptr,
                                 LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
        ASSERT_NE(module_, nullptr);
    }
    void TearDown() override { FreeLibrary(module_); }

    std::string resource(const wchar_t* type, const wchar_t* name) const {
        HRSRC found = FindResourceW(module_, name, type);
        if (!found)
            return {};
        const auto* bytes = static_cast<const char*>(LockResource(LoadResource(module_, found)));
        return std::string(bytes, SizeofResource(module_, found));
    }

    HMODULE module_ = nullptr;
};

} // namespace

TEST_F(ExeResources, TheManifestAsksForCommonControls6PerMonitorDpiAndNoElevation) {
    const std::string manifest = resource(RT_MANIFEST, MAKEINTRESOURCEW(1));
    EXPECT_NE(manifest.find("Microsoft.Windows.Common-Controls"), std::string::npos);
    EXPECT_NE(manifest.find("version=\"6.0.0.0\""), std::string::npos);
    EXPECT_NE(manifest.find("PerMonitorV2"), std::string::npos);
    EXPECT_NE(manifest.find("level=\"asInvoker\""), std::string::npos);
}

TEST_F(ExeResources, ItCarriesAnIconAndItsVersion) {
    EXPECT_NE(FindResourceW(module_, MAKEINTRESOURCEW(1), RT_GROUP_ICON), nullptr);
    const std::string version = resource(RT_VERSION, MAKEINTRESOURCEW(1));
    ASSERT_GE(version.size(), sizeof(VS_FIXEDFILEINFO));
    // The fixed part follows the "VS_VERSION_INFO" key, on a 32-bit boundary.
    const std::wstring key = L"VS_VERSION_INFO";
    const size_t fixed = (6 + (key.size() + 1) * 2 + 3) & ~size_t{3};
    VS_FIXEDFILEINFO info;
    std::memcpy(&info, version.data() + fixed, sizeof info);
    EXPECT_EQ(info.dwSignature, 0xFEEF04BDu);
    EXPECT_EQ(HIWORD(info.dwFileVersionMS), 2u);
    EXPECT_EQ(LOWORD(info.dwFileVersionMS), 0u);
}
