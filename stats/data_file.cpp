// SPDX-License-Identifier: MIT
#include "stats/data_file.h"

#include <cmath>
#include <string>
#include <utility>

#include "display/number_text.h"
#include "files/little_endian.h"

namespace {

FileFault PastEnd(const std::string& where) { return {kFaultPastEnd, "Input past end of file in " + where}; }

FileFault WrongType(std::uint64_t tag, const std::string& where) {
    return {kFaultCellType, "Type mismatch: cell type " + PlainText(static_cast<double>(tag)) + " in " + where};
}

std::string ValueName(std::uint64_t index) { return "value " + PlainText(static_cast<double>(index + 1)); }

// Reads the array after its tag; values before any damage are kept in `content`.
void DecodeArray(ByteReader& reader, DataFileContent& content) {
    const auto dimensions = reader.Unsigned(2);
    const auto count = reader.Unsigned(4);
    const auto lowerBound = reader.Unsigned(4);
    if (!dimensions || !count || !lowerBound) {
        content.fault = PastEnd("the array header");
        return;
    }
    if (*dimensions != 1 || *lowerBound != 0) {
        content.fault = {kFaultBadRecord, "Subscript out of range: the array is not a list"};
        return;
    }
    // Each element is read only once its bytes are there, so a huge count costs nothing.
    std::vector<double> values;
    for (std::uint64_t i = 0; i < *count; ++i) {
        const auto tag = reader.Unsigned(2);
        if (!tag) {
            content.fault = PastEnd(ValueName(i));
            break;
        }
        if (*tag != kTagDouble) {
            content.fault = WrongType(*tag, ValueName(i));
            break;
        }
        const auto value = reader.Double();
        if (!value) {
            content.fault = PastEnd(ValueName(i));
            break;
        }
        if (!std::isfinite(*value)) {
            content.fault = {kFaultBadValue, "Overflow: " + ValueName(i) + " is not a finite number"};
            break;
        }
        values.push_back(*value);
    }
    content.data = DataSetCell::FromValues(std::move(values));
}

}  // namespace

DataFileContent DecodeDataFile(std::span<const unsigned char> bytes) {
    DataFileContent content;
    if (bytes.empty()) return content;
    ByteReader reader(bytes);
    const auto tag = reader.Unsigned(2);
    if (!tag) {
        content.fault = PastEnd("the cell type");
        return content;
    }
    switch (*tag) {
    case kTagEmpty: break;
    case kTagText: {
        const auto length = reader.Unsigned(2);
        if (!length) {
            content.fault = PastEnd("the text length");
        } else if (*length != 0) {
            content.fault = WrongType(*tag, "place of the data set");
        } else {
            content.data = DataSetCell::EmptyText();
        }
        break;
    }
    case kTagArray: DecodeArray(reader, content); break;
    default: content.fault = WrongType(*tag, "place of the data set");
    }
    if (!content.fault && !reader.AtEnd())
        content.fault = {kFaultBadRecord, PlainText(static_cast<double>(reader.Left())) + " bytes after the data set"};
    return content;
}

std::vector<unsigned char> EncodeDataFile(const DataSetCell& data) {
    std::vector<unsigned char> out;
    if (data.HasElements()) {
        out.reserve(12 + 10 * data.Values().size());
        PutUnsigned(out, kTagArray, 2);
        PutUnsigned(out, 1, 2);
        PutUnsigned(out, data.Values().size(), 4);
        PutUnsigned(out, 0, 4);
        for (double v : data.Values()) {
            PutUnsigned(out, kTagDouble, 2);
            PutDouble(out, v);
        }
    } else if (data.kind() == DataSetCell::Kind::EmptyText) {
        PutUnsigned(out, kTagText, 2);
        PutUnsigned(out, 0, 2);
    } else {
        PutUnsigned(out, kTagEmpty, 2);
    }
    return out;
}

bool LoadDataFile(DataSetCell& data, StoredFile& file, MessageService* messages) {
    return LoadStoredFile(file, data, kMaxDataFileBytes, messages, [](const auto& bytes, DataSetCell& target) {
        DataFileContent content = DecodeDataFile(bytes);
        target = std::move(content.data);
        return content.fault;
    });
}

void SaveDataFile(const DataSetCell& data, StoredFile& file, SaveWhen when, MessageService* messages) {
    SaveStoredFile(file, EncodeDataFile(data), when, messages);
}
