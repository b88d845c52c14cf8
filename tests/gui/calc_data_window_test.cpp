// SPDX-License-Identifier: MIT
// The data window: its list, the check-mark buttons, the delete question both ways, the
// renumbering after a delete, and leaving without a result.
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QTreeView>

#include "face_fixture.h"
#include "modal_watch.h"
#include "stats/calc_data_window.h"
#include "widgets/twips.h"

namespace {

QTreeView* List(QWidget* window) { return window->findChild<QTreeView*>("ItemBox"); }
QAbstractItemModel* Items(QWidget* window) { return List(window)->model(); }
int RowCount(QWidget* window) { return Items(window)->rowCount(); }
QPushButton* Button(QWidget* window, const char* name) { return window->findChild<QPushButton*>(name); }
void Press(QWidget* window, const char* name) { QTest::mouseClick(Button(window, name), Qt::LeftButton); }
void SetCheck(QWidget* window, int position, Qt::CheckState state) {
    Items(window)->setData(Items(window)->index(position - 1, 0), state, Qt::CheckStateRole);
}
void Tick(QWidget* window, int position) { SetCheck(window, position, Qt::Checked); }

// Each row as "label|value|checked".
QStringList Rows(QWidget* window) {
    QStringList rows;
    QAbstractItemModel* items = Items(window);
    for (int k = 0; k < items->rowCount(); ++k) {
        const bool checked = items->index(k, 0).data(Qt::CheckStateRole).value<Qt::CheckState>() == Qt::Checked;
        rows << items->index(k, 0).data().toString() + "|" + items->index(k, 1).data().toString() +
                    (checked ? "|x" : "|");
    }
    return rows;
}

DataSetCell Values(std::initializer_list<double> values) {
    DataSetCell data;
    for (double v : values) data.AppendValue(v);
    return data;
}

}  // namespace

class CalcDataWindowTest : public QObject {
    Q_OBJECT

    FaceFixture face_;  // prepares the application and a throwaway settings folder

private slots:
    void listColumnsAndTexts() {
        DialogCalculator d;
        d.calc.statistics.StatData = Values({2, 0.1 + 0.2, 1E-20, -123456789012345678.0});
        CalcDataFrm window(d.calc);
        window.show();
        QCOMPARE(window.windowTitle(), QString("Data"));
        QCOMPARE(window.findChild<QLabel*>("Lab1")->text(), QString("Choose data to delete:"));
        QCOMPARE(Button(&window, "AllButton")->text(), QString("Select &All"));
        QCOMPARE(Button(&window, "ClearButton")->text(), QString("&Clear"));
        QCOMPARE(Button(&window, "DeleteButton")->text(), QString("&Delete"));
        QCOMPARE(Button(&window, "ExitButton")->text(), QString("E&xit"));
        QTreeView* list = List(&window);
        QCOMPARE(list->model()->headerData(0, Qt::Horizontal).toString(), QString("   Data"));
        QCOMPARE(list->model()->headerData(1, Qt::Horizontal).toString(), QString("              Value"));
        QVERIFY(list->header()->sectionSize(0) >= TwipsToPixels(1300));
        QCOMPARE(list->header()->sectionSize(1), TwipsToPixels(2800));
        QCOMPARE(Rows(&window), QStringList({"Data-01|   2|", "Data-02|   0.3|", "Data-03|   1E-20|",
                                             "Data-04|   -1.23456789012346E+17|"}));
        QVERIFY(!list->model()->index(0, 0).data(Qt::DecorationRole).value<QIcon>().isNull());
        QVERIFY(!Button(&window, "DeleteButton")->isEnabled());
    }

    void checkMarksEnableDelete() {
        DialogCalculator d;
        d.calc.statistics.StatData = Values({1, 2, 3});
        CalcDataFrm window(d.calc);
        window.show();
        QPushButton* del = Button(&window, "DeleteButton");
        Press(&window, "AllButton");
        QCOMPARE(Rows(&window), QStringList({"Data-01|   1|x", "Data-02|   2|x", "Data-03|   3|x"}));
        QVERIFY(del->isEnabled());
        Press(&window, "ClearButton");
        QCOMPARE(Rows(&window), QStringList({"Data-01|   1|", "Data-02|   2|", "Data-03|   3|"}));
        QVERIFY(!del->isEnabled());
        Tick(&window, 3);
        QVERIFY(del->isEnabled());
        SetCheck(&window, 3, Qt::Unchecked);
        QVERIFY(!del->isEnabled());
    }

