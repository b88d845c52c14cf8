// SPDX-License-Identifier: MIT
#include "core/undo_history.h"

#include <string>
#include <unordered_set>
#include <utility>

namespace {

// Hands each group a slot keeps whole to `op` with the live one: the one list of them.
template <class Slot, class Live, class Op>
void EachGroup(Slot& slot, Live& calc, Op op) {
    op(slot.panel, calc.panel);
    op(slot.entry, calc.entry);
    op(slot.formula, calc.formula);
    op(slot.conversion, calc.conversion);
    op(slot.views, calc.views);
    op(slot.modes, calc.modes);
    op(slot.memory, calc.memory);
}

void Exchange(auto& slot, Calculator& calc) {
    const bool readOut = calc.modes.ReadOutLoudOn;
    EachGroup(slot, calc, [](auto& kept, auto& live) { std::swap(kept, live); });
    calc.modes.ReadOutLoudOn = readOut;
}

std::size_t Bytes(const std::string& s) { return s.capacity() > std::string().capacity() ? s.capacity() + 1 : 0; }
std::size_t Bytes(const ValueCell& cell) { return cell.IsText() ? Bytes(cell.Text()) : 0; }
std::size_t Bytes(const FormulaStack& stack) { return stack.capacity() * sizeof(FormulaNode); }

template <class... Parts>
std::size_t Sum(const Parts&... parts) {
    return (Bytes(parts) + ...);
}

// Every string and list of the small groups, by capacity.
std::size_t HeapBytes(const auto& slot) {
    const DisplayPanel& p = slot.panel;
    const EntryState& e = slot.entry;
    const FormulaState& f = slot.formula;
    const ConversionState& c = slot.conversion;
    const ModeState& m = slot.modes;
    std::size_t bytes = f.OperatorRepeats.capacity() * sizeof(std::string);
    for (const std::string& op : f.OperatorRepeats) bytes += Bytes(op);
    return bytes +
           Sum(p.DisplayBox, p.ExpoBox, p.Mem_Indicator, p.CCalc_Indicator, p.Mode_Indicator, p.DispMode_Indicator,
               p.OperatorIndicator, p.DateBox) +
           Sum(e.KeyToken, e.EntryText, e.MantissaText, e.ExponentDigits, e.ParkedResult, e.FractionText,
               e.SexagesimalStage) +
           Sum(f.Accumulator, f.OperandStack, f.FormulaBeforeOperator, f.LastOperator, f.ConstantOperator,
               f.ConstantOperand, f.DisplayValue, f.DisplaySource, f.TapeFormula, f.TapeConstant) +
           Sum(c.SwapRegister, c.ConversionR, c.ConversionX, slot.views.ImproperFractionText) +
           Sum(m.FixDecimals, m.SciDecimals, m.LastFixDecimals, m.LastSciDecimals) +
           Sum(slot.memory.MemorySwapTemp, slot.memory.ChosenDescription, slot.memory.ChosenConstant);
}

}  // namespace

void UndoHistory::Record(const Calculator& calc) {
    FollowOutsideChange(calc);
    for (; redoCount_ > 0; --redoCount_) At(undoCount_ + redoCount_ - 1).data = {};
    if (undoCount_ == kUndoSteps) {
        At(0).data = {};
        first_ = (first_ + 1) % kUndoSteps;
        --undoCount_;
    }
    EachGroup(At(undoCount_++), calc, [](auto& kept, const auto& live) { kept = live; });
}

void UndoHistory::Settle(const Calculator& calc) {
    const DataSetCell& data = calc.statistics.StatData;
    if (data.Revision() == dataRevision_) return;
    dataRevision_ = data.Revision();
    DataSetChange change(data_, data);
    change.Redo(data_);
    At(undoCount_ - 1).data = std::move(change);
}

void UndoHistory::FollowOutsideChange(const Calculator& calc) {
    const DataSetCell& data = calc.statistics.StatData;
    if (data.Revision() == dataRevision_) return;
    for (Slot& slot : slots_) slot.data = {};
    undoCount_ = redoCount_ = 0;
    data_ = {data.kind(), data.Values()};
    dataRevision_ = data.Revision();
}

void UndoHistory::Apply(Calculator& calc, const DataSetContent& content) {
    calc.statistics.StatData = ToCell(content);
    dataRevision_ = calc.statistics.StatData.Revision();
}

bool UndoHistory::Undo(Calculator& calc) {
    FollowOutsideChange(calc);
    if (undoCount_ == 0) return false;
    --undoCount_;
    ++redoCount_;
    Slot& slot = At(undoCount_);
    Exchange(slot, calc);
    if (!slot.data.Empty()) {
        slot.data.Undo(data_);
        Apply(calc, data_);
    }
    return true;
}

bool UndoHistory::Redo(Calculator& calc) {
    FollowOutsideChange(calc);
    if (redoCount_ == 0) return false;
    Slot& slot = At(undoCount_);
    ++undoCount_;
    --redoCount_;
    Exchange(slot, calc);
    if (!slot.data.Empty()) {
        slot.data.Redo(data_);
        Apply(calc, data_);
    }
    return true;
}

std::size_t UndoHistory::HeldBytes(const Calculator& calc) const {
    std::size_t bytes = sizeof(*this) + data_.values.capacity() * sizeof(double);
    std::unordered_set<const void*> counted;
    for (const Slot& slot : slots_)
        bytes += HeapBytes(slot) + slot.data.HeldBytes() +
                 slot.memory.MemoryRegisters.BytesBeyond(calc.memory.MemoryRegisters, counted);
    return bytes;
}
