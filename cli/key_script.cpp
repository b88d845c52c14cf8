// SPDX-License-Identifier: MIT
#include "cli/key_script.h"

#include <array>
#include <charconv>
#include <string_view>

#include "keys/key_table.h"

namespace {

std::optional<int> ParseInt(std::string_view s, int lo, int hi) {
    int v = 0;
    const auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), v);
    if (ec != std::errc() || end != s.data() + s.size() || v < lo || v > hi) return std::nullopt;
    return v;
}

std::optional<std::vector<int>> ParseList(std::string_view s, int lo, int hi) {
    std::vector<int> items;
    while (true) {
        const auto comma = s.find(',');
        const auto n = ParseInt(s.substr(0, comma), lo, hi);
        if (!n) return std::nullopt;
        items.push_back(*n);
        if (comma == std::string_view::npos) return items;
        s.remove_prefix(comma + 1);
    }
}

constexpr std::array<std::string_view, 4> kAngleAndNormalButtons{"DegButton", "RadButton", "GradButton", "StdButton"};
constexpr std::array<std::string_view, 5> kRegisterKeys{"Kin", "Kout", "XtoK", "Mplus", "Mminus"};

std::optional<ScriptStep> ParseStep(const std::string& arg) {
    const auto colon = arg.find(':');
    const std::string name = arg.substr(0, colon);
    const bool hasChoice = colon != std::string::npos;
    const std::string_view choice = hasChoice ? std::string_view(arg).substr(colon + 1) : std::string_view();
    ScriptStep step;

    for (auto b : kAngleAndNormalButtons)
        if (name == b && !hasChoice) {
            step.kind = ScriptStep::Kind::ModeButton;
            step.control = name;
            return step;
        }
    if (name == "FxnButton" || name == "ScnButton") {
        step.kind = ScriptStep::Kind::ModeButton;
        step.control = name;
        if (hasChoice) {
            step.precision = ParseInt(choice, 0, 14);
            if (!step.precision) return std::nullopt;
        }
        return step;
    }
    if (name == "Copy" && !hasChoice) {
        step.kind = ScriptStep::Kind::Copy;
        return step;
    }
    if ((name == "Undo" || name == "Redo") && !hasChoice) {
        step.kind = name == "Undo" ? ScriptStep::Kind::Undo : ScriptStep::Kind::Redo;
        return step;
    }
    if (name == "Paste") {
        step.kind = ScriptStep::Kind::Paste;
        step.text = std::string(choice);
        return step;
    }

    step.control = name == "Random" ? "com_Random" : "key_" + name;
    if (!FindFaceKey(step.control) || (name == "Random" && hasChoice)) return std::nullopt;
    if (!hasChoice) return step;

    bool registerKey = false;
    for (auto k : kRegisterKeys) registerKey = registerKey || name == k;
    if (registerKey) {
        const auto second = choice.find(':');
        if (second != std::string_view::npos && name != "Kin") return std::nullopt;
        step.number = ParseInt(choice.substr(0, second), 1, 100);
        if (!step.number) return std::nullopt;
        if (second != std::string_view::npos) step.description = std::string(choice.substr(second + 1));
        return step;
    }
    if (name == "Cnst") {
        step.number = ParseInt(choice, 1, 128);
        return step.number ? std::optional(step) : std::nullopt;
    }
    if (name == "KAC" || name == "Del") {
        auto items = ParseList(choice, 1, name == "KAC" ? 100 : 32767);
        if (!items) return std::nullopt;
        step.items = std::move(*items);
        return step;
    }
    return std::nullopt;
}

}  // namespace

std::optional<ScriptOptions> ParseKeyScript(const std::vector<std::string>& args, std::string& error) {
    ScriptOptions options;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--help" || arg == "--version") {
            options.answer = arg == "--help" ? ScriptOptions::Answer::Help : ScriptOptions::Answer::Version;
            return options;
        }
        if (arg == "--each") options.each = true;
        else if (arg == "--state") options.state = true;
        else if (arg == "--speak") options.speak = true;
        else if (arg == "--tape") options.tape = true;
        else if (arg == "--dir") {
            if (i + 1 >= args.size()) {
                error = "numora-keys: --dir needs a folder";
                return std::nullopt;
            }
            options.dir = args[++i];
        } else if (arg == "--language") {
            if (i + 1 >= args.size()) {
                error = "numora-keys: --language needs a language (en, de, fr, es)";
                return std::nullopt;
            }
            options.language = args[++i];
        } else if (arg.starts_with("--")) {
            error = "numora-keys: unknown option " + arg;
            return std::nullopt;
        } else {
            auto step = ParseStep(arg);
            if (!step) {
                error = "numora-keys: unknown key or malformed choice: " + arg;
                return std::nullopt;
            }
            options.steps.push_back(std::move(*step));
        }
    }
    return options;
}
