// SPDX-License-Identifier: MIT
#include <csignal>
#include <cstdio>
#include <filesystem>
#include <optional>
#include <string>
#include <system_error>
#include <vector>

#include <QApplication>
#include <QCoreApplication>

#include "persist/program_folder.h"
#include "persist/qt_settings_store.h"
#include "shell/accessible_range_guard.h"
#include "shell/activation_wait.h"
#include "shell/calc_main_frm.h"
#include "shell/command_line.h"
#include "shell/language.h"
#include "shell/quit_signals.h"
#include "shell/shell_setup.h"
#include "shell/single_instance.h"
#include "shell/startup_notification.h"
#include "widgets/text_fit.h"
#include "widgets/translated_text.h"

namespace {

// A line on the terminal, in its encoding.
void Say(std::FILE* stream, const QString& text) { std::fprintf(stream, "%s\n", text.toLocal8Bit().constData()); }

// The later copy waits two seconds for its answer.
constexpr int kActivationWaitMs = 1000;

}  // namespace

int main(int argc, char* argv[]) {
    // A file-size limit fails a save with its warning instead of killing the program in the
    // middle of it.
    std::signal(SIGXFSZ, SIG_IGN);
    const CommandLine options = ParseCommandLine(std::vector<std::string>(argv + 1, argv + argc));
    switch (options.action) {
    case CommandLine::Action::Help: {
        // In the desktop's language; no window system is needed for it.
        QCoreApplication core(argc, argv);
        LoadCatalogues({});
        std::fputs(UsageText().c_str(), stdout);
        return 0;
    }
    case CommandLine::Action::Version: std::fputs(VersionText().c_str(), stdout); return 0;
    case CommandLine::Action::Error: std::fprintf(stderr, "%s\n", options.error.c_str()); return 2;
    case CommandLine::Action::Run: break;
    }
    const QByteArray startupId = LauncherStartupId();
    QApplication app(argc, argv);
    PrepareApplication(app);
    GuardAccessibleRanges();
    FitTextsOfEveryWindow(app);

    // A second copy hands over to the first before it reads any setting or file.
    SingleInstance instance(kApplicationTitle);
    std::optional<RunningCopy> running = instance.ActivatePreviousInstance(startupId);
    if (!running && !instance.Claim()) {
        running = instance.AwaitPreviousInstance(startupId);
        if (!running) {
            LoadCatalogues({});
            Say(stderr, WindowText(QT_TRANSLATE_NOOP("Numora", "Numora is already running but does not answer.")));
            return 1;
        }
    }
    if (running) {
        // In the desktop's language: this copy reads no setting of the running one.
        LoadCatalogues({});
        Say(stdout,
            running->broughtForward
                ? WindowText(QT_TRANSLATE_NOOP("Numora", "Numora is already running; its window was brought forward."))
                : WindowText(QT_TRANSLATE_NOOP("Numora",
                                               "Numora is already running; its window could not be brought forward.")));
        std::error_code error;
        if (!options.dir || std::filesystem::equivalent(running->dataFolder.toStdString(), *options.dir, error))
            return 0;
        // One window works on one folder: the folder asked for is not opened beside it.
        Say(stderr,
            WindowText(QT_TRANSLATE_NOOP("Numora", "The running window keeps the data folder %1; %2 is not used."))
                .arg(running->dataFolder, QString::fromLocal8Bit(options.dir->c_str())));
        return 1;
    }
    {
        QtSettingsStore store;
        LoadCatalogues(ChosenLanguage(store));
    }
    const std::filesystem::path dataFolder = ChooseProgramFolder(options.dir, ExecutableFolder());
    CalcMainFrm window;
    OnQuitSignals(&window, [&window] { window.CloseUnattended(); });
    window.SetProgramFolder(dataFolder);
    const auto bringForward = [&window](const QByteArray& id, SingleInstance::Answer answer) {
        BringForwardForLauncher(window, id, [&window] { window.BringForward(); });
        AwaitActivation(window, kActivationWaitMs, std::move(answer));
    };
    // Without its channel this copy still runs alone; later copies cannot bring it forward.
    instance.Listen(QString::fromStdString(dataFolder.string()), bringForward);
    window.InitializeCalculator();
    // A quit signal during start-up (while a warning box was up) ends the program here.
    if (window.QuitRequested()) {
        window.close();
        return 0;
    }
    window.show();
    return app.exec();
}
