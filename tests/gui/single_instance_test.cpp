// SPDX-License-Identifier: MIT
// The real program started twice: the second copy hands over to the first and ends.

#include <algorithm>
#include <memory>
#include <vector>

#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <pwd.h>
#include <sys/resource.h>
#include <unistd.h>

class SingleInstanceTest : public QObject {
    Q_OBJECT

    QTemporaryDir folder_;
    QString program_;
    QList<QProcess*> started_;
    QString dir_;  // --dir of the copies started next; the data folder when empty

    QString Channel() const { return folder_.filePath("run/Numora"); }

    // Without a runtime folder the channel lies in a folder of the user's own in TMPDIR.
    QString FallbackChannel(const QString& temp) const {
        const QString user = QString::number(::getuid());
        return QDir(temp).filePath("numora-" + user + "/Numora-" + user);
    }

    QProcess* Launch(const QString& temp = {}, rlim_t openFiles = 0) {
        auto* process = new QProcess(this);
        if (openFiles > 0) {
            process->setChildProcessModifier([openFiles] {
                const rlimit limit{openFiles, openFiles};
                ::setrlimit(RLIMIT_NOFILE, &limit);
            });
        }
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("QT_QPA_PLATFORM", "offscreen");
        if (temp.isEmpty()) {
            env.insert("XDG_RUNTIME_DIR", folder_.filePath("run"));
        } else {
            env.remove("XDG_RUNTIME_DIR");
            env.insert("TMPDIR", temp);
        }
        env.insert("XDG_CONFIG_HOME", folder_.filePath("config"));
        process->setProcessEnvironment(env);
        process->start(program_, {"--dir", dir_.isEmpty() ? folder_.filePath("data") : dir_});
        started_.append(process);
        return process;
    }

    // The first copy is up once its channel answers.
    bool WaitForChannel(const QString& channel = {}) {
        QElapsedTimer clock;
        clock.start();
        while (clock.elapsed() < 10000) {
            QLocalSocket probe;
            probe.connectToServer(channel.isEmpty() ? Channel() : channel);
            if (probe.waitForConnected(200)) return true;
            QTest::qWait(50);
        }
        return false;
    }

