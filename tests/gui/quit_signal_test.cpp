// SPDX-License-Identifier: MIT
// Stored values survive the ways a session ends besides the close box: SIGTERM, SIGHUP and SIGINT
// close the real program normally, saves included; a register stored a moment before a SIGKILL
// is on the disk; without --dir the real program keeps its files in the user's data folder, or
// beside itself when both lie there. The register cases run this program again as a child that
// shows the face and stores a register by clicking, as a user would.
#include <csignal>
#include <cstring>

#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QLocalSocket>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTreeWidget>

#include "face_fixture.h"
#include "memory/calc_memory_window.h"
#include "memory/register_file.h"
#include "modal_watch.h"
#include "shell/quit_signals.h"
#include "stats/data_file.h"

namespace {

constexpr const char* kChildOption = "--store-register-in";

// The child: the face over `folder`, closed by the quit signals as numora's is; stores 7 in
// Reg-001 and says so on its standard output.
int StoreRegisterAndWait(int argc, char** argv) {
    QApplication app(argc, argv);
    PrepareApplication(app);
    QDir().mkpath(argv[2]);
    CalcMainFrm window;
    window.SetProgramFolder(argv[2]);
    OnQuitSignals(&window, [&window] { window.CloseUnattended(); });
    window.InitializeCalculator();
    window.show();
    QObject scope;
    ActOnNextModal<CalcMemoryFrm>(&scope, [](CalcMemoryFrm* dialog) {
        ClickRow(dialog->findChild<QTreeWidget*>("ItemBox"), 1);
        QTest::mouseClick(dialog->findChild<QPushButton*>("OKButton"), Qt::LeftButton);
    });
    QTest::mouseClick(window.findChild<QPushButton*>("key_7"), Qt::LeftButton);
    QTest::mouseClick(window.findChild<QPushButton*>("key_Kin"), Qt::LeftButton);
    if (window.calc().memory.MemoryRegisters[0].Value != 7) return 3;
    std::puts("stored");
    std::fflush(stdout);
    return app.exec();
}

// What the next start reads as Reg-001 from the folder.
double StoredRegisterOne(const QString& folder) {
    StoredFile file(QDir(folder).filePath(kRegisterFileName).toStdString());
    RegisterBank bank{};
    LoadRegisterFile(bank, file, nullptr);
    return bank[0].Value;
}

}  // namespace

class QuitSignalTest : public QObject {
    Q_OBJECT

    QTemporaryDir folder_;
    QProcess process_;

    QProcessEnvironment Environment() const {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("QT_QPA_PLATFORM", "offscreen");
        env.insert("XDG_RUNTIME_DIR", folder_.filePath("run"));
        env.insert("XDG_CONFIG_HOME", folder_.filePath("config"));
        return env;
    }

    static QString Program(const char* name) {
        return QDir(qEnvironmentVariable("NUMORA_BIN", QCoreApplication::applicationDirPath())).filePath(name);
    }

    bool ChannelAnswers() const {
        QLocalSocket probe;
        probe.connectToServer(folder_.filePath("run/Numora"));
        return probe.waitForConnected(200);
    }

