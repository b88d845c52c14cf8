// SPDX-License-Identifier: MIT
#pragma once

#include <gtest/gtest.h>

#include <string>

// Names each row of a parameterised table by its `name` field, so a failure says which row.
template <class Row>
std::string RowName(const testing::TestParamInfo<Row>& info) {
    return info.param.name;
}
