// SPDX-License-Identifier: MIT
// The tape window over a real face: lines of keyed steps, copied through the real clipboard, kept
// in the data folder across a restart.
#include <QAction>
#include <QClipboard>
#include <QListWidget>

#include "face_fixture.h"

class TapeWindowTest : public QObject {
    Q_OBJECT

    FaceFixture face_;

    QListWidget* OpenTape() {
        face_.Find<QAction>("mnuTape")->trigger();
        auto* list = face_.Find<QListWidget>("TapeList");
        // Null when the window never shows, which the callers' checks then report.
        if (list == nullptr || !QTest::qWaitForWindowExposed(list->window())) return nullptr;
        return list;
    }
    static QStringList Rows(const QListWidget& list) {
        QStringList rows;
        for (int row = 0; row < list.count(); ++row) rows << list.item(row)->text();
        return rows;
    }

private slots:
    void shortcutOpensTheTapeBesideTheFace() {
        CalcMainFrm& window = face_.Start();
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QTest::keyClick(&window, Qt::Key_T, Qt::ControlModifier | Qt::ShiftModifier);
        auto* tape = face_.Find<QWidget>("CalcTapeFrm");
        QVERIFY(tape != nullptr && tape->isVisible());
        QVERIFY(tape->isWindow());
        QCOMPARE(face_.Display().trimmed(), QString("0."));  // the face did not take the key
    }

    void selectedLinesAreCopiedOnePerLine() {
        QListWidget* list = OpenTape();
        QVERIFY(list != nullptr);
        face_.ClickAll({"key_2", "key_plus", "key_3", "key_multiply", "key_4", "key_equal"});
        face_.ClickAll({"key_3", "key_0", "key_Sin"});
        QCOMPARE(Rows(*list), QStringList({"2 + 3 x 4 = 14.", "sin 30 = 0.5"}));

        list->selectAll();
        QTest::keyClick(list, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QGuiApplication::clipboard()->text(), QString("2 + 3 x 4 = 14.\nsin 30 = 0.5"));

        list->setCurrentRow(1);
        QTest::mouseClick(list->window()->findChild<QPushButton*>("CopyButton"), Qt::LeftButton);
        QCOMPARE(QGuiApplication::clipboard()->text(), QString("sin 30 = 0.5"));
    }

    void tapeSurvivesARestartAndClearEmptiesIt() {
        face_.Close();
        face_.Start();
        QListWidget* list = OpenTape();
        QVERIFY(list != nullptr);
        QCOMPARE(Rows(*list), QStringList({"2 + 3 x 4 = 14.", "sin 30 = 0.5"}));

        QTest::mouseClick(list->window()->findChild<QPushButton*>("ClearButton"), Qt::LeftButton);
        QCOMPARE(list->count(), 0);
        face_.Close();
        face_.Start();
        list = OpenTape();
        QVERIFY(list != nullptr);
        QCOMPARE(list->count(), 0);
    }
};

QTEST_MAIN(TapeWindowTest)
#include "tape_window_test.moc"
