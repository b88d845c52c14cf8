// SPDX-License-Identifier: MIT
// A million random key presses: nothing may crash, and the display and the tape must keep their
// form.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "core/calculator.h"
#include "keys/dispatch.h"
#include "keys/key_table.h"
#include "keys/mode_controls.h"
#include "support/key_driver.h"
#include "tape/paper_tape.h"

namespace {

int DigitCount(const std::string& s) {
    int n = 0;
    for (char c : s) n += c >= '0' && c <= '9';
    return n;
}

// "*Infinity*" is the error text; what must never show is a printed NaN or infinity.
bool HasNonFiniteText(const std::string& s) {
    return s.find("nan") != std::string::npos || s.find("inf") != std::string::npos ||
           s.find("NaN") != std::string::npos || s.find("INF") != std::string::npos;
}

TEST(Soak, MillionRandomKeysKeepTheDisplaySound) {
    // Every face key; the window keys find no picker here and change nothing.
    std::vector<const FaceKey*> keys;
    for (const FaceKey& k : FaceKeys()) keys.push_back(&k);
    std::mt19937 random(20261208);
    std::uniform_int_distribution<std::size_t> pickKey(0, keys.size() + 8);
    PaperTape tape;
    Calculator calc;
    calc.platform.tape = &tape;
    StartCalculator(calc);
    std::string recent;  // the last keys, for the failure message
    for (int i = 0; i < 1'000'000; ++i) {
        const std::size_t k = pickKey(random);
        recent = (recent.size() > 300 ? recent.substr(recent.size() - 300) : recent) + " " +
                 (k < keys.size() ? std::string(keys[k]->name) : "mode" + std::to_string(k - keys.size()));
        if (k < keys.size()) {
            ClickKey(calc, *keys[k]);
        } else {
            switch (k - keys.size()) {
            case 0: FxnButton_Click(calc); break;
            case 1: ScnButton_Click(calc); break;
            case 2: StdButton_Click(calc); break;
            case 3: PrecBox_Click(calc, static_cast<int>(random() % 15)); break;
            case 4: RadButton_Click(calc); break;
            case 5: GradButton_Click(calc); break;
            case 6: DegButton_Click(calc); break;
            default: ClickKey(calc, *FindFaceKey("key_AC")); break;
            }
        }
        const DisplayPanel& p = calc.panel;
        ASSERT_LE(DigitCount(p.DisplayBox), 15) << p.DisplayBox << " after" << recent;
        ASSERT_TRUE(p.ExpoBox.empty() || p.ExpoBox.size() == 3) << "[" << p.ExpoBox << "] after" << recent;
        ASSERT_FALSE(HasNonFiniteText(p.DisplayBox + p.ExpoBox)) << p.DisplayBox << " after" << recent;
        ASSERT_TRUE(tape.Lines().empty() || !HasNonFiniteText(tape.Lines().back())) << tape.Lines().back();
    }
}

}  // namespace
