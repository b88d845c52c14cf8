// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#include "core/calculator.h"
#include "core/data_set_change.h"

// The keys the user can take back, up to kUndoSteps keys. Before each key the history copies the
// calculator's small groups into a ring of slots made once, whose strings keep their capacity
// from key to key; the register bank is shared with the live one until a key stores into it; of
// the data set it keeps only what the key took out and put in, against one copy of the set as
// the last key left it. Undo exchanges the live state with the slot, which then holds the state
// for Redo. The window's read-out preference is not the calculator's to undo and stays as it is.
//
// The data set changes only in keys: a change found between them (start-up loads the file) does
// not follow from the steps kept, which are dropped.
class UndoHistory {
public:
    static constexpr int kUndoSteps = 100;

    // One key: the state it starts from is kept, the steps undone before it are dropped.
    template <class Step>
    void Key(Calculator& calc, Step&& step) {
        Record(calc);
        step(calc);
        Settle(calc);
    }

    // The state before the last key comes back; false when there is no key to take back.
    bool Undo(Calculator& calc);
    // The key undone last is done again; false when there is none.
    bool Redo(Calculator& calc);

    bool CanUndo() const { return undoCount_ > 0; }
    bool CanRedo() const { return redoCount_ > 0; }

    // The bytes the history holds besides the live calculator, by capacity: the slots and their
    // strings, the registers no longer shared with the live bank, the data set changes and the
    // copy of the set they apply to.
    std::size_t HeldBytes(const Calculator& calc) const;

private:
    struct Slot {
        DisplayPanel panel;
        EntryState entry;
        FormulaState formula;
        ConversionState conversion;
        FunctionViews views;
        ModeState modes;
        MemoryState memory;
        DataSetChange data;
    };

    void Record(const Calculator& calc);
    void Settle(const Calculator& calc);
    // Drops every step when the data set changed outside a key.
    void FollowOutsideChange(const Calculator& calc);
    Slot& At(int step) { return slots_[static_cast<std::size_t>((first_ + step) % kUndoSteps)]; }
    void Apply(Calculator& calc, const DataSetContent& content);

    std::array<Slot, kUndoSteps> slots_{};
    int first_ = 0;  // the slot of the oldest step
    int undoCount_ = 0;  // the steps that follow it for Undo,
    int redoCount_ = 0;  // then those for Redo
    DataSetContent data_;  // the data set as the last step left it
    std::uint64_t dataRevision_ = 0;  // its revision then
};