    void StartChild(const QString& data) {
        process_.setProcessEnvironment(Environment());
        process_.start(QCoreApplication::applicationFilePath(), {kChildOption, data});
        QVERIFY(process_.waitForStarted());
        QElapsedTimer clock;
        clock.start();
        while (!process_.canReadLine() && process_.state() == QProcess::Running && clock.elapsed() < 20000)
            process_.waitForReadyRead(200);
        QCOMPARE(process_.readLine().trimmed(), QByteArray("stored"));
    }

private slots:
    void initTestCase() {
        QVERIFY(QDir(folder_.path()).mkpath("run"));
        QFile::setPermissions(folder_.filePath("run"), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }

    void cleanup() {
        process_.kill();
        process_.waitForFinished(5000);
    }

    void signalClosesTheRealProgramNormally_data() {
        QTest::addColumn<int>("signal");
        QTest::newRow("SigTerm") << SIGTERM;
        QTest::newRow("SigHup") << SIGHUP;
        QTest::newRow("SigInt") << SIGINT;
    }
    void signalClosesTheRealProgramNormally() {
        QFETCH(int, signal);
        const QString data = folder_.filePath(QString("numora-") + QTest::currentDataTag());
        const QString program =
            QDir(qEnvironmentVariable("NUMORA_BIN", QCoreApplication::applicationDirPath())).filePath("numora");
        QVERIFY2(QFileInfo::exists(program), qPrintable(program));
        process_.setProcessEnvironment(Environment());
        process_.start(program, {"--dir", data});
        // Up once its channel answers.
        QTRY_VERIFY_WITH_TIMEOUT(ChannelAnswers(), 20000);
        ::kill(static_cast<pid_t>(process_.processId()), signal);
        QVERIFY(process_.waitForFinished(20000));
        QCOMPARE(process_.exitStatus(), QProcess::NormalExit);
        QCOMPARE(process_.exitCode(), 0);
        // The closing save wrote the first run's cleared bank.
        QCOMPARE(QFileInfo(QDir(data).filePath(kRegisterFileName)).size(), 1000);
    }

    // A signal while the start-up warning box is up (a damaged register file) ends the program:
    // no window stays open with every dialog refused, and the data set read after the box is
    // kept, not saved over by one not yet read.
    void signalDuringTheStartupWarningEnds() {
        const QString data = folder_.filePath("damaged");
        QProcess keys;
        keys.setProcessEnvironment(Environment());
        keys.start(Program("numora-keys"), {"--dir", data, "4", "dot", "5", "Data"});
        QVERIFY(keys.waitForFinished(10000));
        QFile registers(QDir(data).filePath(kRegisterFileName));
        QVERIFY(registers.open(QIODevice::WriteOnly));
        registers.write("not a register file");
        registers.close();
        const auto dataSet = [&data] {
            QFile file(QDir(data).filePath(kDataFileName));
            return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
        };
        const QByteArray keyed = dataSet();
        QVERIFY(!keyed.isEmpty());
        process_.setProcessEnvironment(Environment());
        process_.start(Program("numora"), {"--dir", data});
        // The box is up once the damaged file has been set aside.
        QTRY_VERIFY_WITH_TIMEOUT(QFileInfo::exists(QDir(data).filePath(QString(kRegisterFileName) + ".bad")), 20000);
        QTest::qWait(300);
        process_.terminate();
        QVERIFY(process_.waitForFinished(20000));
        QCOMPARE(process_.exitCode(), 0);
        QCOMPARE(dataSet(), keyed);
    }

    // Without --dir: the user's data folder, unless both files lie beside the program.
    void dataFolderWithoutDir_data() {
        QTest::addColumn<bool>("portable");
        QTest::newRow("Installed") << false;
        QTest::newRow("PortableCopy") << true;
    }
    void dataFolderWithoutDir() {
        QFETCH(bool, portable);
        const QString built =
            QDir(qEnvironmentVariable("NUMORA_BIN", QCoreApplication::applicationDirPath())).filePath("numora");
        const QString copy = folder_.filePath(QString("bin-") + QTest::currentDataTag());
        const QString xdg = folder_.filePath(QString("xdg-") + QTest::currentDataTag());
        QVERIFY(QDir().mkpath(copy));
        QVERIFY(QFile::copy(built, QDir(copy).filePath("numora")));
        if (portable) {
            for (const char* name : {kRegisterFileName, kDataFileName}) {
                QFile empty(QDir(copy).filePath(name));  // empty files are valid, and enough
                QVERIFY(empty.open(QIODevice::WriteOnly));
            }
        }
        QProcessEnvironment env = Environment();
        env.insert("XDG_DATA_HOME", xdg);
        process_.setProcessEnvironment(env);
        process_.start(QDir(copy).filePath("numora"), {});
        QTRY_VERIFY_WITH_TIMEOUT(ChannelAnswers(), 20000);
        process_.terminate();
        QVERIFY(process_.waitForFinished(20000));
        const QString used = portable ? copy : QDir(xdg).filePath("Numora");
        QCOMPARE(QFileInfo(QDir(used).filePath(kRegisterFileName)).size(), 1000);
        QCOMPARE(QFileInfo(QDir(used).filePath(kDataFileName)).size(), 2);
        QCOMPARE(QFileInfo::exists(QDir(copy).filePath(kRegisterFileName)), portable);
        QCOMPARE(QFileInfo::exists(QDir(xdg).filePath(QString("Numora/") + kRegisterFileName)), !portable);
    }

    void registerSurvivesSigterm() {
        const QString data = folder_.filePath("term");
        StartChild(data);
        process_.terminate();
        QVERIFY(process_.waitForFinished(20000));
        QCOMPARE(process_.exitStatus(), QProcess::NormalExit);
        QCOMPARE(StoredRegisterOne(data), 7.0);
    }

    // Saved within a second of the change, so a kill right after loses nothing.
    void registerSurvivesSigkillOnceSaved() {
        const QString data = folder_.filePath("kill");
        StartChild(data);
        QTRY_COMPARE_WITH_TIMEOUT(StoredRegisterOne(data), 7.0, 10000);
        process_.kill();
        QVERIFY(process_.waitForFinished(20000));
        QCOMPARE(StoredRegisterOne(data), 7.0);
    }
};

int main(int argc, char** argv) {
    if (argc == 3 && std::strcmp(argv[1], kChildOption) == 0) return StoreRegisterAndWait(argc, argv);
    QApplication app(argc, argv);
    QuitSignalTest test;
    return QTest::qExec(&test, argc, argv);
}
#include "quit_signal_test.moc"
