// SPDX-License-Identifier: MIT
// numora-keys: presses face keys by name on a calculator started as the program starts, and
// prints the display.
#include <csignal>
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include <QString>
#include <QTranslator>

#include "cli/key_script.h"
#include "cli/scripted_platform.h"
#include "constants/scripted_constant_picker.h"
#include "core/calculator.h"
#include "core/clipboard_clock.h"
#include "core/translation.h"
#include "core/undo_history.h"
#include "keys/dispatch.h"
#include "keys/key_table.h"
#include "keys/mode_controls.h"
#include "memory/scripted_register_chooser.h"
#include "persist/program_folder.h"
#include "persist/qt_settings_store.h"
#include "session/session_steps.h"
#include "session/session_stores.h"
#include "stats/scripted_data_picker.h"
#include "tape/paper_tape.h"

namespace {

constexpr const char* kUsage =
    "Usage: numora-keys [--dir DIR] [--each] [--state] [--speak] [--tape] [--language LANG] KEY...\n"
    "Presses the calculator's face keys by name and prints the display: the mantissa, a TAB and\n"
    "the exponent field.\n"
    "\n"
    "  KEY        a face key's control name without key_: 7, plus, Sqrt, Kin:7:Width, FxnButton:2 ...;\n"
    "             Undo takes the last key back (up to 100 keys), Redo does it again\n"
    "  --dir DIR  read and save the memory registers and the data set in DIR, as numora --dir does\n"
    "  --each     print the display after every key\n"
    "  --state    add the indicators to each printed line\n"
    "  --speak    print the words read-out would speak\n"
    "  --tape     after the display, print the lines the run added to the paper tape\n"
    "  --language LANG  the words of --speak in LANG (en, de, fr, es) instead of English\n"
    "  --help     show this text and exit\n"
    "  --version  show the version and exit\n"
    "\n"
    "Exit status: 0 when every key was pressed, 2 for a bad argument. See numora-keys(1).\n";

// The catalogue of --language; English, the words' own, needs none.
QTranslator& Catalogue() {
    static QTranslator catalogue;
    return catalogue;
}

bool LoadCatalogue(const std::string& language) {
    if (language == "en") return true;
    if (language.empty() || language.find_first_not_of("abcdefghijklmnopqrstuvwxyz") != std::string::npos ||
        !Catalogue().load(QString::fromStdString(":/i18n/numora_" + language)))
        return false;
    InstallTextTranslator(
        [](const char* context, const char* text) {
            const QString translated = Catalogue().translate(context, text);
            return translated.isEmpty() ? std::string(text) : translated.toStdString();
        },
        language);
    return true;
}

void PrintPanel(const Calculator& calc, bool state) {
    const DisplayPanel& p = calc.panel;
    std::string line = p.DisplayBox + "\t" + p.ExpoBox;
    if (state)
        line += "\t" + p.Mem_Indicator + "\t" + p.CCalc_Indicator + "\t" + p.Mode_Indicator + "\t" +
                p.DispMode_Indicator + "\t" + p.OperatorIndicator;
    std::printf("%s\n", line.c_str());
}

// The windows' answers for a key that opens one: the register, the list items, the table row.
struct ScriptedPickers {
    ScriptedRegisterChooser registers;
    ScriptedDataPicker data;
    ScriptedConstantPicker constants;

    void Arm(const ScriptStep& step) {
        if (step.control == "key_Cnst" && step.number) constants.SetNext(*step.number);
        else if (step.control == "key_Del" && !step.items.empty()) data.SetNext(step.items);
        else if (step.control == "key_KAC" && !step.items.empty()) registers.SetNext({0, {}, step.items});
        else if (step.number) {
            RegisterScript script{*step.number, {}, {}};
            if (!step.description.empty()) script.Description = step.description;
            registers.SetNext(script);
        }
    }
};

void Press(Calculator& calc, MemoryClipboard& clipboard, ScriptedPickers& pickers, UndoHistory& history,
           const ScriptStep& step) {
    switch (step.kind) {
    case ScriptStep::Kind::FaceKey:
        pickers.Arm(step);
        history.Key(calc, [&](Calculator& c) { ClickKey(c, *FindFaceKey(step.control)); });
        break;
    case ScriptStep::Kind::ModeButton:
        history.Key(calc, [&](Calculator& c) { ClickModeControl(c, step.control, step.precision); });
        break;
    case ScriptStep::Kind::Copy:
        CopyResult(calc);
        std::printf("clipboard: %s\n", clipboard.Text().c_str());
        break;
    case ScriptStep::Kind::Paste:
        clipboard.SetText(step.text);
        history.Key(calc, [](Calculator& c) { DispatchKey(c, "xtract"); });
        break;
    case ScriptStep::Kind::Undo: history.Undo(calc); break;
    case ScriptStep::Kind::Redo: history.Redo(calc); break;
    }
}

}  // namespace

int main(int argc, char** argv) {
    // A file-size limit fails a save with its warning instead of killing the program in the
    // middle of it.
    std::signal(SIGXFSZ, SIG_IGN);
    std::string error;
    const auto options = ParseKeyScript(std::vector<std::string>(argv + 1, argv + argc), error);
    if (!options) {
        std::fprintf(stderr, "%s\n", error.c_str());
        return 2;
    }
    if (options->answer == ScriptOptions::Answer::Help) {
        std::fputs(kUsage, stdout);
        return 0;
    }
    if (options->answer == ScriptOptions::Answer::Version) {
        std::puts("numora-keys " NUMORA_VERSION_TEXT);
        return 0;
    }

    if (options->language && !LoadCatalogue(*options->language)) {
        std::fprintf(stderr, "numora-keys: no words for the language %s (en, de, fr, es)\n",
                     options->language->c_str());
        return 2;
    }

    PrintedSpeech speech;
    MemoryClipboard clipboard;
    ConsoleMessages messages;
    SystemClock clock;
    ScriptedPickers pickers;
    Calculator calc(Platform{options->speak ? &speech : nullptr, &clock, &clipboard, &messages, &pickers.registers,
                             &pickers.data, &pickers.constants});
    calc.modes.ReadOutLoudOn = options->speak;
    PaperTape tape;
    calc.platform.tape = &tape;

    // A run starts and ends as numora does, over the same files and saved memory.
    QtSettingsStore store;
    SessionStores stores(store, ChooseProgramFolder(options->dir, ExecutableFolder()), &tape);
    RunStartupSteps(calc, stores);

    UndoHistory history;
    for (const ScriptStep& step : options->steps) {
        Press(calc, clipboard, pickers, history, step);
        if (options->each) PrintPanel(calc, options->state);
    }
    if (!options->each) PrintPanel(calc, options->state);
    if (options->tape)
        for (const std::string& line : tape.LinesOfThisRun()) std::printf("%s\n", line.c_str());
    RunShutdownSteps(calc, stores);
    return 0;
}
