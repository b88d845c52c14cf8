// SPDX-License-Identifier: MIT
// What survives a restart: the two preferences at once, the simple memory a moment after it
// changed and at a normal exit.
#include <QAction>
#include <QComboBox>
#include <QRadioButton>

#include "face_fixture.h"
#include "persist/qt_settings_store.h"
#include "session/session_stores.h"

class SettingsRestartTest : public QObject {
    Q_OBJECT

    FaceFixture face_;

    QAction* Action(const char* name) { return face_.Find<QAction>(name); }

private slots:
    void firstRunStartsCleared() {
        CalcMainFrm& window = face_.Start();
        QVERIFY(!Action("mnuReadOut")->isChecked());
        QVERIFY(!Action("mnuOnTop")->isChecked());
        QVERIFY(!window.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        QCOMPARE(face_.Label("Mem_Indicator"), QString());
        QCOMPARE(face_.Label("Mode_Indicator"), QString("DEGREE"));
        QCOMPARE(face_.Label("DispMode_Indicator"), QString("NORM"));
        QCOMPARE(face_.Display().trimmed(), QString("0."));
        QVERIFY(!face_.Find<QComboBox>("PrecBox")->isEnabled());
        QCOMPARE(face_.Find<QComboBox>("PrecBox")->count(), 15);
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QTest::qWait(50);
        QVERIFY(window.calc().platform.speech == nullptr);  // no speech engine while read-out is off
    }

    void preferencesAreStoredAtOnceAndMemoryAMomentLater() {
        Action("mnuReadOut")->trigger();
        QVERIFY(face_.Window().calc().platform.speech != nullptr);
        Action("mnuOnTop")->trigger();
        face_.ClickAll({"key_2", "key_dot", "key_5", "key_Min"});
        QCOMPARE(face_.Label("Mem_Indicator"), QString("MEM"));
        QtSettingsStore store;
        const std::string folder = FolderApplicationName(face_.DataFolder().toStdString());
        QTRY_COMPARE_WITH_TIMEOUT(store.Read(folder, "Setting", "MemoryIn", "0"), std::string("2.5"), 10000);
        face_.Abandon();  // killed: no shutdown steps

        CalcMainFrm& window = face_.Start();
        QVERIFY(Action("mnuReadOut")->isChecked());
        QVERIFY(window.calc().modes.ReadOutLoudOn);
        QVERIFY(Action("mnuOnTop")->isChecked());
        QVERIFY(window.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        QCOMPARE(face_.Label("Mem_Indicator"), QString("MEM"));
    }

    void memorySurvivesANormalExit() {
        face_.ClickAll({"key_2", "key_dot", "key_5", "key_Min", "key_AC"});
        face_.Close();

        face_.Start();
        QCOMPARE(face_.Label("Mem_Indicator"), QString("MEM"));
        face_.Click("key_Mr");
        QCOMPARE(face_.Display().trimmed(), QString("2.5"));
    }

    void modesAreNotRemembered() {
        Action("mnuRadian")->trigger();
        Action("mnuFixed")->trigger();
        face_.Close();
        face_.Start();
        QCOMPARE(face_.Label("Mode_Indicator"), QString("DEGREE"));
        QCOMPARE(face_.Label("DispMode_Indicator"), QString("NORM"));
        QVERIFY(face_.Find<QRadioButton>("StdButton")->isChecked());
    }

    void readOutClickedTwiceIsStoredOff() {
        Action("mnuReadOut")->trigger();
        Action("mnuReadOut")->trigger();
        QVERIFY(Action("mnuReadOut")->isChecked());
        Action("mnuReadOut")->trigger();
        face_.Abandon();
        face_.Start();
        QVERIFY(!Action("mnuReadOut")->isChecked());
        QVERIFY(!face_.Window().calc().modes.ReadOutLoudOn);
    }
};

QTEST_MAIN(SettingsRestartTest)
#include "settings_restart_test.moc"
