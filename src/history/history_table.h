#pragma once
// The kept colours of the current run: 5000 slots numbered 1 to 5000, reserved as one
// block at start-up and never grown, and the count n of live slots 1..n. The history
// list shows exactly the live slots, row k being slot k+1.

#include "history/history_entry.h"

#include <memory>

namespace pipetto {

class HistoryTable {
  public:
    static constexpr int capacity = 5000;

    // Every byte of every slot starts zero: all texts empty.
    HistoryTable();

    int count() const noexcept { return count_; }
    bool full() const noexcept { return count_ == capacity; }

    // Any slot 1..capacity, live or free; std::out_of_range for any other number, so
    // no slot outside the block is ever touched.
    THistoryEntry& slot(int i);
    const THistoryEntry& slot(int i) const;

    // Copies the entry into slot n+1, which becomes live. False, with nothing changed,
    // when all 5000 slots are live.
    bool append(const THistoryEntry& entry);

    // Copies all six texts of one slot onto another.
    void copy_slot(int from, int to);

    // Deletes live slot i: the slots behind it move up by one, in order, and the count
    // drops by one. Slot n keeps a copy of the last entry, which is free from then on.
    void remove(int i);

    // Delete All: no live slot is left; the slots keep their bytes but are free.
    void clear() noexcept { count_ = 0; }

    // The live slots as one block, for writing them out in one piece.
    const THistoryEntry* live_slots() const noexcept { return slots_.get(); }

  private:
    struct FreePages {
        void operator()(THistoryEntry* block) const noexcept;
    };
    std::unique_ptr<THistoryEntry[], FreePages> slots_;
    int count_ = 0;
};

} // namespace pipetto
