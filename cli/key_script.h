// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <string>
#include <vector>

// One KEY argument of numora-keys, checked before any key is pressed.
struct ScriptStep {
    enum class Kind { FaceKey, ModeButton, Copy, Paste, Undo, Redo };
    Kind kind = Kind::FaceKey;
    std::string control;  // "key_Sin", "com_Random", "FxnButton", ...
    std::optional<int> precision;  // FxnButton:P, ScnButton:P
    std::optional<int> number;  // Kin:N, Kout:N, XtoK:N, Mplus:N, Mminus:N, Cnst:N
    std::string description;  // Kin:N:DESCRIPTION
    std::vector<int> items;  // KAC:N,N,...  Del:N,N,...
    std::string text;  // Paste:TEXT
};

struct ScriptOptions {
    enum class Answer { Keys, Help, Version };
    Answer answer = Answer::Keys;  // --help and --version answer without pressing any key
    std::optional<std::string> dir;
    bool each = false;
    bool state = false;
    bool speak = false;
    bool tape = false;
    std::optional<std::string> language;  // --language: the words of --speak in that language
    std::vector<ScriptStep> steps;
};

// Parses the command line; on a bad argument returns nullopt and sets `error` to a one-line
// message naming it.
std::optional<ScriptOptions> ParseKeyScript(const std::vector<std::string>& args, std::string& error);
