// SPDX-License-Identifier: MIT
#include "shell/command_line.h"
#include "widgets/translated_text.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace {

// QGuiApplication's and QApplication's documented options; a session manager restarts the
// program with -session, so these must not count as mistakes.
constexpr std::array<std::string_view, 11> kQtOptionsWithValue = {
    "-platform",        "-platformpluginpath", "-platformtheme", "-plugin",
    "-qwindowgeometry", "-qwindowicon",        "-qwindowtitle",  "-session",
    "-style",           "-stylesheet",         "-display"};
constexpr std::array<std::string_view, 3> kQtFlags = {"-reverse", "-widgetcount", "-nograb"};

bool IsIn(const auto& list, std::string_view arg) { return std::find(list.begin(), list.end(), arg) != list.end(); }

// -style=fusion: an option and its value in one argument.
bool IsQtOptionWithItsValue(std::string_view arg) {
    const auto equals = arg.find('=');
    return equals != std::string_view::npos && IsIn(kQtOptionsWithValue, arg.substr(0, equals));
}

CommandLine Failed(std::string error) {
    CommandLine result;
    result.action = CommandLine::Action::Error;
    result.error = "numora: " + std::move(error) + " (see numora --help)";
    return result;
}

}  // namespace

CommandLine ParseCommandLine(const std::vector<std::string>& args) {
    CommandLine result;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--help" || arg == "-h") {
            result.action = CommandLine::Action::Help;
            return result;
        }
        if (arg == "--version" || arg == "-v") {
            result.action = CommandLine::Action::Version;
            return result;
        }
        if (arg == "--dir") {
            if (i + 1 == args.size() || args[i + 1].empty()) return Failed("--dir needs a folder");
            result.dir = args[++i];
        } else if (arg.starts_with("--dir=")) {
            if (arg.size() == 6) return Failed("--dir needs a folder");
            result.dir = arg.substr(6);
        } else if (IsIn(kQtOptionsWithValue, arg)) {
            if (i + 1 == args.size()) return Failed(arg + " needs a value");
            ++i;
        } else if (!IsIn(kQtFlags, arg) && !IsQtOptionWithItsValue(arg)) {
            return Failed((arg.starts_with("-") ? "unknown option " : "unexpected argument ") + arg);
        }
    }
    return result;
}

std::string UsageText() {
    return WindowText(
               QT_TRANSLATE_NOOP("Numora",
                                 "Usage: numora [--dir DIR]\n"
                                 "A scientific calculator. A second start brings the running copy's window forward.\n"
                                 "\n"
                                 "  --dir DIR      read and save the memory registers and the data set in DIR\n"
                                 "  -h, --help     show this text and exit\n"
                                 "  -v, --version  show the version and exit\n"
                                 "\n"
                                 "See numora(1).\n"))
        .toStdString();
}

std::string VersionText() { return std::string("numora ") + NUMORA_VERSION_TEXT + "\n"; }
