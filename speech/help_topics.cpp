// SPDX-License-Identifier: MIT
#include "speech/help_topics.h"

#include <algorithm>
#include <initializer_list>

#include "core/translation.h"

namespace {

constexpr const char* kHelpTexts = "Help";

// The parts in the user's language; a part that Lines made is in it already and finds no entry.
std::string Join(std::initializer_list<std::string_view> parts, std::string_view separator) {
    std::string out;
    for (std::string_view part : parts) {
        if (!out.empty()) out += separator;
        out += Translated(kHelpTexts, std::string(part).c_str());
    }
    return out;
}

// The lines of one paragraph, and the paragraphs of one topic.
std::string Lines(std::initializer_list<std::string_view> lines) { return Join(lines, "\r\n"); }
std::string Paragraphs(std::initializer_list<std::string_view> paragraphs) { return Join(paragraphs, "\r\r"); }

HelpTopic Overview() {
    return {
        QT_TRANSLATE_NOOP("Help", "Overview"),
        Paragraphs({
            QT_TRANSLATE_NOOP("Help",
                              "Numora was written to have a capable scientific calculator at hand while "
                              "working in a spreadsheet, so that a quick calculation never means leaving the "
                              "figures you are looking at."),
            QT_TRANSLATE_NOOP("Help",
                              "It is not meant to replace the calculator that comes with your system. It is "
                              "shared as a tool, in the hope that it serves you as well as it has served us."),
            QT_TRANSLATE_NOOP("Help",
                              "Every key works with the mouse and with the keyboard, and with Read Out Loud "
                              "switched on the calculator names each key and reads every result aloud."),
            QT_TRANSLATE_NOOP("Help",
                              "Tab and Shift+Tab move among the keys, the keypad and the pages, Space presses the "
                              "key in focus, and Ctrl+Tab turns the page. While a screen reader is running it "
                              "announces the display, so Read Out Loud leaves the results to it and only names "
                              "the keys."),
            QT_TRANSLATE_NOOP("Help", "Questions and suggestions are welcome. Please send them to the contact below."),
            Lines({QT_TRANSLATE_NOOP("Help", "The Numora developers"), "numora@example.org",
                   QT_TRANSLATE_NOOP("Help", "Telephone: 555-0100"), QT_TRANSLATE_NOOP("Help", "Mobile: 555-0199")}),
        })};
}

HelpTopic Capabilities() {
    return {
        QT_TRANSLATE_NOOP("Help", "Calculator Capabilities"),
        Paragraphs({
            Lines({QT_TRANSLATE_NOOP("Help",
                                     "A.) Performs the following  mathematical operations in accordance with "
                                     "the following calculation priority sequence:"),
                   QT_TRANSLATE_NOOP("Help", "    1.) functions"),
                   QT_TRANSLATE_NOOP("Help", "    2.) polar to rectangular,"),
                   QT_TRANSLATE_NOOP("Help", "        rectangular to polar"),
                   QT_TRANSLATE_NOOP("Help", "    3.) exponential"),
                   QT_TRANSLATE_NOOP("Help", "    4.) multiplication"), QT_TRANSLATE_NOOP("Help", "    5.) division"),
                   QT_TRANSLATE_NOOP("Help", "    6.) addition"), QT_TRANSLATE_NOOP("Help", "    7.) subtraction")}),
            Lines(
                {QT_TRANSLATE_NOOP("Help", "B.) Performs the following scientific functions:"),
                 QT_TRANSLATE_NOOP("Help", "    1.) Trigonometric:"), QT_TRANSLATE_NOOP("Help", "        a.) Sine"),
                 QT_TRANSLATE_NOOP("Help", "        b.) Cosine"), QT_TRANSLATE_NOOP("Help", "        c.) Tangent"),
                 QT_TRANSLATE_NOOP("Help", "    2.) Inverse-trigonometric:"),
                 QT_TRANSLATE_NOOP("Help", "        a.) Arc-Sine"), QT_TRANSLATE_NOOP("Help", "        b.) Arc-Cosine"),
                 QT_TRANSLATE_NOOP("Help", "        c.) Arc-Tangent"), QT_TRANSLATE_NOOP("Help", "    3.) Hyperbolic:"),
                 QT_TRANSLATE_NOOP("Help", "        a.) Hyperbolic Sine"),
                 QT_TRANSLATE_NOOP("Help", "        b.) Hyperbolic Cosine"),
                 QT_TRANSLATE_NOOP("Help", "        c.) Hyperbolic Tangent"),
                 QT_TRANSLATE_NOOP("Help", "    4.) Inverse Hyperbolic:"),
                 QT_TRANSLATE_NOOP("Help", "        a.) Inverse Hyperbolic Sine"),
                 QT_TRANSLATE_NOOP("Help", "        b.) Inverse Hyperbolic Cosine"),
                 QT_TRANSLATE_NOOP("Help", "        c.) Inverse Hyperbolic Tangent")}),
        })};
}

HelpTopic ModeSettings() {
    return {QT_TRANSLATE_NOOP("Help", "Mode Settings"),
            Paragraphs({
                QT_TRANSLATE_NOOP("Help", "Picking the 'mode' tab specify desired calculation modes. "),
                QT_TRANSLATE_NOOP("Help", "Available calculation modes to set are the following:"),
                Lines({QT_TRANSLATE_NOOP("Help", "1.) Display Modes"),
                       QT_TRANSLATE_NOOP("Help", "2.) Angle Specification Modes")}),
            })};
}

HelpTopic DisplayModes() {
    return {
        QT_TRANSLATE_NOOP("Help", "Display Modes"),
        Paragraphs({
            Lines({QT_TRANSLATE_NOOP("Help", "a.) Scientific display mode:"),
                   QT_TRANSLATE_NOOP("Help",
                                     "Use this mode to force the calculator to display the result of calculation "
                                     "in exponential form. You may specify Display Precision Number via a droplist "
                                     "provided for.")}),
            Lines({QT_TRANSLATE_NOOP("Help", "b.) Fix mode:"),
                   QT_TRANSLATE_NOOP("Help",
                                     "Use this mode to force the calculator to display the result of calculation in "
                                     "ordinary decimal form. You may specify Display Precision Number via a droplist "
                                     "provided for.")}),
            QT_TRANSLATE_NOOP("Help",
                              "Result of calculations are normally displayed with a maximum of 15 "
                              "significant digits. However, exponential display is automatically performed for "
                              "any number less than 0.0001(10^-4) or from 1000 trillion (10^15) up."),
            Lines(
                {QT_TRANSLATE_NOOP("Help", "c.) Normal mode:"),
                 QT_TRANSLATE_NOOP("Help",
                                   "Use this mode to clear display mode previously set. Picking the Normal mode key "
                                   "restores calculator's normal display with a maximum of fifteen significant digits "
                                   "for mantissa and two digits for exponent.")}),
        })};
}

HelpTopic AngleModes() {
    return {
        QT_TRANSLATE_NOOP("Help", "Angle Specification Modes"),
        Paragraphs({
            Lines({QT_TRANSLATE_NOOP("Help", "a.) DEGREE mode:"),
                   QT_TRANSLATE_NOOP("Help", "Use this mode to specify the unit of angular measurement as degrees.")}),
            Lines({QT_TRANSLATE_NOOP("Help", "b.) RADIAN mode:"),
                   QT_TRANSLATE_NOOP("Help", "Use this mode to specify the unit of angular measurement as radians.")}),
            Lines(
                {QT_TRANSLATE_NOOP("Help", "c.) GRADIAN mode:"),
                 QT_TRANSLATE_NOOP("Help", "Use this mode to specify the unit of angular measurement as gradians. ")}),
        })};
}

HelpTopic NumericKeys() {
    return {QT_TRANSLATE_NOOP("Help", "Numeric keys"),
            Paragraphs({
                QT_TRANSLATE_NOOP("Help",
                                  "Pick any of the numeric keys to enter a value. Press '.' to enter a decimal point."),
                QT_TRANSLATE_NOOP("Help",
                                  "Values are entered from left to right. You cannot enter a value that is more "
                                  "than 15 digits long. Any numeric key pressed after the 15th digit is ignored."),
            })};
}

HelpTopic ArithmeticKeys() {
    return {
        QT_TRANSLATE_NOOP("Help", "Arithmetic Operation keys"),
        Paragraphs({
            QT_TRANSLATE_NOOP("Help",
                              "Pick these keys in the same order as they appear in the formula to perform "
                              "arithmetic operations. Press '=' to display the final result."),
            QT_TRANSLATE_NOOP("Help", "Below are the available arithmetic keys with their corresponding descriptions:"),
            Lines({QT_TRANSLATE_NOOP("Help", "a.) 'x^y'    - Power key:"),
                   QT_TRANSLATE_NOOP("Help", "Press this key to raise x to the y power.")}),
            Lines({QT_TRANSLATE_NOOP("Help", "b.) 'root'   - Power root key:"),
                   QT_TRANSLATE_NOOP("Help", "Press this key to raise x to the 1/y power.")}),
            Lines({QT_TRANSLATE_NOOP("Help", "c.) 'x'      - Multiplication key:"),
                   QT_TRANSLATE_NOOP("Help", "Press this key to perform multiplication.")}),
            Lines({QT_TRANSLATE_NOOP("Help", "d.) '/'      - Division key:"),
                   QT_TRANSLATE_NOOP("Help", "Press this key to perform division.")}),
            Lines({QT_TRANSLATE_NOOP("Help", "e.) '+'      - Addition key:"),
                   QT_TRANSLATE_NOOP("Help", "Press this key to perform addition.")}),
            Lines({QT_TRANSLATE_NOOP("Help", "f.) '-'      - Subtraction key:"),
                   QT_TRANSLATE_NOOP("Help", "Press this key to perform subtraction.")}),
        })};
}

bool IsContinuationByte(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }

// The byte at which the character `characters` (from 0) of a UTF-8 text starts.
int ByteOffset(std::string_view text, int characters) {
    int byte = 0;
    for (int seen = 0; byte < static_cast<int>(text.size()); ++byte) {
        if (IsContinuationByte(text[byte])) continue;
        if (seen++ == characters) return byte;
    }
    return byte;
}

void ReplaceAll(SpokenText& spoken, std::string_view from, std::string_view by) {
    SpokenText out;
    out.text.reserve(spoken.text.size());
    out.source.reserve(spoken.source.size());
    std::size_t i = 0;
    while (i < spoken.text.size()) {
        if (spoken.text.compare(i, from.size(), from) == 0) {
            const TextRange piece{spoken.source[i].begin, spoken.source[i + from.size() - 1].end};
            out.text += by;
            out.source.insert(out.source.end(), by.size(), piece);
            i += from.size();
        } else {
            out.text += spoken.text[i];
            out.source.push_back(spoken.source[i]);
            ++i;
        }
    }
    spoken = std::move(out);
}

}  // namespace

