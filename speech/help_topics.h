// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/translation.h"

// The help window's topics and the text it hands to the voice. Topic texts separate the lines
// of a paragraph by "\r\n" and paragraphs by "\r\r"; they are UTF-8 in the user's language.

struct HelpTopic {
    std::string title;
    std::string text;
};

// Topics 1 to 7; numbers 8 to 19 are empty; any other number has no topic.
std::optional<HelpTopic> GetHelpTopic(int number);

inline constexpr const char* kAboutAuthorItem = QT_TRANSLATE_NOOP("Help", "About the Author");
// The list of the help window: the non-blank titles of topics 1 to 21, then "About the Author".
std::vector<std::string> HelpMenuItems();

// A character range [begin, end) of a text.
struct TextRange {
    int begin = 0;
    int end = 0;
    bool operator==(const TextRange&) const = default;
};

// A topic text as the voice reads it, with the range of the topic text each spoken character
// stands for: a replacement's characters all stand for the piece they replaced.
struct SpokenText {
    std::string text;
    std::vector<TextRange> source;
};

// Line breaks become ":::", "^" " TO THE POWER ", "'/'" "SLASH", "/" " OVER ", "'.'" " PERIOD ",
// "'='" " EQUAL ", "'-'" " DASH ", in that order.
SpokenText SpokenForm(std::string_view topicText);

// The text the help window reads for a list item: the item, " :::: ", the spoken form.
inline constexpr std::string_view kTitleSeparator = " :::: ";
std::string HelpReading(std::string_view itemText, const SpokenText& spoken);

// The topic-text range (bytes) of a word the voice reports in HelpReading(itemText, spoken) at
// a character position and length, or nothing when it lies in the item text or the separator.
std::optional<TextRange> SpokenWordSource(std::string_view itemText, const SpokenText& spoken, int position,
                                          int length);

// The topic text as a text box holds it: every "\r\n" and every lone "\r" is one "\n".
std::string BoxText(std::string_view topicText);
// Where a byte position of the topic text lands in BoxText, counted in characters.
int BoxPosition(std::string_view topicText, int position);
