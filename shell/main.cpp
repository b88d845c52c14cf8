// SPDX-License-Identifier: MIT
#include <csignal>
#include <cstdio>
#include <string>
#include <vector>

#include <QApplication>

#include "persist/program_folder.h"
#include "shell/calc_main_frm.h"
#include "shell/command_line.h"
#include "shell/quit_signals.h"
#include "shell/shell_setup.h"
#include "shell/single_instance.h"
#include "shell/startup_notification.h"

int main(int argc, char* argv[]) {
    // A file-size limit fails a save with its warning instead of killing the program in the
    // middle of it.
    std::signal(SIGXFSZ, SIG_IGN);
    const CommandLine options = ParseCommandLine(std::vector<std::string>(argv + 1, argv + argc));
    switch (options.action) {
    case CommandLine::Action::Help: std::fputs(UsageText().c_str(), stdout); return 0;
    case CommandLine::Action::Version: std::fputs(VersionText().c_str(), stdout); return 0;
    case CommandLine::Action::Error: std::fprintf(stderr, "%s\n", options.error.c_str()); return 2;
    case CommandLine::Action::Run: break;
    }
    const QByteArray startupId = LauncherStartupId();
    QApplication app(argc, argv);
    PrepareApplication(app);

    // A second copy hands over to the first before it reads any setting or file.
    SingleInstance instance(kApplicationTitle);
    bool handedOver = instance.ActivatePreviousInstance(startupId);
    if (!handedOver && !instance.Claim()) {
        if (!instance.AwaitPreviousInstance(startupId)) {
            std::fputs("Numora is already running but does not answer.\n", stderr);
            return 1;
        }
        handedOver = true;
    }
    if (handedOver) {
        std::puts("Numora is already running; its window was brought forward.");
        return 0;
    }
    CalcMainFrm window;
    OnQuitSignals(&window, [&window] { window.CloseUnattended(); });
    window.SetProgramFolder(ChooseProgramFolder(options.dir, ExecutableFolder()));
    const auto bringForward = [&window](const QByteArray& id) {
        BringForwardForLauncher(window, id, [&window] { window.BringForward(); });
    };
    // Without its channel this copy still runs alone; later copies cannot bring it forward.
    instance.Listen(bringForward);
    window.InitializeCalculator();
    window.show();
    return app.exec();
}