std::optional<HelpTopic> GetHelpTopic(int number) {
    HelpTopic topic;
    switch (number) {
    case 1: topic = Overview(); break;
    case 2: topic = Capabilities(); break;
    case 3: topic = ModeSettings(); break;
    case 4: topic = DisplayModes(); break;
    case 5: topic = AngleModes(); break;
    case 6: topic = NumericKeys(); break;
    case 7: topic = ArithmeticKeys(); break;
    default: break;
    }
    if (!topic.title.empty()) {
        topic.title = Translated(kHelpTexts, topic.title.c_str());
        return topic;
    }
    if (number >= 8 && number <= 19) return HelpTopic{};
    return std::nullopt;
}

std::vector<std::string> HelpMenuItems() {
    std::vector<std::string> items;
    for (int n = 1; n <= 21; ++n) {
        const auto topic = GetHelpTopic(n);
        if (topic && topic->title.find_first_not_of(' ') != std::string::npos) items.push_back(topic->title);
    }
    items.push_back(Translated(kHelpTexts, kAboutAuthorItem));
    return items;
}

SpokenText SpokenForm(std::string_view topicText) {
    SpokenText spoken{std::string(topicText), {}};
    spoken.source.reserve(topicText.size());
    for (int i = 0; i < static_cast<int>(topicText.size()); ++i) spoken.source.push_back({i, i + 1});
    ReplaceAll(spoken, "\r\n", ":::");
    ReplaceAll(spoken, "^", Translated(kHelpTexts, QT_TRANSLATE_NOOP("Help", " TO THE POWER ")));
    ReplaceAll(spoken, "'/'", Translated(kHelpTexts, QT_TRANSLATE_NOOP("Help", "SLASH")));
    ReplaceAll(spoken, "/", Translated(kHelpTexts, QT_TRANSLATE_NOOP("Help", " OVER ")));
    ReplaceAll(spoken, "'.'", Translated(kHelpTexts, QT_TRANSLATE_NOOP("Help", " PERIOD ")));
    ReplaceAll(spoken, "'='", Translated(kHelpTexts, QT_TRANSLATE_NOOP("Help", " EQUAL ")));
    ReplaceAll(spoken, "'-'", Translated(kHelpTexts, QT_TRANSLATE_NOOP("Help", " DASH ")));
    return spoken;
}

