// SPDX-License-Identifier: MIT
// The tape beside a real face: lines of keyed steps, copied through the real clipboard, kept in
// the data folder across a restart, and never in the way of the keys.
#include <QAction>
#include <QClipboard>
#include <QListWidget>

#include "face_fixture.h"

class TapePanelTest : public QObject {
    Q_OBJECT

    FaceFixture face_;

    QListWidget* ShowTape() {
        QAction* tape = face_.Find<QAction>("mnuTape");
        if (!tape->isChecked()) tape->trigger();
        auto* list = face_.Find<QListWidget>("TapeList");
        // Null when the panel never shows, which the callers' checks then report.
        if (list == nullptr || !QTest::qWaitForWindowExposed(&face_.Window()) || !list->isVisible()) return nullptr;
        return list;
    }
    QPushButton* PanelButton(const char* name) {
        return face_.Find<QWidget>("TapePanel")->findChild<QPushButton*>(name);
    }
    static QStringList Rows(const QListWidget& list) {
        QStringList rows;
        for (int row = 0; row < list.count(); ++row) rows << list.item(row)->text();
        return rows;
    }

private slots:
    // The tape shows inside the main window, so keys typed next still reach the face; hidden, it
    // gives the window back its own size.
    void tapeShowsBesideTheFaceAndKeysGoOn() {
        CalcMainFrm& window = face_.Start();
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        const QSize alone = window.size();
        const QRect face = face_.Find<QWidget>("Face")->geometry();
        QTest::keyClick(&window, Qt::Key_T, Qt::ControlModifier | Qt::ShiftModifier);
        auto* list = face_.Find<QListWidget>("TapeList");
        QVERIFY(list->isVisible());
        QVERIFY(window.width() > alone.width());
        QCOMPARE(window.height(), alone.height());
        QTest::keyClicks(&window, "9+1=");
        QCOMPARE(face_.Display().trimmed(), QString("10."));
        QCOMPARE(Rows(*list), QStringList({"9 + 1 = 10."}));

        QTest::keyClick(&window, Qt::Key_T, Qt::ControlModifier | Qt::ShiftModifier);
        QVERIFY(!list->isVisible());
        QTRY_COMPARE(window.size(), alone);
        QCOMPARE(face_.Find<QWidget>("Face")->geometry(), face);
        PanelButton("ClearButton")->click();
    }

    // In the list, Ctrl+C copies the selected lines (not the result, as on the face) and the
    // arrows move the selection (not the x^y key, as on the face).
    void selectedLinesAreCopiedOnePerLine() {
        QListWidget* list = ShowTape();
        QVERIFY(list != nullptr);
        face_.ClickAll({"key_2", "key_plus", "key_3", "key_multiply", "key_4", "key_equal"});
        face_.ClickAll({"key_3", "key_0", "key_Sin"});
        QCOMPARE(Rows(*list), QStringList({"2 + 3 x 4 = 14.", "sin 30 = 0.5"}));

        list->setFocus();
        list->setCurrentRow(1);
        QTest::keyClick(list, Qt::Key_Up);
        QCOMPARE(list->currentRow(), 0);
        QCOMPARE(face_.Display().trimmed(), QString("0.5"));
        QTest::keyClick(list, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(list, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QGuiApplication::clipboard()->text(), QString("2 + 3 x 4 = 14.\nsin 30 = 0.5"));

        list->setCurrentRow(1);
        QTest::mouseClick(PanelButton("CopyButton"), Qt::LeftButton);
        QCOMPARE(QGuiApplication::clipboard()->text(), QString("sin 30 = 0.5"));
    }

    // The lines, whether the tape is shown and its width all survive a restart.
    void tapeSurvivesARestartAndClearEmptiesIt() {
        // Dragging the tape's edge 40 pixels to the right widens it, and the window with it.
        CalcMainFrm& window = face_.Window();
        auto* panel = face_.Find<QWidget>("TapePanel");
        auto* grip = face_.Find<QWidget>("TapeWidthGrip");
        const QSize before = window.size();
        QTest::mousePress(grip, Qt::LeftButton, {}, grip->rect().center());
        QTest::mouseMove(grip, grip->rect().center() + QPoint(40, 0));
        QTest::mouseRelease(grip, Qt::LeftButton, {}, grip->rect().center() + QPoint(40, 0));
        QTRY_COMPARE(window.size(), before + QSize(40, 0));
        const int width = panel->width();
        face_.Close();
        face_.Start();
        QVERIFY(face_.Find<QAction>("mnuTape")->isChecked());
        QListWidget* list = ShowTape();
        QVERIFY(list != nullptr);
        QCOMPARE(face_.Find<QWidget>("TapePanel")->width(), width);
        QCOMPARE(Rows(*list), QStringList({"2 + 3 x 4 = 14.", "sin 30 = 0.5"}));

        QTest::mouseClick(PanelButton("ClearButton"), Qt::LeftButton);
        QCOMPARE(list->count(), 0);
        face_.Close();
        face_.Start();
        list = ShowTape();
        QVERIFY(list != nullptr);
        QCOMPARE(list->count(), 0);
    }
};

QTEST_MAIN(TapePanelTest)
#include "tape_panel_test.moc"