    void ExpectHandOver(const QString& temp = {}) {
        QProcess* second = Launch(temp);
        QElapsedTimer clock;
        clock.start();
        QVERIFY(second->waitForFinished(5000));
        qInfo("second copy ended after %lld ms", clock.elapsed());
        QCOMPARE(second->exitStatus(), QProcess::NormalExit);
        QCOMPARE(second->exitCode(), 0);
        QVERIFY(second->readAllStandardOutput().contains("was brought forward"));
    }

private slots:
    void initTestCase() {
        program_ = QDir(qEnvironmentVariable("NUMORA_BIN", QCoreApplication::applicationDirPath())).filePath("numora");
        QVERIFY2(QFileInfo::exists(program_), qPrintable(program_));
        QVERIFY(QDir(folder_.path()).mkpath("run"));
        QFile::setPermissions(folder_.filePath("run"), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QVERIFY(QDir(folder_.path()).mkpath("data"));
    }

    void cleanup() {
        for (QProcess* process : started_) {
            process->kill();
            process->waitForFinished(5000);
        }
        qDeleteAll(started_);
        started_.clear();
        dir_.clear();
    }

    void secondCopyRaisesTheFirstAndEnds() {
        QProcess* first = Launch();
        QVERIFY(first->waitForStarted());
        QVERIFY(WaitForChannel());
        ExpectHandOver();
        QTest::qWait(300);
        QCOMPARE(first->state(), QProcess::Running);
    }

    // A channel whose copy is gone (killed) is taken over by the next start.
    void staleChannelIsReplaced() {
        QProcess* crashed = Launch();
        QVERIFY(WaitForChannel());
        crashed->kill();
        crashed->waitForFinished(5000);
        QVERIFY(QFileInfo::exists(Channel()));

        QProcess* next = Launch();
        QVERIFY(WaitForChannel());
        QTest::qWait(300);
        QCOMPARE(next->state(), QProcess::Running);
        ExpectHandOver();
        QCOMPARE(next->state(), QProcess::Running);
    }

    void withoutRuntimeFolderTheChannelIsTheUsersOwn() {
        const QString temp = folder_.filePath("tmp-own");
        QVERIFY(QDir().mkpath(temp));
        QVERIFY(Launch(temp)->waitForStarted());
        QVERIFY(WaitForChannel(FallbackChannel(temp)));
        const auto others = QFile::ReadGroup | QFile::WriteGroup | QFile::ExeGroup | QFile::ReadOther |
                            QFile::WriteOther | QFile::ExeOther;
        QVERIFY(!(QFileInfo(QFileInfo(FallbackChannel(temp)).path()).permissions() & others));
        ExpectHandOver(temp);
    }

    // Another user who holds the user's runtime and channel folders, and answers on the shared
    // name, does not stop the user's copies from starting.
    void squattedChannelFoldersAreNotUsed() {
        const QString temp = folder_.filePath("tmp-squatted");
        const QString runtime = QDir(temp).filePath(QString("runtime-") + ::getpwuid(::getuid())->pw_name);
        const QString own = QFileInfo(FallbackChannel(temp)).path();
        for (const QString& squatted : {runtime, own}) {
            QVERIFY(QDir().mkpath(squatted));
            if (::geteuid() == 0) QCOMPARE(::chown(QFile::encodeName(squatted).constData(), 65534, 65534), 0);
            else QFile::setPermissions(squatted, QFile::permissions(squatted) | QFile::WriteOther | QFile::ExeOther);
        }
        QLocalServer squatter;
        QVERIFY(squatter.listen(QDir(temp).filePath("Numora")));
        connect(&squatter, &QLocalServer::newConnection, this, [&squatter] {
            while (QLocalSocket* socket = squatter.nextPendingConnection()) socket->write("raised\n");
        });
        QProcess* first = Launch(temp);
        QProcess* second = Launch(temp);
        QTest::qWait(3000);
        QCOMPARE(first->state(), QProcess::Running);
        QCOMPARE(second->state(), QProcess::Running);
        QVERIFY(!QFileInfo::exists(FallbackChannel(temp)));
    }

    // A start with another folder while a window runs says that the window keeps its own.
    void secondCopyWithAnotherFolderSaysSo() {
        QProcess* first = Launch();
        QVERIFY(WaitForChannel());
        dir_ = folder_.filePath("other");
        QProcess* second = Launch();
        QVERIFY(second->waitForFinished(5000));
        QCOMPARE(second->exitCode(), 1);
        QVERIFY(second->readAllStandardError().contains("keeps the data folder " + folder_.filePath("data").toUtf8()));
        QCOMPARE(first->state(), QProcess::Running);
    }

    // Twenty copies started at once, as a double click or a script may: one window stays, every
    // other copy hands over to it; five rounds on the same folder.
    void simultaneousStartsLeaveOneCopy() {
        for (int round = 0; round < 5; ++round) {
            QList<QProcess*> copies;
            for (int i = 0; i < 20; ++i) copies << Launch();
            const auto running = [&copies] {
                return std::count_if(copies.begin(), copies.end(),
                                     [](QProcess* copy) { return copy->state() != QProcess::NotRunning; });
            };
            QTRY_VERIFY_WITH_TIMEOUT(running() <= 1, 20000);
            QTest::qWait(500);
            QCOMPARE(running(), 1);
            for (QProcess* copy : copies) {
                if (copy->state() != QProcess::NotRunning) continue;
                QCOMPARE(copy->exitCode(), 0);
                QVERIFY(copy->readAllStandardOutput().contains("was brought forward"));
            }
            cleanup();
        }
    }

    // Hundreds of connections at once from the same user, more than the copy may hold files open:
    // the channel still answers the next copy.
    void floodOfConnectionsLeavesTheChannelAnswering() {
        QProcess* first = Launch({}, 256);
        QVERIFY(first->waitForStarted());
        QVERIFY(WaitForChannel());
        std::vector<std::unique_ptr<QLocalSocket>> flood;
        for (int i = 0; i < 400; ++i) {
            flood.push_back(std::make_unique<QLocalSocket>());
            flood.back()->connectToServer(Channel());
        }
        QTest::qWait(1000);
        flood.clear();
        ExpectHandOver();
        QCOMPARE(first->state(), QProcess::Running);
    }

    // A caller who comes while the copy has no file descriptor left is answered once one is free.
    void callerBeyondTheFileLimitIsAnsweredLater() {
        QProcess* first = Launch();
        QVERIFY(WaitForChannel());
        QTest::qWait(1500);  // start-up's threads have made their wake-up pipes
        const pid_t pid = first->processId();
        rlimit loose{};
        QCOMPARE(::prlimit(pid, RLIMIT_NOFILE, nullptr, &loose), 0);
        // A new descriptor takes the lowest free number, so a limit at that number refuses it.
        const QStringList open = QDir(QString("/proc/%1/fd").arg(pid)).entryList(QDir::System | QDir::NoDotAndDotDot);
        rlim_t lowestFree = 0;
        while (open.contains(QString::number(lowestFree))) ++lowestFree;
        const rlimit tight{lowestFree, loose.rlim_max};
        QCOMPARE(::prlimit(pid, RLIMIT_NOFILE, &tight, nullptr), 0);
        QLocalSocket caller;
        caller.connectToServer(Channel());
        QVERIFY(caller.waitForConnected(5000));
        QTest::qWait(500);
        QCOMPARE(::prlimit(pid, RLIMIT_NOFILE, &loose, nullptr), 0);
        ExpectHandOver();
    }

    // A request without an end, or none at all, is cut off; the first copy still answers.
    void overlongAndSilentConnectionsAreClosed() {
        QProcess* first = Launch();
        QVERIFY(first->waitForStarted());
        QVERIFY(WaitForChannel());
        QLocalSocket overlong;
        overlong.connectToServer(Channel());
        QVERIFY(overlong.waitForConnected(5000));
        overlong.write(QByteArray(4096, 'x'));
        QVERIFY(overlong.waitForDisconnected(10000));
        QLocalSocket silent;
        silent.connectToServer(Channel());
        QVERIFY(silent.waitForConnected(5000));
        QVERIFY(silent.waitForDisconnected(20000));
        ExpectHandOver();
    }
};

QTEST_GUILESS_MAIN(SingleInstanceTest)
#include "single_instance_test.moc"
