#include "history/history_table.h"

#include <stdexcept>
#include <string>

namespace pipetto {

namespace {

void check_slot_number(int i) {
    if (i < 1 || i > HistoryTable::capacity)
        throw std::out_of_range("history slot " + std::to_string(i) + " outside 1.." +
                                std::to_string(HistoryTable::capacity));
}

} // namespace

// Value-initialised, so the whole block is zero.
HistoryTable::HistoryTable() : slots_(std::make_unique<THistoryEntry[]>(capacity)) {}

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
