// SPDX-License-Identifier: MIT
#include <cstdio>
#include <optional>
#include <string>

#include <QApplication>
#include <QCommandLineParser>

#include "persist/program_folder.h"
#include "shell/calc_main_frm.h"
#include "shell/quit_signals.h"
#include "shell/shell_setup.h"
#include "shell/single_instance.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    PrepareApplication(app);

    // A second copy hands over to the first before it reads any setting or file.
    SingleInstance instance(kApplicationTitle);
    if (instance.ActivatePreviousInstance()) {
        std::puts("Numora is already running; its window was brought forward.");
        return 0;
    }
    QCommandLineParser parser;
    parser.addHelpOption();
    const QCommandLineOption dirOption("dir", "Folder of the register and data files.", "DIR");
    parser.addOption(dirOption);
    parser.process(app);
    std::optional<std::string> dir;
    if (parser.isSet(dirOption)) dir = parser.value(dirOption).toStdString();

    CalcMainFrm window;
    OnQuitSignals(&window, [&window] { window.CloseUnattended(); });
    window.SetProgramFolder(ChooseProgramFolder(dir, ExecutableFolder()));
    if (!instance.Listen([&window] { window.BringForward(); }) && instance.ActivatePreviousInstance())
        return 0;
    window.InitializeCalculator();
    window.show();
    return app.exec();
}