    void emptyListKeepsDeleteDisabled() {
        DialogCalculator d;
        CalcDataFrm window(d.calc);
        window.show();
        QCOMPARE(RowCount(&window), 0);
        Press(&window, "AllButton");
        QVERIFY(!Button(&window, "DeleteButton")->isEnabled());
    }

    void deleteAsksAndRenumbers() {
        DialogCalculator d;
        d.calc.statistics.StatData = Values({2, 4, 9});
        CalcDataFrm window(d.calc);
        window.show();
        Tick(&window, 2);
        QObject scope;
        auto no = AnswerNextQuestion(&scope, QMessageBox::No);
        Press(&window, "DeleteButton");
        QVERIFY(no->seen);
        QCOMPARE(no->title, QString("Warning"));
        QCOMPARE(no->text, QString("Are you sure you want to delete Selected Data?"));
        QCOMPARE(no->icon, QMessageBox::Critical);
        QCOMPARE(d.calc.statistics.StatData, Values({2, 4, 9}));
        QCOMPARE(Rows(&window), QStringList({"Data-01|   2|", "Data-02|   4|x", "Data-03|   9|"}));

        auto yes = AnswerNextQuestion(&scope, QMessageBox::Yes);
        Press(&window, "DeleteButton");
        QVERIFY(yes->seen);
        QCOMPARE(d.calc.statistics.StatData, Values({2, 9}));
        QCOMPARE(Rows(&window), QStringList({"Data-01|   2|", "Data-02|   9|"}));

        // The button keeps its state: a second press with nothing ticked asks and changes nothing.
        auto again = AnswerNextQuestion(&scope, QMessageBox::Yes);
        Press(&window, "DeleteButton");
        QVERIFY(again->seen);
        QCOMPARE(d.calc.statistics.StatData, Values({2, 9}));
        QCOMPARE(RowCount(&window), 2);
    }

    void deletingEveryValueLeavesEmptyText() {
        DialogCalculator d;
        d.calc.statistics.StatData = Values({5, 6});
        CalcDataFrm window(d.calc);
        window.show();
        Press(&window, "AllButton");
        QObject scope;
        auto yes = AnswerNextQuestion(&scope, QMessageBox::Yes);
        Press(&window, "DeleteButton");
        QVERIFY(yes->seen);
        QCOMPARE(d.calc.statistics.StatData.kind(), DataSetCell::Kind::EmptyText);
        QCOMPARE(RowCount(&window), 0);
        QVERIFY(!Button(&window, "DeleteButton")->isEnabled());
        QVERIFY(window.isVisible());
    }

    // Leaving after ticking changes nothing, whichever way.
    void leavingChangesNothing_data() {
        QTest::addColumn<bool>("closeBox");
        QTest::newRow("Exit") << false;
        QTest::newRow("CloseBox") << true;
    }

    void leavingChangesNothing() {
        QFETCH(bool, closeBox);
        DialogCalculator d;
        d.calc.statistics.StatData = Values({1, 2});
        DialogDataPicker picker(nullptr, [](QDialog& dialog) { return dialog.exec(); });
        QObject scope;
        auto acted = ActOnNextModal<CalcDataFrm>(&scope, [&](CalcDataFrm* window) {
            Press(window, "AllButton");
            if (closeBox) window->close();
            else Press(window, "ExitButton");
        });
        picker.ShowDataWindow(d.calc);
        QVERIFY(*acted);
        QCOMPARE(d.calc.statistics.StatData, Values({1, 2}));
    }

    // From the face: Del lists what Data stored; a delete there is what "Cnt" then counts.
    void faceKeysOpenTheWindow() {
        face_.Start();
        QObject scope;
        QStringList shown;
        auto acted = ActOnNextModal<CalcDataFrm>(&scope, [&](CalcDataFrm* window) {
            shown = Rows(window);
            Tick(window, 1);
            auto yes = AnswerNextQuestion(&scope, QMessageBox::Yes);
            Press(window, "DeleteButton");
            Press(window, "ExitButton");
        });
        face_.Find<QTabWidget>("SelectTab")->setCurrentIndex(2);
        face_.ClickAll({"key_AC", "key_2", "key_Data", "key_4", "key_Data", "key_9", "key_Data", "key_Del"});
        QVERIFY(*acted);
        QCOMPARE(shown, QStringList({"Data-01|   2|", "Data-02|   4|", "Data-03|   9|"}));
        face_.Click("key_Dtn");
        QCOMPARE(face_.Display().trimmed(), QString("2."));
        face_.Close();
    }
};

QTEST_MAIN(CalcDataWindowTest)
#include "calc_data_window_test.moc"
