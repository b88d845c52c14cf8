// SPDX-License-Identifier: MIT
#pragma once

#include <cstdio>
#include <string>

#include "core/platform.h"

// The platform of numora-keys: speech printed as "say: TEXT" lines, a clipboard in memory,
// message boxes on stderr, every question answered Yes.
class PrintedSpeech final : public SpeechOutput {
public:
    void Speak(const std::string& text) override { std::printf("say: %s\n", text.c_str()); }
};

class MemoryClipboard final : public ClipboardAccess {
public:
    void SetText(const std::string& text) override { text_ = text; }
    std::string Text() const override { return text_; }

private:
    std::string text_;
};

class ConsoleMessages final : public MessageService {
public:
    void Show(const std::string& title, const std::string& text, MessageIcon) override {
        std::fprintf(stderr, "%s %s\n", title.c_str(), text.c_str());
    }
    bool AskYesNo(const std::string& title, const std::string& text, MessageIcon) override {
        std::fprintf(stderr, "%s %s [Yes]\n", title.c_str(), text.c_str());
        return true;
    }
};