std::string HelpReading(std::string_view itemText, const SpokenText& spoken) {
    return std::string(itemText) + std::string(kTitleSeparator) + spoken.text;
}

std::optional<TextRange> SpokenWordSource(std::string_view itemText, const SpokenText& spoken, int position,
                                          int length) {
    const std::string reading = HelpReading(itemText, spoken);
    const int prefix = static_cast<int>(itemText.size() + kTitleSeparator.size());
    const int first = ByteOffset(reading, position) - prefix;
    const int end = ByteOffset(reading, position + std::max(length, 0)) - prefix;
    const int size = static_cast<int>(spoken.text.size());
    if (first < 0 || first >= size || end <= first) return std::nullopt;
    const int last = std::min(end, size) - 1;
    return TextRange{spoken.source[first].begin, spoken.source[last].end};
}

std::string BoxText(std::string_view topicText) {
    std::string box;
    box.reserve(topicText.size());
    for (std::size_t i = 0; i < topicText.size(); ++i) {
        if (topicText[i] == '\n' && i > 0 && topicText[i - 1] == '\r') continue;
        box += topicText[i] == '\r' ? '\n' : topicText[i];
    }
    return box;
}

int BoxPosition(std::string_view topicText, int position) {
    const int end = std::clamp(position, 0, static_cast<int>(topicText.size()));
    int box = 0;
    for (int i = 0; i < end; ++i)
        if (!(topicText[i] == '\n' && i > 0 && topicText[i - 1] == '\r') && !IsContinuationByte(topicText[i])) ++box;
    return box;
}
