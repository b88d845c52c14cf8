// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <string>
#include <vector>

// What numora's command line asks for. It is read before anything else, so that --help,
// --version and a mistyped option answer at once, even while another copy runs.
struct CommandLine {
    enum class Action { Run, Help, Version, Error };
    Action action = Action::Run;
    std::optional<std::string> dir;  // --dir DIR
    std::string error;  // one line naming the bad argument
};

// `args` are the arguments after the program name. Qt's own options (-style, -platform,
// -session ...) are let through for QApplication.
CommandLine ParseCommandLine(const std::vector<std::string>& args);

std::string UsageText();
std::string VersionText();
