#include "history/history_table.h"

#include <gtest/gtest.h>

#include <stdexcept>

using namespace pipetto;

namespace {

THistoryEntry entry_named(std::string_view name, std::string_view hex = "$00FFFFFF") {
    THistoryEntry entry{};
    entry.Name.assign(name);
    entry.Hex.assign(hex);
    return entry;
}

} // namespace

TEST(HistoryEntry, TextsAreCutTo30AndADamagedLengthNeverReadsPastItsField) {
    THistoryEntry entry{};
    entry.Name.assign("12345678901234567890123456789012345");
    EXPECT_EQ(entry.Name.text(), "123456789012345678901234567890");
    EXPECT_EQ(entry.Name.length, 30);

    // A shorter text after a longer one leaves no stale bytes behind it.
    entry.Name.assign("abc");
    EXPECT_EQ(entry.Name.text(), "abc");
    EXPECT_EQ(entry.Name.chars[3], '\0');

    entry.Name.assign("abcdefghijklmnopqrstuvwxyzABCD");
    entry.Hex.assign("$00112233");
    entry.Name.length = 200;
    EXPECT_EQ(entry.Name.text(), "abcdefghijklmnopqrstuvwxyzABCD");
    EXPECT_EQ(entry.Hex.text(), "$00112233");
    entry.Ident.assign("white");
    entry.Ident.length = 255;
    EXPECT_EQ(entry.Ident.view().size(), 30u);
    EXPECT_LE(entry.Ident.view().data() + entry.Ident.view().size(),
              reinterpret_cast<const char*>(&entry + 1));
}

TEST(HistoryTable, HoldsAtMost5000EntriesAndNoSlotOutsideThem) {
    HistoryTable table;
    EXPECT_EQ(table.count(), 0);
    EXPECT_EQ(table.slot(1).Name.text(), "");
    EXPECT_EQ(table.slot(HistoryTable::capacity).Ident.text(), "");
    EXPECT_THROW(table.slot(0), std::out_of_range);
    EXPECT_THROW(table.slot(HistoryTable::capacity + 1), std::out_of_range);
    EXPECT_THROW(table.copy_slot(1, HistoryTable::capacity + 1), std::out_of_range);

    for (int i = 1; i <= HistoryTable::capacity; ++i)
        ASSERT_TRUE(table.append(entry_named(std::to_string(i))));
    EXPECT_TRUE(table.full());
    EXPECT_FALSE(table.append(entry_named("one too many")));
    EXPECT_EQ(table.count(), HistoryTable::capacity);
    EXPECT_EQ(table.slot(HistoryTable::capacity).Name.text(), "5000");
}

TEST(HistoryTable, DeletingTheMiddleOfThreeKeepsTheOthersInOrder) {
    HistoryTable table;
    table.append(entry_named("first", "$00000001"));
    table.append(entry_named("second", "$00000002"));
    table.append(entry_named("third", "$00000003"));

    table.remove(2);
    ASSERT_EQ(table.count(), 2);
    EXPECT_EQ(table.slot(1).Name.text(), "first");
    EXPECT_EQ(table.slot(2).Name.text(), "third");
    EXPECT_EQ(table.slot(2).Hex.text(), "$00000003");
    EXPECT_THROW(table.remove(3), std::out_of_range); // free, not live

    table.remove(2); // the last one: nothing moves
    ASSERT_EQ(table.count(), 1);
    EXPECT_EQ(table.slot(1).Name.text(), "first");

    table.clear();
    EXPECT_EQ(table.count(), 0);
    EXPECT_TRUE(table.append(entry_named("after clear")));
    EXPECT_EQ(table.slot(1).Name.text(), "after clear");
}
