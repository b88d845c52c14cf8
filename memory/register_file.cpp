// SPDX-License-Identifier: MIT
#include "memory/register_file.h"

#include <cmath>
#include <string>

#include "display/number_text.h"
#include "files/ansi_text.h"
#include "files/little_endian.h"

namespace {

constexpr std::size_t kMaxDescriptionBytes = 0xFFFF;

FileFault PastEnd(int index) {
    return {kFaultPastEnd, "Input past end of file in the record of " + RegisterLabel(index)};
}

}  // namespace

RegisterFileContent DecodeRegisterFile(std::span<const unsigned char> bytes) {
    RegisterFileContent content;
    ByteReader reader(bytes);
    for (int i = 0; i < kRegisterCount && !reader.AtEnd(); ++i) {
        const auto value = reader.Double();
        const auto length = reader.Unsigned(2);
        if (!value || !length) {
            content.fault = PastEnd(i);
            break;
        }
        const auto text = reader.Bytes(*length);
        if (!text) {
            content.fault = PastEnd(i);
            break;
        }
        if (!std::isfinite(*value)) {
            content.fault = {kFaultBadValue, "Overflow: the value of " + RegisterLabel(i) + " is not a finite number"};
            break;
        }
        content.registers[i].Value = *value;
        content.registers[i].Description = AnsiToUtf8(std::string(text->begin(), text->end()));
    }
    if (!content.fault && !reader.AtEnd())
        content.fault = {kFaultBadRecord,
                         PlainText(static_cast<double>(reader.Left())) + " bytes after the last record"};
    return content;
}

std::vector<unsigned char> EncodeRegisterFile(const RegisterBank& registers) {
    std::vector<unsigned char> out;
    for (int i = 0; i < kRegisterCount; ++i) {
        const MemoryRegister& reg = registers[i];
        std::string text = Utf8ToAnsi(reg.Description);
        if (text.size() > kMaxDescriptionBytes) text.resize(kMaxDescriptionBytes);
        PutDouble(out, reg.Value);
        PutUnsigned(out, text.size(), 2);
        out.insert(out.end(), text.begin(), text.end());
    }
    return out;
}

bool LoadRegisterFile(RegisterBank& registers, StoredFile& file, MessageService* messages) {
    return LoadStoredFile(file, registers, kMaxRegisterFileBytes, messages,
                          [](const auto& bytes, RegisterBank& target) {
                              RegisterFileContent content = DecodeRegisterFile(bytes);
                              target = std::move(content.registers);
                              return content.fault;
                          });
}

void SaveRegisterFile(const RegisterBank& registers, StoredFile& file, SaveWhen when, MessageService* messages) {
    SaveStoredFile(file, EncodeRegisterFile(registers), when, messages);
}
