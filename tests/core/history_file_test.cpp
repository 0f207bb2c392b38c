#include "framework/core/errors.h"
#include "framework/core/safe_file.h"
#include "history/history_file.h"

#include <gtest/gtest.h>

#include "support/scratch_folder.h"

#include <cstring>
#include <fstream>
#include <iterator>
#include <unistd.h>

using namespace pipetto;
namespace fs = std::filesystem;

namespace {

class HistoryFileOnDisk : public tests::ScratchFolderTest {
  protected:
    void SetUp() override {
        ScratchFolderTest::SetUp();
        path = dir / "history.dat";
    }
    std::string contents() const { return read_file(path); }
    void put(const std::string& bytes) const { write_file(path, bytes); }

    // A record as another writer might lay it out: every field's bytes given directly.
    static std::string record(std::string_view name, std::string_view hex) {
        std::string bytes(186, '\0');
        bytes[0] = static_cast<char>(name.size());
        bytes.replace(1, name.size(), name);
        bytes[31] = static_cast<char>(hex.size());
        bytes.replace(32, hex.size(), hex);
        return bytes;
    }

    fs::path path;
};

} // namespace

TEST_F(HistoryFileOnDisk, OnlyWholeRecordsAreLoaded) {
    for (const std::size_t size : {0u, 185u, 373u}) {
        std::string bytes = record("first", "$00000001") + record("second", "$00000002") + "x";
        bytes.resize(size, 'x');
        put(bytes);
        HistoryTable table;
        HistoryFile file(path);
        const HistoryLoadResult result = file.load(table);
        EXPECT_EQ(table.count(), static_cast<int>(size / 186)) << size;
        EXPECT_EQ(result.records_loaded, table.count());
        EXPECT_TRUE(result.complete);
        EXPECT_TRUE(file.may_overwrite());
    }
}

TEST_F(HistoryFileOnDisk, ThreeEntriesComeBackWithAllSixTextsInOrder) {
    HistoryTable saved;
    for (int i = 1; i <= 3; ++i) {
        const std::string n = std::to_string(i);
        THistoryEntry entry{};
        entry.Name.assign(i == 2 ? "a name typed of thirty-five chars" : "08.12.2024 17:0" + n);
        entry.Hex.assign("$0000000" + n);
        entry.Html.assign("#00000" + n);
        entry.Long.assign(n + "65536");
        entry.RGB.assign("rgb(" + n + ",0,0)");
        entry.Ident.assign(i == 3 ? "n/a" : "black");
        saved.append(entry);
    }
    HistoryFile writer(path);
    writer.load(saved); // no file yet: loads nothing, may write
    ASSERT_TRUE(writer.save(saved));
    EXPECT_EQ(fs::file_size(path), 3u * 186u);

    HistoryTable loaded;
    HistoryFile reader(path);
    reader.load(loaded);
    ASSERT_EQ(loaded.count(), 3);
    for (int i = 1; i <= 3; ++i) {
        const std::string n = std::to_string(i);
        EXPECT_EQ(loaded.slot(i).Name.text(), saved.slot(i).Name.text());
        EXPECT_EQ(loaded.slot(i).Hex.text(), "$0000000" + n);
        EXPECT_EQ(loaded.slot(i).Html.text(), "#00000" + n);
        EXPECT_EQ(loaded.slot(i).Long.text(), n + "65536");
        EXPECT_EQ(loaded.slot(i).RGB.text(), "rgb(" + n + ",0,0)");
        EXPECT_EQ(loaded.slot(i).Ident.text(), i == 3 ? "n/a" : "black");
    }
    EXPECT_EQ(loaded.slot(2).Name.text(), "a name typed of thirty-five ch");

    // Delete All, then close: the file is cut to nothing.
    loaded.clear();
    ASSERT_TRUE(reader.save(loaded));
    EXPECT_EQ(fs::file_size(path), 0u);
}

