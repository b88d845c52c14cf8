// SPDX-License-Identifier: MIT
#include "core/key_words.h"

#include "core/calculator.h"
#include "core/translation.h"
#include "display/number_text.h"

namespace {

constexpr const char* kKeyTexts = "Keys";
//: The decimal separator in which the voice reads numbers: "," where the language writes 0,25.
constexpr const char* kDecimalSeparator = QT_TRANSLATE_NOOP("Keys", ".");

void ReplaceAll(std::string& text, std::string_view from, std::string_view by) {
    for (std::size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + by.size()))
        text.replace(at, from.size(), by);
}

// Speaking needs the switch, a voice, and a number on the display: an error text or the
// clock's time keeps the calculator silent.
SpeechOutput* VoiceFor(const Calculator& calc) {
    if (!calc.modes.ReadOutLoudOn || calc.platform.speech == nullptr) return nullptr;
    if (!ReadsAsNumber(calc.panel.DisplayBox)) return nullptr;
    return calc.platform.speech;
}

}  // namespace

void SpeakKeyWord(Calculator& calc, const std::string& word) {
    if (SpeechOutput* voice = VoiceFor(calc)) voice->Speak(Translated(kKeyTexts, word.c_str()));
}

void SpeakResult(Calculator& calc) {
    SpeechOutput* voice = VoiceFor(calc);
    if (voice == nullptr) return;
    if (calc.platform.screenReader != nullptr && calc.platform.screenReader->PresentsDisplay()) return;
    const std::string reading = ResultReading(calc.panel.DisplayBox, calc.panel.ExpoBox);
    if (!reading.empty()) voice->Speak(reading);
}

std::string SpokenNumber(std::string_view shown) {
    std::string text(shown);
    ReplaceAll(text, ".", Translated(kKeyTexts, kDecimalSeparator));
    return text;
}

std::string ResultReading(const std::string& displayBox, const std::string& expoBox) {
    if (!ReadsAsNumber(displayBox)) return {};
    const double exponent = ReadNumber(expoBox);
    std::string text = SpokenNumber(PlainText(ReadNumber(displayBox)));
    const std::string power = Translated(kKeyTexts, QT_TRANSLATE_NOOP("Keys", "times 10 to the power"));
    const std::string negative = Translated(kKeyTexts, QT_TRANSLATE_NOOP("Keys", "negative"));
    if (exponent != 0) {
        // The reading keeps no blank between a number and the words around it: "1.5times 10 to
        // the power negative5".
        text += "E" + PlainText(exponent);
        ReplaceAll(text, "E-", power + " " + negative);
        ReplaceAll(text, "E+", power);
        ReplaceAll(text, "E", power);
    }
    if (text.starts_with('-')) text.replace(0, 1, negative + " ");
    return "= " + text;
}
