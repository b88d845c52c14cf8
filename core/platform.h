// SPDX-License-Identifier: MIT
#pragma once

#include <string>

class RegisterChooser;
class DataPicker;
class ConstantPicker;

// The platform services the engine is handed. The Qt shell implements them with real widgets
// and libraries, numora-keys with scripted answers, tests with fakes. Every pointer in
// Platform may be null: the engine then behaves as if the service had nothing to offer.

// Speaks a text at once, over anything still being spoken, without waiting.
class SpeechOutput {
public:
    virtual ~SpeechOutput() = default;
    virtual void Speak(const std::string& text) = 0;
};

// Takes each line of the paper tape as a step finishes. The lines are kept outside the
// calculator's state, so that nothing that restores the state takes a printed line back.
class TapeOutput {
public:
    virtual ~TapeOutput() = default;
    virtual void Write(const std::string& line) = 0;
};

struct LocalDateTime {
    int year = 1899, month = 12, day = 30;
    int hour = 0, minute = 0, second = 0;
};

class ClockSource {
public:
    virtual ~ClockSource() = default;
    virtual LocalDateTime Now() const = 0;
};

class ClipboardAccess {
public:
    virtual ~ClipboardAccess() = default;
    virtual void SetText(const std::string& text) = 0;
    // Plain text on the clipboard, "" when it holds none.
    virtual std::string Text() const = 0;
};

// Whether a screen reader presents what the display shows at this moment; the read-out then
// leaves the result to it, so that a result is heard once.
class ScreenReaderWatch {
public:
    virtual ~ScreenReaderWatch() = default;
    virtual bool PresentsDisplay() const = 0;
};

enum class MessageIcon { Information, Warning, Critical, Question };

class MessageService {
public:
    virtual ~MessageService() = default;
    virtual void Show(const std::string& title, const std::string& text, MessageIcon icon) = 0;
    // A Yes/No question; true for Yes.
    virtual bool AskYesNo(const std::string& title, const std::string& text, MessageIcon icon) = 0;
};

// The local clock of the machine, in std::chrono.
class SystemClock final : public ClockSource {
public:
    LocalDateTime Now() const override;
};

// How the user's locale writes numbers (UTF-8), for reading text pasted from other programs.
struct NumberLocale {
    std::string point = ".";
    std::string group = ",";
};

struct Platform {
    SpeechOutput* speech = nullptr;
    ClockSource* clock = nullptr;
    ClipboardAccess* clipboard = nullptr;
    MessageService* messages = nullptr;
    RegisterChooser* registers = nullptr;  // memory/register_chooser.h
    DataPicker* dataPicker = nullptr;  // stats/data_picker.h
    ConstantPicker* constants = nullptr;  // constants/constant_picker.h
    const NumberLocale* locale = nullptr;  // null: "." and ","
    const ScreenReaderWatch* screenReader = nullptr;
    TapeOutput* tape = nullptr;
};
