// SPDX-License-Identifier: MIT
#pragma once

#include <deque>
#include <string>
#include <vector>

#include "core/platform.h"

// Keeps every box shown and every question asked; answers questions from a queue (Yes when
// it is empty).
class RecordingMessages final : public MessageService {
public:
    std::vector<std::string> shown;  // "title|text"
    std::vector<std::string> questions;  // "title|text"
    std::deque<bool> answers;

    void Show(const std::string& title, const std::string& text, MessageIcon) override {
        shown.push_back(title + "|" + text);
    }
    bool AskYesNo(const std::string& title, const std::string& text, MessageIcon) override {
        questions.push_back(title + "|" + text);
        if (answers.empty()) return true;
        const bool answer = answers.front();
        answers.pop_front();
        return answer;
    }
};
