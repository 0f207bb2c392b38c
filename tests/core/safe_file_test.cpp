#include "framework/core/errors.h"
#include "framework/core/file_handle.h"
#include "framework/core/safe_file.h"

#include <gtest/gtest.h>

#include "support/scratch_folder.h"

#include <algorithm>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <unistd.h>

using namespace pipetto;
namespace fs = std::filesystem;

namespace {

class SafeFile : public tests::ScratchFolderTest {
  protected:
    void SetUp() override {
        ScratchFolderTest::SetUp();
        target = dir / "history.dat";
    }
    static std::string contents(const fs::path& path) { return read_file(path); }
    static void put(const fs::path& path, const std::string& bytes) { write_file(path, bytes); }
    static int io_code_of(const std::function<void()>& action) {
        try {
            action();
        } catch (const EInOutError& error) {
            return error.code();
        }
        return 0;
    }

    // The names in the folder, sorted: what a write leaves behind.
    std::vector<std::string> names_in(const fs::path& folder) const {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(folder))
            names.push_back(entry.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }

    fs::path target;
};

} // namespace

TEST_F(SafeFile, ReplacesTheOldContentWholeAndLeavesNoTemporaryFile) {
    put(target, "old content that is longer than the new");
    replace_file(target, std::string("new\0bytes", 9));
    EXPECT_EQ(contents(target), std::string("new\0bytes", 9));

    replace_file(dir / "fresh.ini", "");
    EXPECT_TRUE(fs::exists(dir / "fresh.ini"));
    EXPECT_EQ(fs::file_size(dir / "fresh.ini"), 0u);
    EXPECT_EQ(names_in(dir), (std::vector<std::string>{"fresh.ini", "history.dat"}));
}

TEST_F(SafeFile, AWriterFailingHalfWayKeepsTheOldFileAndRemovesTheTemporary) {
    put(target, "kept");
    EXPECT_THROW(replace_file(target,
                              [](FileHandle& file) {
                                  file.write("partial", 7);
                                  throw EInOutError(io_code::disk_full);
                              }),
                 EInOutError);
    EXPECT_EQ(contents(target), "kept");
    EXPECT_EQ(names_in(dir), std::vector<std::string>{"history.dat"});
}

TEST_F(SafeFile, TheUsersFilesBesideTheTargetAreNeverUsedAndALinkStaysALink) {
    // Names a user, or another program, might have chosen, a folder among them; and a
    // leftover of a write of ours that a power cut ended.
    put(dir / "history.dat.tmp", "precious user data");
    fs::create_directory(dir / "history.tmp");
    fs::create_directory(dir / "~pipetto-0badf00d.tmp");
    put(dir / "~pipetto-notours.tmp", "user's");
    put(dir / "~pipetto-0123abcd.tmp", "half a write");
    EXPECT_TRUE(is_temporary_file_name(FilePath("~pipetto-0123abcd.tmp").native()));
    put(target, "old");
    fs::permissions(target, fs::perms::owner_read | fs::perms::owner_write);
    replace_file(target, "new");
    EXPECT_EQ(contents(target), "new");
    EXPECT_EQ(fs::status(target).permissions(), fs::perms::owner_read | fs::perms::owner_write);
    EXPECT_EQ(contents(dir / "history.dat.tmp"), "precious user data");
    EXPECT_EQ(names_in(dir),
              (std::vector<std::string>{"history.dat", "history.dat.tmp", "history.tmp",
                                        "~pipetto-0badf00d.tmp", "~pipetto-notours.tmp"}));

    // Written through a link, the file it points at gets the content.
    fs::create_directory(dir / "real");
    put(dir / "real" / "config.ini", "old");
    fs::create_symlink("real/config.ini", dir / "config.ini");
    replace_file(dir / "config.ini", "new");
    EXPECT_TRUE(fs::is_symlink(dir / "config.ini"));
    EXPECT_EQ(contents(dir / "real" / "config.ini"), "new");
    EXPECT_EQ(names_in(dir / "real"), std::vector<std::string>{"config.ini"});

    const fs::path nowhere = dir / "missing" / "config.ini";
    EXPECT_EQ(io_code_of([&] { replace_file(nowhere, "new"); }), io_code::file_not_found);
    EXPECT_FALSE(fs::exists(nowhere.parent_path()));
}

TEST_F(SafeFile, AFailingReplaceAfterWritingRemovesTheTemporary) {
    // A non-empty folder where the file should go: writing works, the rename can't.
    fs::create_directories(target / "inside");
    EXPECT_NE(io_code_of([&] { replace_file(target, "new"); }), 0);
    EXPECT_TRUE(fs::is_directory(target / "inside"));
    EXPECT_EQ(names_in(dir), std::vector<std::string>{"history.dat"});
}

TEST_F(SafeFile, AReadOnlyTargetIsRefusedAndKept) {
    put(target, "kept");
    fs::permissions(target, fs::perms::owner_read | fs::perms::group_read);
    EXPECT_EQ(io_code_of([&] { replace_file(target, "new"); }), io_code::access_denied);
    EXPECT_EQ(contents(target), "kept");
    EXPECT_EQ(names_in(dir), std::vector<std::string>{"history.dat"});
}

TEST_F(SafeFile, FileFailuresCarryTheSystemErrorCodeOfTheirMessage) {
    put(target, "12345");
    EXPECT_EQ(io_code_of([&] { FileHandle::open(dir / "none", FileMode::read); }),
              io_code::file_not_found);
    EXPECT_EQ(io_code_of([&] { FileHandle::open(target / "below", FileMode::read); }),
              io_code::path_not_found);
    EXPECT_EQ(io_code_of([&] { FileHandle::open(dir, FileMode::create); }), io_code::access_denied);

    FileHandle file = FileHandle::open(target, FileMode::read);
    char buffer[8];
    EXPECT_EQ(io_code_of([&] { file.read_exact(buffer, sizeof buffer); }),
              io_code::read_beyond_end);
    file.close();
    EXPECT_EQ(io_code_of([&] { file.write("x", 1); }), 103);

    // The kernel's full device fails every write with ENOSPC once the buffer is pushed.
    if (fs::exists("/dev/full")) {
        FileHandle full = FileHandle::open("/dev/full", FileMode::create);
        full.write("x", 1);
        EXPECT_EQ(io_code_of([&] { full.flush_to_disk(); }), io_code::disk_full);
    }
}
