// SPDX-License-Identifier: MIT
#pragma once

#include <string_view>

struct Calculator;

void AddDataValue(Calculator& calc);  // token "data"
void DeleteDataKey(Calculator& calc);  // key_Del
void StatisticsResult(Calculator& calc, std::string_view token);  // "sqr1" ... "strd1"
// Whether the statistics table holds the token.
bool IsStatisticsToken(std::string_view token);
