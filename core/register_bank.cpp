// SPDX-License-Identifier: MIT
#include "core/register_bank.h"

#include "display/number_text.h"

namespace {

// What std::make_shared puts before the object: the vtable pointer and the two counts.
constexpr std::size_t kSharedBlockCounts = 2 * sizeof(void*);

}  // namespace

// Every new bank starts as a share of one cleared bank; the first store makes it its own.
RegisterBank::RegisterBank() {
    static const std::shared_ptr<Slots> cleared = [] {
        auto slots = std::make_shared<Slots>();
        slots->fill(std::make_shared<MemoryRegister>());
        return slots;
    }();
    slots_ = cleared;
}

MemoryRegister& RegisterBank::operator[](int index) {
    if (slots_.use_count() > 1) slots_ = std::make_shared<Slots>(*slots_);
    std::shared_ptr<MemoryRegister>& slot = (*slots_)[index];
    if (slot.use_count() > 1) slot = std::make_shared<MemoryRegister>(*slot);
    return *slot;
}

bool RegisterBank::operator==(const RegisterBank& other) const {
    if (slots_ == other.slots_) return true;
    for (int i = 0; i < kRegisterCount; ++i)
        if ((*this)[i] != other[i]) return false;
    return true;
}

std::size_t RegisterBank::BytesBeyond(const RegisterBank& live, std::unordered_set<const void*>& counted) const {
    if (slots_ == live.slots_ || !counted.insert(slots_.get()).second) return 0;
    std::size_t bytes = kSharedBlockCounts + sizeof(Slots);
    for (int i = 0; i < kRegisterCount; ++i) {
        const MemoryRegister* reg = (*slots_)[i].get();
        if (reg == (*live.slots_)[i].get() || !counted.insert(reg).second) continue;
        bytes += kSharedBlockCounts + sizeof(MemoryRegister);
        if (reg->Description.capacity() > std::string().capacity()) bytes += reg->Description.capacity() + 1;
    }
    return bytes;
}

std::string RegisterLabel(int index) { return "Reg-" + FormatPattern(index + 1, "000"); }
