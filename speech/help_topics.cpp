// SPDX-License-Identifier: MIT
#include "speech/help_topics.h"

#include <algorithm>
#include <initializer_list>

namespace {

std::string Join(std::initializer_list<std::string_view> parts, std::string_view separator) {
    std::string out;
    for (std::string_view part : parts) {
        if (!out.empty()) out += separator;
        out += part;
    }
    return out;
}

// The lines of one paragraph, and the paragraphs of one topic.
std::string Lines(std::initializer_list<std::string_view> lines) { return Join(lines, "\r\n"); }
std::string Paragraphs(std::initializer_list<std::string_view> paragraphs) { return Join(paragraphs, "\r\r"); }

HelpTopic Overview() {
    return {"Overview",
            Paragraphs({
                "Numora was written to have a capable scientific calculator at hand while "
                "working in a spreadsheet, so that a quick calculation never means leaving the "
                "figures you are looking at.",
                "It is not meant to replace the calculator that comes with your system. It is "
                "shared as a tool, in the hope that it serves you as well as it has served us.",
                "Every key works with the mouse and with the keyboard, and with Read Out Loud "
                "switched on the calculator names each key and reads every result aloud.",
                "Tab and Shift+Tab move among the keys, the keypad and the pages, Space presses the "
                "key in focus, and Ctrl+Tab turns the page. While a screen reader is running it "
                "announces the display, so Read Out Loud leaves the results to it and only names "
                "the keys.",
                "Questions and suggestions are welcome. Please send them to the contact below.",
                Lines({"The Numora developers", "numora@example.org", "Telephone: 555-0100", "Mobile: 555-0199"}),
            })};
}

HelpTopic Capabilities() {
    return {"Calculator Capabilities",
            Paragraphs({
                Lines({"A.) Performs the following  mathematical operations in accordance with "
                       "the following calculation priority sequence:",
                       "    1.) functions", "    2.) polar to rectangular,", "        rectangular to polar",
                       "    3.) exponential", "    4.) multiplication", "    5.) division", "    6.) addition",
                       "    7.) subtraction"}),
                Lines({"B.) Performs the following scientific functions:", "    1.) Trigonometric:", "        a.) Sine",
                       "        b.) Cosine", "        c.) Tangent",
                       "    2.) Inverse-trigonometric:", "        a.) Arc-Sine", "        b.) Arc-Cosine",
                       "        c.) Arc-Tangent", "    3.) Hyperbolic:", "        a.) Hyperbolic Sine",
                       "        b.) Hyperbolic Cosine", "        c.) Hyperbolic Tangent",
                       "    4.) Inverse Hyperbolic:", "        a.) Inverse Hyperbolic Sine",
                       "        b.) Inverse Hyperbolic Cosine", "        c.) Inverse Hyperbolic Tangent"}),
            })};
}

HelpTopic ModeSettings() {
    return {"Mode Settings", Paragraphs({
                                 "Picking the 'mode' tab specify desired calculation modes. ",
                                 "Available calculation modes to set are the following:",
                                 Lines({"1.) Display Modes", "2.) Angle Specification Modes"}),
                             })};
}

HelpTopic DisplayModes() {
    return {"Display Modes",
            Paragraphs({
                Lines({"a.) Scientific display mode:",
                       "Use this mode to force the calculator to display the result of calculation "
                       "in exponential form. You may specify Display Precision Number via a droplist "
                       "provided for."}),
                Lines({"b.) Fix mode:",
                       "Use this mode to force the calculator to display the result of calculation in "
                       "ordinary decimal form. You may specify Display Precision Number via a droplist "
                       "provided for."}),
                "Result of calculations are normally displayed with a maximum of 15 "
                "significant digits. However, exponential display is automatically performed for "
                "any number less than 0.0001(10^-4) or from 1000 trillion (10^15) up.",
                Lines({"c.) Normal mode:",
                       "Use this mode to clear display mode previously set. Picking the Normal mode key "
                       "restores calculator's normal display with a maximum of fifteen significant digits "
                       "for mantissa and two digits for exponent."}),
            })};
}

HelpTopic AngleModes() {
    return {"Angle Specification Modes",
            Paragraphs({
                Lines({"a.) DEGREE mode:", "Use this mode to specify the unit of angular measurement as degrees."}),
                Lines({"b.) RADIAN mode:", "Use this mode to specify the unit of angular measurement as radians."}),
                Lines({"c.) GRADIAN mode:", "Use this mode to specify the unit of angular measurement as gradians. "}),
            })};
}

HelpTopic NumericKeys() {
    return {"Numeric keys", Paragraphs({
                                "Pick any of the numeric keys to enter a value. Press '.' to enter a decimal point.",
                                "Values are entered from left to right. You cannot enter a value that is more "
                                "than 15 digits long. Any numeric key pressed after the 15th digit is ignored.",
                            })};
}

HelpTopic ArithmeticKeys() {
    return {"Arithmetic Operation keys",
            Paragraphs({
                "Pick these keys in the same order as they appear in the formula to perform "
                "arithmetic operations. Press '=' to display the final result.",
                "Below are the available arithmetic keys with their corresponding descriptions:",
                Lines({"a.) 'x^y'    - Power key:", "Press this key to raise x to the y power."}),
                Lines({"b.) 'root'   - Power root key:", "Press this key to raise x to the 1/y power."}),
                Lines({"c.) 'x'      - Multiplication key:", "Press this key to perform multiplication."}),
                Lines({"d.) '/'      - Division key:", "Press this key to perform division."}),
                Lines({"e.) '+'      - Addition key:", "Press this key to perform addition."}),
                Lines({"f.) '-'      - Subtraction key:", "Press this key to perform subtraction."}),
            })};
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
    switch (number) {
    case 1: return Overview();
    case 2: return Capabilities();
    case 3: return ModeSettings();
    case 4: return DisplayModes();
    case 5: return AngleModes();
    case 6: return NumericKeys();
    case 7: return ArithmeticKeys();
    default: break;
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
    items.emplace_back(kAboutAuthorItem);
    return items;
}

SpokenText SpokenForm(std::string_view topicText) {
    SpokenText spoken{std::string(topicText), {}};
    spoken.source.reserve(topicText.size());
    for (int i = 0; i < static_cast<int>(topicText.size()); ++i) spoken.source.push_back({i, i + 1});
    ReplaceAll(spoken, "\r\n", ":::");
    ReplaceAll(spoken, "^", " TO THE POWER ");
    ReplaceAll(spoken, "'/'", "SLASH");
    ReplaceAll(spoken, "/", " OVER ");
    ReplaceAll(spoken, "'.'", " PERIOD ");
    ReplaceAll(spoken, "'='", " EQUAL ");
    ReplaceAll(spoken, "'-'", " DASH ");
    return spoken;
}

std::string HelpReading(std::string_view itemText, const SpokenText& spoken) {
    return std::string(itemText) + std::string(kTitleSeparator) + spoken.text;
}

std::optional<TextRange> SpokenWordSource(std::string_view itemText, const SpokenText& spoken, int position,
                                          int length) {
    const int first = position - static_cast<int>(itemText.size() + kTitleSeparator.size());
    const int size = static_cast<int>(spoken.text.size());
    if (first < 0 || first >= size || length <= 0) return std::nullopt;
    const int last = std::min(first + length, size) - 1;
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
        if (!(topicText[i] == '\n' && i > 0 && topicText[i - 1] == '\r')) ++box;
    return box;
}
