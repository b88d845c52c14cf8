// SPDX-License-Identifier: MIT
// The dispatcher hands a function key to the routine whose table holds its token: a token two
// tables hold would reach only the first, and a table no key reaches is a routine cut off.
#include <gtest/gtest.h>

#include <string>

#include "functions/function_keys.h"
#include "keys/key_table.h"
#include "stats/stat_keys.h"

namespace {

struct Routine {
    const char* name;
    bool (*holds)(std::string_view token);
};

constexpr Routine kRoutines[] = {
    {"UnaryFunction", IsUnaryFunctionToken},
    {"TrigFunction", IsTrigFunctionToken},
    {"StatisticsResult", IsStatisticsToken},
};

TEST(FunctionTokens, EachFunctionKeyBelongsToExactlyOneRoutine) {
    for (const Routine& routine : kRoutines) {
        int keys = 0;
        for (const FaceKey& key : FaceKeys()) {
            if (key.token.empty() || !routine.holds(key.token)) continue;
            ++keys;
            std::string others;
            for (const Routine& other : kRoutines)
                if (&other != &routine && other.holds(key.token)) others += std::string(" ") + other.name;
            EXPECT_TRUE(others.empty()) << key.name << " (\"" << key.token << "\") also belongs to" << others;
        }
        EXPECT_GT(keys, 0) << "no face key reaches " << routine.name;
    }
}

}  // namespace
