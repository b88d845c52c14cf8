// SPDX-License-Identifier: MIT
#include "speech/key_words.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/calculator.h"

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
    testing::Values(
        ReadingCase{"Whole", "14.", "", "= 14"},
        ReadingCase{"NegativeWhole", "-42.", "", "= negative 42"},
        ReadingCase{"FixedTrailingZerosDropped", "0.50", "", "= 0.5"},
        ReadingCase{"BlanksAround", "  3.25 ", "", "= 3.25"},
        ReadingCase{"NegativeExponent", "-1.2", "-05", "= negative 1.2times 10 to the power negative5"},
        ReadingCase{"PositiveExponent", "1.5", "12", "= 1.5times 10 to the power12"},
        ReadingCase{"ZeroExponentField", "2.5", "00", "= 2.5"},
        ReadingCase{"ErrorText", "*Divide by Zero*", "", ""},
        ReadingCase{"ClockTime", "12:30:05", "", ""}),
    [](const auto& info) { return std::string(info.param.name); });

struct SpeechFixture : testing::Test {
    RecordingSpeech voice;
    Calculator calc{Platform{&voice}};
};

TEST_F(SpeechFixture, ReadOutOffSpeaksNothing) {
    calc.panel.DisplayBox = "14.";
    SpeakKeyWord(calc, "times");
    SpeakResult(calc);
    EXPECT_TRUE(voice.spoken.empty());
}

TEST_F(SpeechFixture, WordsAndResultWhileANumberShows) {
    calc.ReadOutLoudOn = true;
    calc.panel.DisplayBox = "-1.2";
    calc.panel.ExpoBox = "-05";
    SpeakKeyWord(calc, "times");
    SpeakKeyWord(calc, "");
    SpeakResult(calc);
    const std::vector<std::string> expected{"times", "",
                                            "= negative 1.2times 10 to the power negative5"};
    EXPECT_EQ(voice.spoken, expected);
}

TEST_F(SpeechFixture, SilentWhileTheDisplayShowsNoNumber) {
    calc.ReadOutLoudOn = true;
    for (const char* shown : {"*Divide by Zero*", "*Error*", "12:30:05"}) {
        calc.panel.DisplayBox = shown;
        SpeakKeyWord(calc, "7");
        SpeakResult(calc);
    }
    EXPECT_TRUE(voice.spoken.empty());
}

TEST(SpeechWithoutVoice, NullVoiceIsSilent) {
    Calculator calc;
    calc.ReadOutLoudOn = true;
    SpeakKeyWord(calc, "7");
    SpeakResult(calc);
    SUCCEED();
}

}  // namespace
