// The program's own path type must name the same files std::filesystem::path named before
// it: config.ini and history.dat beside the exe, and the file name in the import message.

#include "framework/core/file_path.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

using namespace pipetto;
namespace fs = std::filesystem;

namespace {

// The cases are ASCII, so each char is the path character of the same value.
FilePath::string_type native(const std::string& ascii) {
    return FilePath::string_type(ascii.begin(), ascii.end());
}

const std::vector<std::string> folders = {
    "",
    "relative",
    "/",
    "/tmp/pipetto",
    "/tmp/pipetto/",
    "/tmp//pipetto//",
#ifdef _WIN32
    "C:",
    "C:\\",
    "C:\\Programme\\Pipetto",
    "C:\\Programme\\Pipetto\\",
    "C:/Programme/Pipetto/",
    "Z:\\tmp/mixed",
    "\\\\server\\share\\",
    "D:relative",
#endif
};

const std::vector<std::string> paths = {
    "",
    "photo.jpg",
    "/tmp/x/photo.jpg",
    "/tmp/x/",
    "/",
    "dir/a.b.c",
    "dir//many.txt",
#ifdef _WIN32
    "C:\\Dokumente\\photo.jpg",
    "C:photo.jpg",
    "C:",
    "C:\\",
    "Z:\\tmp/mixed.txt",
    "\\\\server\\share\\file.txt",
    "C:\\Dokumente\\file.txt:stream",
    "ohne Ordner.txt",
#endif
};

} // namespace

TEST(FilePath, JoinsAFolderAndAFileNameAsStdFilesystemDoes) {
    for (const std::string& folder : folders) {
        for (const char* name : {"config.ini", "history.dat"}) {
            const FilePath ours = FilePath(native(folder)) / native(name);
            const fs::path theirs = fs::path(native(folder)) / native(name);
            EXPECT_EQ(ours.native(), theirs.native()) << "folder \"" << folder << "\"";
        }
    }
}

TEST(FilePath, TakesTheFileNameAsStdFilesystemDoes) {
    for (const std::string& path : paths) {
        EXPECT_EQ(FilePath(native(path)).file_name(), fs::path(native(path)).filename().native())
            << "path \"" << path << "\"";
    }
}

TEST(FilePath, TakesAStdFilesystemPathAsItIs) {
    const fs::path theirs = fs::path(native("/tmp")) / native("x y.txt");
    const FilePath ours = theirs;
    EXPECT_EQ(ours.native(), theirs.native());
    EXPECT_EQ(FilePath(ours.c_str()), ours);
}
