// SPDX-License-Identifier: MIT
#include "core/clipboard_clock.h"

#include <array>
#include <cctype>
#include <cstdlib>
#include <ctime>
#include <cwchar>
#include <cwctype>

#include "core/calculator.h"
#include "core/key_words.h"
#include "display/display_routines.h"
#include "display/number_text.h"

namespace {

constexpr std::string_view kUnicodeMinus = "\u2212";

bool IsWhiteSpace(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; }

std::string_view Trimmed(std::string_view text) {
    while (!text.empty() && IsWhiteSpace(text.front())) text.remove_prefix(1);
    while (!text.empty() && IsWhiteSpace(text.back())) text.remove_suffix(1);
    return text;
}

double ReadWholeNumber(std::string_view digits, int base) {
    double value = 0.0;
    for (char c : digits) {
        const int lower = std::tolower(static_cast<unsigned char>(c));
        const int digit = std::isdigit(lower) ? lower - '0' : (lower >= 'a' && lower <= 'f') ? lower - 'a' + 10 : base;
        if (digit >= base) break;
        value = value * base + digit;
    }
    return value;
}

// strftime under the C library's time locale, which the desktop sets from the user's choice.
std::string LocaleName(const LocalDateTime& when, const char* format) {
    std::tm date{};
    date.tm_year = when.year - 1900;
    date.tm_mon = when.month - 1;
    date.tm_mday = when.day;
    date.tm_hour = 12;
    date.tm_isdst = -1;
    std::mktime(&date);  // fills in the weekday
    std::array<char, 128> text{};
    const std::size_t length = std::strftime(text.data(), text.size(), format, &date);
    return std::string(text.data(), length);
}

// Upper case in the locale's multibyte encoding, so that accented names stay whole.
std::string UpperCase(const std::string& text) {
    std::mbstate_t state{};
    const char* source = text.c_str();
    std::wstring wide(text.size() + 1, L'\0');
    const std::size_t count = std::mbsrtowcs(wide.data(), &source, wide.size(), &state);
    if (count == static_cast<std::size_t>(-1)) {
        std::string ascii = text;
        for (char& c : ascii) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
        return ascii;
    }
    wide.resize(count);
    for (wchar_t& c : wide) c = static_cast<wchar_t>(std::towupper(static_cast<std::wint_t>(c)));
    std::string result(wide.size() * MB_CUR_MAX + 1, '\0');
    const wchar_t* back = wide.c_str();
    state = std::mbstate_t{};
    const std::size_t bytes = std::wcsrtombs(result.data(), &back, result.size(), &state);
    result.resize(bytes == static_cast<std::size_t>(-1) ? 0 : bytes);
    return result;
}

// Without a clock the clock display is blank rather than a number stripped of its exponent.
void ShowClockNow(Calculator& calc) {
    if (calc.platform.clock == nullptr) {
        calc.panel.DateBox.clear();
        calc.panel.DisplayBox.clear();
        return;
    }
    const LocalDateTime now = calc.platform.clock->Now();
    calc.panel.DateBox = ClockDateLine(now);
    calc.panel.DisplayBox = ClockTimeText(now);
}

}  // namespace

std::string ClockDateLine(const LocalDateTime& when) {
    return UpperCase(LocaleName(when, "%A") + " " + LocaleName(when, "%b") + " ") + FormatPattern(when.day, "0") +
           ", " + FormatPattern(when.year, "0000");
}

std::string ClockTimeText(const LocalDateTime& when) {
    const int hour12 = when.hour % 12 == 0 ? 12 : when.hour % 12;
    return FormatPattern(hour12, "00") + ":" + FormatPattern(when.minute, "00") + ":" +
           FormatPattern(when.second, "00") + (when.hour < 12 ? " AM" : " PM");
}

double ReadPastedNumber(std::string_view pasted, const NumberLocale& locale) {
    std::string text(pasted);
    for (size_t at; (at = text.find(kUnicodeMinus)) != std::string::npos;) text.replace(at, kUnicodeMinus.size(), "-");
    for (const NumberLocale& reading : {locale, NumberLocale{}}) {
        if (const std::optional<double> value = ReadLocaleNumber(text, reading.point, reading.group)) return *value;
    }
    std::string compact;
    for (char c : text)
        if (!IsWhiteSpace(c)) compact += c;
    if (compact.size() >= 2 && compact[0] == '&') {
        const char prefix = static_cast<char>(std::toupper(static_cast<unsigned char>(compact[1])));
        if (prefix == 'H') return ReadWholeNumber(std::string_view(compact).substr(2), 16);
        if (prefix == 'O') return ReadWholeNumber(std::string_view(compact).substr(2), 8);
    }
    for (char& c : compact)
        if (c == 'D' || c == 'd') c = 'E';
    return ReadNumber(compact);
}

void CopyResult(Calculator& calc) {
    if (calc.platform.clipboard == nullptr) return;
    calc.platform.clipboard->SetText(PlainText(ReadNumber(calc.formula.DisplayValue.AsText())));
}

void PasteKey(Calculator& calc) {
    const std::string clipboardText =
        calc.platform.clipboard != nullptr ? calc.platform.clipboard->Text() : std::string();
    const std::string_view text = Trimmed(clipboardText);
    if (text.empty()) {
        SpeakKeyWord(calc, kNothingToPaste);
        if (calc.platform.messages != nullptr)
            calc.platform.messages->Show("Warning", kNothingToPaste, MessageIcon::Critical);
        return;
    }
    InjectValue(calc, ReadPastedNumber(text, calc.platform.locale != nullptr ? *calc.platform.locale : NumberLocale{}));
    calc.entry.EntryText.clear();
}

void ClockKey(Calculator& calc) {
    if (calc.entry.ErrorLocked) return;
    if (calc.modes.ClockShowing) {
        EndClock(calc);
        return;
    }
    calc.modes.ClockShowing = true;
    calc.panel.ExpoBox.clear();
    calc.panel.DateBox.clear();
    ShowClockNow(calc);
}

void EndClock(Calculator& calc) {
    calc.modes.ClockShowing = false;
    calc.panel.ExpoBox.clear();
    calc.panel.DateBox.clear();
    DisplayValueOrText(calc, calc.formula.DisplayValue, ValueCell());
}

void ClockTick(Calculator& calc) {
    if (calc.modes.ClockShowing) ShowClockNow(calc);
}
