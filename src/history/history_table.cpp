#include "history/history_table.h"

#include <stdexcept>
#include <string>

#include "framework/core/zeroed_pages.h"

namespace pipetto {

namespace {

void check_slot_number(int i) {
    if (i < 1 || i > HistoryTable::capacity)
        throw std::out_of_range("history slot " + std::to_string(i) + " outside 1.." +
                                std::to_string(HistoryTable::capacity));
}

} // namespace

// Zero pages, which take memory only as the slots are used: an empty history doesn't hold
// 930 KB from the start. The entries are plain bytes, so zero bytes are empty entries.
HistoryTable::HistoryTable()
    : slots_(static_cast<THistoryEntry*>(allocate_zeroed_pages(capacity * sizeof(THistoryEntry)))) {
}

void HistoryTable::FreePages::operator()(THistoryEntry* block) const noexcept {
    free_zeroed_pages(block);
}

THistoryEntry& HistoryTable::slot(int i) {
    check_slot_number(i);
    return slots_[i - 1];
}

const THistoryEntry& HistoryTable::slot(int i) const {
    check_slot_number(i);
    return slots_[i - 1];
}

bool HistoryTable::append(const THistoryEntry& entry) {
    if (full())
        return false;
    slots_[count_] = entry;
    ++count_;
    return true;
}

void HistoryTable::copy_slot(int from, int to) {
    slot(to) = slot(from);
}

void HistoryTable::remove(int i) {
    if (i < 1 || i > count_)
        throw std::out_of_range("history slot " + std::to_string(i) + " is not live");
    for (int k = i; k < count_; ++k)
        copy_slot(k + 1, k);
    --count_;
}

} // namespace pipetto