TEST_F(HistoryFileOnDisk, ADamagedLengthIsTakenAs30AndTheNextFieldStaysIntact) {
    std::string bytes = record("abcdefghijklmnopqrstuvwxyz0123", "$00ABCDEF");
    bytes[0] = static_cast<char>(200);
    put(bytes);
    HistoryTable table;
    HistoryFile(path).load(table);
    ASSERT_EQ(table.count(), 1);
    EXPECT_EQ(table.slot(1).Name.text(), "abcdefghijklmnopqrstuvwxyz0123");
    EXPECT_EQ(table.slot(1).Hex.text(), "$00ABCDEF");
}

TEST_F(HistoryFileOnDisk, MoreRecordsThanSlotsLoadTheFirst5000AndKeepTheRestBehindThem) {
    std::string bytes;
    for (int i = 1; i <= HistoryTable::capacity + 1; ++i)
        bytes += record(std::to_string(i), "$00000000");
    put(bytes);

    HistoryTable table;
    HistoryFile file(path);
    const HistoryLoadResult result = file.load(table);
    EXPECT_EQ(result.records_loaded, 5000);
    EXPECT_EQ(result.records_in_file, 5001u);
    EXPECT_EQ(result.records_left_out(), 1u);
    EXPECT_FALSE(result.complete);
    EXPECT_EQ(table.slot(5000).Name.text(), "5000");

    // A rename in the run reaches the file, and the record beyond the table stays last.
    table.slot(1).Name.assign("renamed");
    EXPECT_TRUE(file.save(table));
    EXPECT_EQ(contents(), record("renamed", "$00000000") + bytes.substr(186));
}

TEST_F(HistoryFileOnDisk, AHistoryNotLoadedWholeIsNeverWrittenOver) {
    HistoryTable table;
    HistoryFile never_loaded(path);
    put(record("kept", "$00000001"));
    EXPECT_FALSE(never_loaded.save(table));
    EXPECT_EQ(fs::file_size(path), 186u);

    // Read-only is the user's word: the file loads, and is never written.
    fs::permissions(path, fs::perms::owner_read);
    HistoryFile read_only(path);
    EXPECT_TRUE(read_only.load(table).read_only);
    EXPECT_EQ(table.count(), 1);
    table.slot(1).Name.assign("renamed");
    EXPECT_FALSE(read_only.save(table));
    EXPECT_EQ(contents(), record("kept", "$00000001"));
    table.clear();

    // A history.dat that can't be read at all (here a folder) fails to load, and the
    // failure leaves save() refusing.
    const fs::path folder = dir / "folder.dat";
    fs::create_directories(folder / "inside");
    HistoryFile unreadable(folder);
    EXPECT_THROW(unreadable.load(table), EInOutError);
    EXPECT_FALSE(unreadable.may_overwrite());
    EXPECT_FALSE(unreadable.save(table));
    EXPECT_TRUE(fs::is_directory(folder / "inside"));
}

TEST_F(HistoryFileOnDisk, AFailingSaveKeepsTheOldFile) {
    put(record("old", "$00000001"));
    HistoryTable table;
    HistoryFile file(path);
    file.load(table);
    table.slot(1).Name.assign("renamed");

    // Made read-only by the user while Pipetto ran.
    fs::permissions(path, fs::perms::owner_read);
    EXPECT_THROW(file.save(table), EInOutError);
    EXPECT_EQ(contents(), record("old", "$00000001"));
}

TEST_F(HistoryFileOnDisk, AFileThatMayNotBeWrittenStillLoads) {
    // This test's own program file: the system refuses to open a running program for
    // writing to anyone, root included, so only a read-only open gets through.
    const fs::path running = fs::read_symlink("/proc/self/exe");
    const std::uintmax_t records = fs::file_size(running) / 186;
    HistoryTable table;
    HistoryLoadResult result;
    ASSERT_NO_THROW(result = HistoryFile(running).load(table));
    EXPECT_EQ(result.records_in_file, records);
    EXPECT_EQ(static_cast<std::uintmax_t>(table.count()),
              std::min<std::uintmax_t>(records, HistoryTable::capacity));

    std::ifstream in(running, std::ios::binary);
    char first[186];
    in.read(first, sizeof first);
    EXPECT_EQ(std::memcmp(&table.slot(1), first, sizeof first), 0);
}
