#include "framework/core/errors.h"
#include "framework/core/file_handle.h"
#include "framework/core/safe_file.h"

#include <gtest/gtest.h>

#include "support/scratch_folder.h"

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

    fs::path target;
};

} // namespace

TEST_F(SafeFile, ReplacesTheOldContentWholeAndLeavesNoTemporaryFile) {
    put(target, "old content that is longer than the new");
    replace_file(target, std::string("new\0bytes", 9));
    EXPECT_EQ(contents(target), std::string("new\0bytes", 9));
    EXPECT_FALSE(fs::exists(temporary_path_for(target).native()));

    replace_file(dir / "fresh.ini", "");
    EXPECT_TRUE(fs::exists(dir / "fresh.ini"));
    EXPECT_EQ(fs::file_size(dir / "fresh.ini"), 0u);
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
    EXPECT_FALSE(fs::exists(temporary_path_for(target).native()));
}

TEST_F(SafeFile, ATemporaryPathThatCannotBeCreatedKeepsTheOldFile) {
    put(target, "kept");
    fs::create_directory(temporary_path_for(target).native());
    EXPECT_EQ(io_code_of([&] { replace_file(target, "new"); }), io_code::access_denied);
    EXPECT_EQ(contents(target), "kept");
    // Not ours, so not removed.
    EXPECT_TRUE(fs::is_directory(temporary_path_for(target).native()));

    const fs::path nowhere = dir / "missing" / "config.ini";
    EXPECT_EQ(io_code_of([&] { replace_file(nowhere, "new"); }), io_code::file_not_found);
    EXPECT_FALSE(fs::exists(nowhere.parent_path()));
}

TEST_F(SafeFile, AFailingReplaceAfterWritingRemovesTheTemporary) {
    // A non-empty folder where the file should go: writing works, the rename can't.
    fs::create_directories(target / "inside");
    EXPECT_NE(io_code_of([&] { replace_file(target, "new"); }), 0);
    EXPECT_TRUE(fs::is_directory(target / "inside"));
    EXPECT_FALSE(fs::exists(temporary_path_for(target).native()));
}

TEST_F(SafeFile, AReadOnlyTargetIsRefusedAndKept) {
    put(target, "kept");
    fs::permissions(target, fs::perms::owner_read | fs::perms::group_read);
    EXPECT_EQ(io_code_of([&] { replace_file(target, "new"); }), io_code::access_denied);
    EXPECT_EQ(contents(target), "kept");
    EXPECT_FALSE(fs::exists(temporary_path_for(target).native()));
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
