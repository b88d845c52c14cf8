// SPDX-License-Identifier: MIT
#include "core/key_words.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/calculator.h"
#include "keys/key_names.h"
#include "keys/key_table.h"
#include "support/key_driver.h"
#include "support/row_name.h"

namespace {

class RecordingSpeech final : public SpeechOutput {
public:
    void Speak(const std::string& text) override { spoken.push_back(text); }
    std::vector<std::string> spoken;
};

struct ReadingCase {
    const char* name;
    const char* displayBox;
    const char* expoBox;
    const char* reading;
};

class ResultReadingTest : public testing::TestWithParam<ReadingCase> {};

TEST_P(ResultReadingTest, SpellsTheShownResult) {
    EXPECT_EQ(ResultReading(GetParam().displayBox, GetParam().expoBox), GetParam().reading);
}

INSTANTIATE_TEST_SUITE_P(
    Readings, ResultReadingTest,
    testing::Values(ReadingCase{"Whole", "14.", "", "= 14"}, ReadingCase{"NegativeWhole", "-42.", "", "= negative 42"},
                    ReadingCase{"FixedTrailingZerosDropped", "0.50", "", "= 0.5"},
                    ReadingCase{"BlanksAround", "  3.25 ", "", "= 3.25"},
                    ReadingCase{"NegativeExponent", "-1.2", "-05", "= negative 1.2times 10 to the power negative5"},
                    ReadingCase{"PositiveExponent", "1.5", "12", "= 1.5times 10 to the power12"},
                    ReadingCase{"ZeroExponentField", "2.5", "00", "= 2.5"},
                    ReadingCase{"ErrorText", "*Divide by Zero*", "", ""}, ReadingCase{"ClockTime", "12:30:05", "", ""}),
    RowName<ReadingCase>);

TEST(SpeechWithoutVoice, NullVoiceIsSilent) {
    Calculator calc;
    calc.modes.ReadOutLoudOn = true;
    SpeakKeyWord(calc, "7");
    SpeakResult(calc);
    SUCCEED();
}

// Keys pressed through their click handlers with read-out on, and every text the voice got.
struct KeySpeechCase {
    const char* name;
    const char* keys;
    std::vector<std::string> spoken;
};

class KeySpeechTest : public testing::TestWithParam<KeySpeechCase> {};

TEST_P(KeySpeechTest, SpeaksTheKeyWords) {
    RecordingSpeech voice;
    Calculator calc{Platform{&voice}};
    StartCalculator(calc);
    calc.modes.ReadOutLoudOn = true;
    PressKeys(calc, GetParam().keys);
    EXPECT_EQ(voice.spoken, GetParam().spoken);
}

INSTANTIATE_TEST_SUITE_P(Keys, KeySpeechTest,
                         testing::Values(KeySpeechCase{"SumAndResult", "1 plus 2 equal", {"1", "+", "2", "= 3"}},
                                         KeySpeechCase{"OperatorWords",
                                                       "8 minus 6 multiply 2 divide 4 equal",
                                                       {"8", "minus", "6", "times", "2", "divided by", "4", "= 5"}},
                                         KeySpeechCase{"PowerAndFunctions",
                                                       "2 Xy 3 equal Sqrt PI",
                                                       {"2", "to the power", "3", "= 8", "square root", "pi"}},
                                         KeySpeechCase{"SmallNegativeResult",
                                                       "0 minus 1 dot 2 exp 5 PM equal",
                                                       {"0", "minus", "1", ".", "2", "exponent", "5",
                                                        "= negative 1.2times 10 to the power negative5"}},
                                         KeySpeechCase{"SignOnlyWhenNegative", "5 PM PM", {"5", "negative"}},
                                         KeySpeechCase{"ClearKeysSpeakEmptyText", "7 C AC", {"7", "", ""}},
                                         KeySpeechCase{"KeysWithoutWordsAreSilent", "5 Data Frc Ers", {"5"}},
                                         KeySpeechCase{"ErrorSpokenThenSilenceUntilAC",
                                                       "5 divide 0 equal 7 C Sqrt AC 4",
                                                       {"5", "divided by", "0", "Error :::: Divide by Zero", "", "4"}}),
                         RowName<KeySpeechCase>);

TEST(KeySpeech, ReadOutOffKeepsEveryKeySilent) {
    RecordingSpeech voice;
    Calculator calc{Platform{&voice}};
    StartCalculator(calc);
    PressKeys(calc, "1 plus 2 equal 5 divide 0 equal AC PM");
    EXPECT_TRUE(voice.spoken.empty());
}

// A listening screen reader announces the display itself: the voice keeps the key words only.
TEST(KeySpeech, ScreenReaderTakesTheResult) {
    struct Listening final : ScreenReaderWatch {
        bool PresentsDisplay() const override { return true; }
    } screenReader;
    RecordingSpeech voice;
    Platform platform{&voice};
    platform.screenReader = &screenReader;
    Calculator calc{platform};
    StartCalculator(calc);
    calc.modes.ReadOutLoudOn = true;
    PressKeys(calc, "1 plus 2 equal");
    EXPECT_EQ(voice.spoken, (std::vector<std::string>{"1", "+", "2"}));
}

// What a screen reader reads for the display.
class ShownReadingTest : public testing::TestWithParam<ReadingCase> {};

TEST_P(ShownReadingTest, ReadsTheDisplay) {
    DisplayPanel panel;
    panel.DisplayBox = GetParam().displayBox;
    panel.ExpoBox = GetParam().expoBox;
    EXPECT_EQ(ShownReading(panel), GetParam().reading);
}

INSTANTIATE_TEST_SUITE_P(
    Readings, ShownReadingTest,
    testing::Values(ReadingCase{"Whole", "5.", "", "5"}, ReadingCase{"FixedDigitsKept", " 0.50", "", "0.50"},
                    ReadingCase{"Negative", "-42.", "", "negative 42"},
                    ReadingCase{"NegativeExponent", "2.5", "-05", "2.5 times 10 to the power negative 5"},
                    ReadingCase{"PositiveExponent", "1.5", "12", "1.5 times 10 to the power 12"},
                    ReadingCase{"ErrorWithoutAsterisks", "*Divide by Zero*", "", "Divide by Zero"},
                    ReadingCase{"ClockTime", "12:30:05", "", "12:30:05"}),
    RowName<ReadingCase>);

// Every face key has a spoken name, none of them a symbol.
TEST(KeyNames, EveryKeyIsNamedInWords) {
    for (const FaceKey& key : FaceKeys()) {
        const std::string name = KeyName(key);
        EXPECT_FALSE(name.empty()) << key.name;
        EXPECT_EQ(name.find_first_not_of("abcdefghijklmnopqrstuvwxyz0123456789 "), std::string::npos)
            << key.name << ": " << name;
    }
}

// What the indicators say after keys, and what the last key changed of them.
struct AnnouncementCase {
    std::string name;
    std::string keys;  // keyed after "1 plus"
    std::string indicators;
    std::string changes;  // by the last key
};

class AnnouncementTest : public testing::TestWithParam<AnnouncementCase> {};

TEST_P(AnnouncementTest, NameTheChangedIndicators) {
    Calculator calc;
    StartCalculator(calc);
    PressKeys(calc, "1 plus");
    std::string keys = GetParam().keys;
    const std::size_t last = keys.rfind(' ');
    if (last != std::string::npos) PressKeys(calc, keys.substr(0, last));
    const DisplayPanel before = calc.panel;
    PressKeys(calc, last == std::string::npos ? keys : keys.substr(last + 1));
    EXPECT_EQ(IndicatorReading(calc.panel), GetParam().indicators);
    EXPECT_EQ(IndicatorChanges(before, calc.panel), GetParam().changes);
}

INSTANTIATE_TEST_SUITE_P(
    Announcements, AnnouncementTest,
    testing::Values(AnnouncementCase{"OperatorPending", "2 divide", "DEGREE, NORM, pending divided by", ""},
                    AnnouncementCase{"OperatorDoneAfterEquals", "2 divide 4 equal",
                                     "DEGREE, NORM, last operator divided by", ""},
                    AnnouncementCase{"MemoryOn", "2 Min", "MEM, DEGREE, NORM, pending plus", "MEM"},
                    AnnouncementCase{"MemoryOff", "2 Min AC Min", "DEGREE, NORM", "MEM off"},
                    AnnouncementCase{"AngleOnly", "RadButton", "RADIAN, NORM, pending plus", "RADIAN"}),
    RowName<AnnouncementCase>);

}  // namespace
