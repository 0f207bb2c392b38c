// The DLLs loaded on first use: the real functions, found by their declared types.

#include <windows.h>

#include <shellapi.h>

#include <gtest/gtest.h>

#include "framework/win/system_library.h"

using pipetto::win::SystemLibrary;

TEST(SystemLibrary, TheFunctionFoundIsTheRealOneAndAMissingOneIsNull) {
    const SystemLibrary shell(L"shell32.dll");
    ASSERT_TRUE(shell.loaded());
    const auto split = shell.function<decltype(CommandLineToArgvW)>("CommandLineToArgvW");
    ASSERT_NE(split, nullptr);
    int count = 0;
    LPWSTR* arguments = split(L"pipetto.exe \"two words\" three", &count);
    ASSERT_NE(arguments, nullptr);
    ASSERT_EQ(count, 3);
    EXPECT_STREQ(arguments[1], L"two words");
    LocalFree(arguments);

    EXPECT_EQ(shell.function<void()>("NoSuchFunctionAnywhere"), nullptr);
    const SystemLibrary missing(L"no-such-library.dll");
    EXPECT_FALSE(missing.loaded());
    EXPECT_EQ(missing.function<decltype(CommandLineToArgvW)>("CommandLineToArgvW"), nullptr);
}

TEST(SystemLibrary, TheDllStaysLoadedAfterItsOwnerGoes) {
    // Nothing else in this process loads winmm; the click sound may still be playing on a
    // thread of winmm's when the program ends.
    ASSERT_EQ(GetModuleHandleW(L"winmm.dll"), nullptr);
    {
        const SystemLibrary winmm(L"winmm.dll");
        ASSERT_TRUE(winmm.loaded());
    }
    EXPECT_NE(GetModuleHandleW(L"winmm.dll"), nullptr);
}
