// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <string>

#include "core/calculator.h"
#include "memory/recording_messages.h"
#include "memory/register_window_model.h"
#include "memory/scripted_register_chooser.h"
#include "support/key_driver.h"
#include "support/row_name.h"

namespace {

struct SimpleMemoryCase {
    const char* name;
    const char* keys;
    const char* display;
    const char* indicator;
};

class SimpleMemory : public ::testing::TestWithParam<SimpleMemoryCase> {};

INSTANTIATE_TEST_SUITE_P(Keys, SimpleMemory,
                         ::testing::Values(SimpleMemoryCase{"StoreShowsMem", "2 dot 5 Min", "2.5", "MEM"},
                                           SimpleMemoryCase{"StoreZeroClears", "2 Min 0 Min", "0", ""},
                                           SimpleMemoryCase{"NegativeAndTinyCount", "1 exp 5 PM Min", "1", "MEM"},
                                           SimpleMemoryCase{"RecallEmptyShowsZero", "7 Mr", "0.", ""},
                                           SimpleMemoryCase{"RecallBringsTheValue", "2 dot 5 Min AC Mr", "2.5", "MEM"},
                                           SimpleMemoryCase{"StoreEndsTheEntry", "5 Min 0", "0.", "MEM"},
                                           SimpleMemoryCase{"StoredValueIsTheNextOperand", "7 Min plus equal", "7.",
                                                            "MEM"},
                                           SimpleMemoryCase{"AllClearKeepsTheMemory", "4 Min AC", "0.", "MEM"},
                                           SimpleMemoryCase{"StoreWhileTheClockShowsEndsIt", "4 Time Min", "4", "MEM"},
                                           SimpleMemoryCase{"RecallIgnoredInTheErrorState", "4 Min 5 divide 0 equal Mr",
                                                            "*Divide by Zero*", "MEM"}),
                         RowName<SimpleMemoryCase>);

TEST_P(SimpleMemory, StoresAndRecalls) {
    const SimpleMemoryCase& c = GetParam();
    Calculator calc;
    StartCalculator(calc);
    PressKeys(calc, c.keys);
    EXPECT_EQ(calc.panel.DisplayBox.substr(0, std::string(c.display).size()), c.display);
    EXPECT_EQ(calc.panel.Mem_Indicator, c.indicator);
}

TEST(SimpleMemory, StoreInTheErrorStateTakesTheDisplayValue) {
    Calculator calc;
    StartCalculator(calc);
    PressKeys(calc, "6 plus 5 divide 0 equal Min");
    EXPECT_TRUE(calc.entry.ErrorLocked);
    EXPECT_EQ(calc.memory.MemoryValue, calc.formula.DisplayValue.Number());
}

// A calculator with the register window driven by scripts and questions recorded.
class Registers : public ::testing::Test {
protected:
    void SetUp() override {
        calc.platform.registers = &chooser;
        calc.platform.messages = &messages;
        StartCalculator(calc);
    }
    void Choose(int number, std::optional<std::string> description = std::nullopt) {
        chooser.SetNext({number, std::move(description), {}});
    }
    Calculator calc;
    ScriptedRegisterChooser chooser;
    RecordingMessages messages;
};

TEST_F(Registers, StoreKeepsValueAndDescription) {
    Choose(7, "  Width ");
    PressKeys(calc, "4 Kin");
    EXPECT_EQ(calc.memory.MemoryRegisters[6].Value, 4.0);
    EXPECT_EQ(calc.memory.MemoryRegisters[6].Description, "Width");
    EXPECT_TRUE(messages.questions.empty());
}

TEST_F(Registers, StoreWithoutTypingKeepsTheBoxText) {
    Choose(1);
    PressKeys(calc, "4 Kin");
    EXPECT_EQ(calc.memory.MemoryRegisters[0].Description, "No specified description");
}

TEST_F(Registers, OverwriteIsAskedAndNoChangesNothing) {
    calc.memory.MemoryRegisters[6] = {3.0, "old"};
    messages.answers = {false};
    Choose(7, "new");
    PressKeys(calc, "4 Kin");
    EXPECT_EQ(calc.memory.MemoryRegisters[6].Value, 3.0);
    EXPECT_EQ(calc.memory.MemoryRegisters[6].Description, "old");
    ASSERT_EQ(messages.questions.size(), 1u);
    EXPECT_EQ(messages.questions[0], "Warning|Do you wish to OVERWRITE Reg-007 ?");
}

TEST_F(Registers, ZeroRegisterWithDescriptionIsNotAsked) {
    calc.memory.MemoryRegisters[2] = {0.0, "kept"};
    Choose(3);
    PressKeys(calc, "9 Kin");
    EXPECT_TRUE(messages.questions.empty());
    EXPECT_EQ(calc.memory.MemoryRegisters[2].Value, 9.0);
}

TEST_F(Registers, RecallOfAClearedRegisterShowsZero) {
    Choose(50);
    PressKeys(calc, "8 Kout");
    EXPECT_EQ(calc.panel.DisplayBox, "0.");
}

TEST_F(Registers, SwapExchangesDisplayAndRegister) {
    calc.memory.MemoryRegisters[0].Value = 7;
    Choose(1, "ignored");
    PressKeys(calc, "5 XtoK");
    EXPECT_EQ(calc.panel.DisplayBox, "7.");
    EXPECT_EQ(calc.memory.MemoryRegisters[0].Value, 5.0);
    EXPECT_EQ(calc.memory.MemoryRegisters[0].Description, "");
    EXPECT_TRUE(calc.memory.MemorySwapTemp.IsEmpty());
}

TEST_F(Registers, AddAndSubtractLeaveTheDisplay) {
    calc.memory.MemoryRegisters[1].Value = 3;
    Choose(2);
    PressKeys(calc, "2 Mplus");
    EXPECT_EQ(calc.memory.MemoryRegisters[1].Value, 5.0);
    EXPECT_EQ(calc.panel.DisplayBox.substr(0, 1), "2");
    Choose(2);
    PressKeys(calc, "Mminus Mminus");  // the second opening has no script: it leaves
    EXPECT_EQ(calc.memory.MemoryRegisters[1].Value, 3.0);
    PressKeys(calc, "plus equal");  // the display value is the next operand
    EXPECT_EQ(calc.panel.DisplayBox, "2.");
}

TEST_F(Registers, StoreWhileTheClockShowsOnlyEndsIt) {
    Choose(1);
    PressKeys(calc, "4 Time Kin");
    EXPECT_FALSE(calc.modes.ClockShowing);
    EXPECT_EQ(calc.memory.MemoryRegisters[0].Value, 0.0);
}

TEST_F(Registers, StoreIsIgnoredInTheErrorState) {
    Choose(1);
    PressKeys(calc, "1 divide 0 equal Kin");
    EXPECT_EQ(calc.memory.MemoryRegisters[0].Value, 0.0);
}

TEST_F(Registers, LeavingTheWindowChangesNothing) {
    PressKeys(calc, "4 Kin");
    EXPECT_EQ(calc.memory.MemoryRegisters, RegisterBank{});
    EXPECT_EQ(calc.memory.ChosenRegister, -1);
}

TEST_F(Registers, DeleteClearsTheTickedRegisters) {
    calc.memory.MemoryRegisters[0] = {1.0, "a"};
    calc.memory.MemoryRegisters[4] = {5.0, "e"};
    calc.memory.MemoryRegisters[9] = {10.0, "j"};
    chooser.SetNext({0, {}, {1, 10}});
    PressKeys(calc, "KAC");
    EXPECT_EQ(calc.memory.MemoryRegisters[0].Value, 0.0);
    EXPECT_EQ(calc.memory.MemoryRegisters[0].Description, "");
    EXPECT_EQ(calc.memory.MemoryRegisters[4].Value, 5.0);
    EXPECT_EQ(calc.memory.MemoryRegisters[9].Value, 0.0);
    EXPECT_EQ(messages.questions, (std::vector<std::string>{"Warning|Are you sure you want to delete Selected Data?"}));
}

struct EndCase {
    const char* name;
    const char* key;
    const char* display;  // "DisplayBox|ExpoBox" after the key and "2 exp 4"
};

void PrintTo(const EndCase& c, std::ostream* os) { *os << c.key; }

class RegisterKeysEndTheNumber : public Registers, public ::testing::WithParamInterface<EndCase> {};

INSTANTIATE_TEST_SUITE_P(Keys, RegisterKeysEndTheNumber,
                         ::testing::Values(EndCase{"RecallRegister", "Kout", "2.| 04"},
                                           EndCase{"ExchangeWithRegister", "XtoK", "2.| 04"},
                                           EndCase{"AddToRegister", "Mplus", "2.| 04"},
                                           EndCase{"SubtractFromRegister", "Mminus", "2.| 04"},
                                           // Kin stores without ending the entry: the digit goes on with the exponent.
                                           EndCase{"StoreInRegister", "Kin", "5.|-24"}),
                         RowName<EndCase>);

TEST_P(RegisterKeysEndTheNumber, WithItsKeyedExponent) {
    Choose(1);
    PressKeys(calc, std::string("5 exp 3 PM ") + GetParam().key + " 2 exp 4");
    EXPECT_EQ(calc.panel.DisplayBox + "|" + calc.panel.ExpoBox, GetParam().display);
}

TEST(RegisterList, ValueTexts) {
    EXPECT_EQ(RegisterValueText(0), "   0.0");
    EXPECT_EQ(RegisterValueText(2.5), "   2.5");
    EXPECT_EQ(RegisterValueText(1.0 / 3), "   0.333333333333333");
    EXPECT_EQ(RegisterValueText(-123456789012345.0), "   -1.23456789012345E+14");
    EXPECT_EQ(PreviewValueText(-123456789012345.0), "   -123456789012345.0");
    RegisterBank bank{};
    const auto items = FillRegisterList(bank);
    ASSERT_EQ(items.size(), 100u);
    EXPECT_EQ(items[0].Address, "Reg-001");
    EXPECT_EQ(items[99].Address, "Reg-100");
}

TEST(RegisterWindow, ModesSetTheirTexts) {
    Calculator calc;
    calc.memory.MemoryFormMode = kModeMinus;
    RegisterWindowModel minus(calc);
    EXPECT_EQ(minus.Caption, "Memory MINUS");
    EXPECT_EQ(minus.Prompt, "Choose memory address to SUBTRACT value from.");
    EXPECT_EQ(minus.OKCaption, "Apply");
    EXPECT_EQ(minus.FrameCaption, "Specify Description");
    EXPECT_FALSE(minus.OKEnabled);
    calc.memory.MemoryFormMode = kModeRecall;
    RegisterWindowModel recall(calc);
    EXPECT_FALSE(recall.DescriptionEditable);
    EXPECT_EQ(recall.FrameCaption, "Description");
}

TEST(RegisterWindow, ClickPreviewsAndRestoresThePreviousItem) {
    Calculator calc;
    StartCalculator(calc);
    PressKeys(calc, "2");
    calc.memory.MemoryRegisters[0].Value = 3;
    calc.memory.MemoryRegisters[1] = {1.0, "  one  "};
    calc.memory.MemoryFormMode = kModeAdd;
    RegisterWindowModel window(calc);
    window.ItemClick(1);
    EXPECT_TRUE(window.OKEnabled);
    EXPECT_EQ(window.Items[0].Value, "   5.0");
    EXPECT_EQ(window.DescBox, "No specified description");
    window.ItemClick(2);
    EXPECT_EQ(window.Items[0].Value, "   3.0");
    EXPECT_EQ(window.Items[1].Value, "   3.0");
    EXPECT_EQ(window.DescBox, "one");
    EXPECT_EQ(calc.memory.MemoryRegisters[0].Value, 3.0);
}

TEST(RegisterWindow, DeleteModeFollowsTheCheckMarks) {
    Calculator calc;
    calc.memory.MemoryFormMode = kModeDelete;
    for (int i = 0; i < kRegisterCount; ++i) calc.memory.MemoryRegisters[i].Value = 1;
    RegisterWindowModel window(calc);
    EXPECT_TRUE(window.CheckBoxes);
    window.ItemClick(3);
    EXPECT_FALSE(window.OKEnabled);
    window.ItemCheck(3, true);
    EXPECT_TRUE(window.OKEnabled);
    window.ClearChecks();
    EXPECT_FALSE(window.OKEnabled);
    window.SelectAll();
    EXPECT_FALSE(window.PressOK());  // the window stays open
    EXPECT_EQ(calc.memory.MemoryRegisters, RegisterBank{});
    EXPECT_FALSE(window.OKEnabled);
    EXPECT_EQ(window.CountChecked(), 0);
}

}  // namespace
