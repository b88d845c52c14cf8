// SPDX-License-Identifier: MIT
// The real program started twice: the second copy hands over to the first and ends.

#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QLocalSocket>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

class SingleInstanceTest : public QObject {
    Q_OBJECT

    QTemporaryDir folder_;
    QString program_;
    QList<QProcess*> started_;

    QString Channel() const { return folder_.filePath("run/Numora"); }

    QProcess* Launch() {
        auto* process = new QProcess(this);
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("QT_QPA_PLATFORM", "offscreen");
        env.insert("XDG_RUNTIME_DIR", folder_.filePath("run"));
        env.insert("XDG_CONFIG_HOME", folder_.filePath("config"));
        process->setProcessEnvironment(env);
        process->start(program_, {"--dir", folder_.filePath("data")});
        started_.append(process);
        return process;
    }

    // The first copy is up once its channel answers.
    bool WaitForChannel() {
        QElapsedTimer clock;
        clock.start();
        while (clock.elapsed() < 10000) {
            QLocalSocket probe;
            probe.connectToServer(Channel());
            if (probe.waitForConnected(200)) return true;
            QTest::qWait(50);
        }
        return false;
    }

    void ExpectHandOver() {
        QProcess* second = Launch();
        QElapsedTimer clock;
        clock.start();
        QVERIFY(second->waitForFinished(5000));
        qInfo("second copy ended after %lld ms", clock.elapsed());
        QCOMPARE(second->exitStatus(), QProcess::NormalExit);
        QCOMPARE(second->exitCode(), 0);
        QVERIFY(second->readAllStandardOutput().contains("brought forward"));
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
};

QTEST_GUILESS_MAIN(SingleInstanceTest)
#include "single_instance_test.moc"
