// SPDX-License-Identifier: MIT
#include "speech/help_topics.h"

#include <gtest/gtest.h>

#include "support/row_name.h"

namespace {

std::string Topic(int n) { return GetHelpTopic(n).value().text; }

TEST(HelpTopics, ListHoldsTheSevenTitlesThenAboutTheAuthor) {
    const std::vector<std::string> expected{
        "Overview",     "Calculator Capabilities",   "Mode Settings",   "Display Modes", "Angle Specification Modes",
        "Numeric keys", "Arithmetic Operation keys", "About the Author"};
    EXPECT_EQ(HelpMenuItems(), expected);
}

TEST(HelpTopics, NumbersPastTheTopicsAreEmptyOrAbsent) {
    for (int n : {8, 12, 19}) {
        ASSERT_TRUE(GetHelpTopic(n)) << n;
        EXPECT_EQ(GetHelpTopic(n)->title, "") << n;
        EXPECT_EQ(GetHelpTopic(n)->text, "") << n;
    }
    for (int n : {-1, 0, 20, 21}) EXPECT_FALSE(GetHelpTopic(n)) << n;
}

TEST(HelpTopics, TextsKeepTheirLineAndParagraphBreaks) {
    EXPECT_EQ(Topic(3),
              "Picking the 'mode' tab specify desired calculation modes. \r\r"
              "Available calculation modes to set are the following:\r\r"
              "1.) Display Modes\r\n2.) Angle Specification Modes");
    EXPECT_EQ(Topic(6),
              "Pick any of the numeric keys to enter a value. Press '.' to enter a decimal point.\r\r"
              "Values are entered from left to right. You cannot enter a value that is more than 15 "
              "digits long. Any numeric key pressed after the 15th digit is ignored.");
    EXPECT_TRUE(
        Topic(2).starts_with("A.) Performs the following  mathematical operations in "
                             "accordance with the following calculation priority "
                             "sequence:\r\n    1.) functions\r\n"));
    EXPECT_TRUE(Topic(2).ends_with("\r\n        c.) Inverse Hyperbolic Tangent"));
    EXPECT_TRUE(Topic(5).ends_with("as gradians. "));
    EXPECT_NE(Topic(7).find("\r\rb.) 'root'   - Power root key:\r\nPress this key to raise x to "
                            "the 1/y power.\r\r"),
              std::string::npos);
}

// The display's own limits (display/number_text.h): exponent form below 0.0001 and from 1E15 up.
TEST(HelpTopics, DisplayModesGiveTheLimitsOfTheExponentForm) {
    EXPECT_NE(Topic(4).find("exponential display is automatically performed for any number less than "
                            "0.0001(10^-4) or from 1000 trillion (10^15) up."),
              std::string::npos);
}

TEST(HelpTopics, OverviewContactNamesNoPerson) {
    const std::string text = Topic(1);
    EXPECT_TRUE(
        text.ends_with("\r\rThe Numora developers\r\nnumora@example.org\r\n"
                       "Telephone: 555-0100\r\nMobile: 555-0199"));
}

struct SpokenCase {
    const char* name;
    const char* shown;
    const char* spoken;
};

class SpokenFormTest : public testing::TestWithParam<SpokenCase> {};

TEST_P(SpokenFormTest, ReplacesInOrder) { EXPECT_EQ(SpokenForm(GetParam().shown).text, GetParam().spoken); }

INSTANTIATE_TEST_SUITE_P(Replacements, SpokenFormTest,
                         testing::Values(SpokenCase{"LineBreak", "a\r\nb", "a:::b"},
                                         SpokenCase{"ParagraphBreakStays", "a\r\rb", "a\r\rb"},
                                         SpokenCase{"Caret", "10^-2", "10 TO THE POWER -2"},
                                         SpokenCase{"QuotedSlashBeforeSlash", "'/' 1/y", "SLASH 1 OVER y"},
                                         SpokenCase{"Period", "Press '.' to", "Press  PERIOD  to"},
                                         SpokenCase{"Equal", "Press '='", "Press  EQUAL "},
                                         SpokenCase{"Dash", "f.) '-'  - S", "f.)  DASH   - S"},
                                         SpokenCase{"QuotedCaretIsPowerFirst", "'x^y'", "'x TO THE POWER y'"}),
                         RowName<SpokenCase>);

// Every spoken character must point back at the text it came from, so that a word the voice
// reports after a replacement marks the right shown word.
TEST(SpokenWordSource, MapsWordsAfterReplacementsBackToTheShownText) {
    const std::string shown = Topic(7);
    const SpokenText spoken = SpokenForm(shown);
    const std::string item = "Arithmetic Operation keys";
    const std::string reading = HelpReading(item, spoken);
    const auto wordAt = [&](std::string_view word, std::size_t from = 0) {
        const auto at = reading.find(word, from);
        EXPECT_NE(at, std::string::npos) << word;
        const auto range = SpokenWordSource(item, spoken, static_cast<int>(at), static_cast<int>(word.size()));
        EXPECT_TRUE(range) << word;
        return shown.substr(range->begin, range->end - range->begin);
    };
    EXPECT_EQ(wordAt("EQUAL"), "'='");
    EXPECT_EQ(wordAt("Subtraction"), "Subtraction");
    EXPECT_EQ(wordAt("perform subtraction"), "perform subtraction");
    EXPECT_EQ(wordAt("DASH"), "'-'");
    EXPECT_EQ(wordAt("SLASH"), "'/'");
    EXPECT_EQ(wordAt("OVER"), "/");
    EXPECT_EQ(wordAt("y power", reading.find("OVER")), "y power");
}

TEST(SpokenWordSource, TitleAndSeparatorMarkNothing) {
    const SpokenText spoken = SpokenForm("abc");
    EXPECT_FALSE(SpokenWordSource("Overview", spoken, 0, 8));
    EXPECT_FALSE(SpokenWordSource("Overview", spoken, 9, 4));
    EXPECT_EQ(SpokenWordSource("Overview", spoken, 14, 3), (TextRange{0, 3}));
    EXPECT_EQ(SpokenWordSource("Overview", spoken, 14, 30), (TextRange{0, 3}));
    EXPECT_FALSE(SpokenWordSource("Overview", spoken, 17, 1));
}

TEST(BoxText, EveryBreakIsOneNewline) {
    const std::string text = "ab\r\ncd\r\ref";
    EXPECT_EQ(BoxText(text), "ab\ncd\n\nef");
    for (int i : {0, 2, 3}) EXPECT_EQ(BoxPosition(text, i), i);
    EXPECT_EQ(BoxPosition(text, 4), 3);  // c
    EXPECT_EQ(BoxPosition(text, 8), 7);  // e
    EXPECT_EQ(BoxPosition(text, 10), 9);  // end
    EXPECT_EQ(BoxText(text).substr(BoxPosition(text, 8), 2), "ef");
}

}  // namespace
