// SPDX-License-Identifier: MIT
// The register window: its texts in each mode, the list, the preview, the OVERWRITE and DELETE
// questions answered both ways, and what each way out hands back.
#include <cmath>

#include <QAction>
#include <QFile>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTreeWidget>

#include "face_fixture.h"
#include "memory/calc_memory_window.h"
#include "memory/register_file.h"
#include "modal_watch.h"
#include "widgets/twips.h"

namespace {

template <typename T>
T* Child(QWidget* window, const char* name) {
    return window->findChild<T*>(name);
}

QTreeWidget* List(QWidget* window) { return Child<QTreeWidget>(window, "ItemBox"); }
QString RowText(QWidget* window, int position, int column) {
    return List(window)->topLevelItem(position - 1)->text(column);
}
void Press(QWidget* window, const char* button) {
    QTest::mouseClick(Child<QPushButton>(window, button), Qt::LeftButton);
}
void TypeDescription(QWidget* window, const QString& text) {
    auto* box = Child<QPlainTextEdit>(window, "DescBox");
    box->setFocus();
    box->selectAll();
    QTest::keyClicks(box, text);
}
void Tick(QWidget* window, int position, bool on) {
    List(window)->topLevelItem(position - 1)->setCheckState(0, on ? Qt::Checked : Qt::Unchecked);
}

}  // namespace

class CalcMemoryWindowTest : public QObject {
    Q_OBJECT

    FaceFixture face_;  // prepares the application and a throwaway settings folder

    // The register's value in the face's "CalcMem.mem"; NaN while there is no such file.
    double SavedRegister(int index) {
        QFile file(face_.DataFolder() + "/" + kRegisterFileName);
        if (!file.open(QIODevice::ReadOnly)) return std::nan("");
        const QByteArray bytes = file.readAll();
        return DecodeRegisterFile({reinterpret_cast<const unsigned char*>(bytes.data()), std::size_t(bytes.size())})
            .registers[index]
            .Value;
    }

private slots:
    void modeTexts_data() {
        QTest::addColumn<int>("mode");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("prompt");
        QTest::addColumn<QString>("ok");
        QTest::addColumn<QString>("frame");
        QTest::addColumn<bool>("editable");
        QTest::newRow("In") << 0 << "Memory IN"
                            << "Choose memory address to SAVE to."
                            << "Save"
                            << "Specify Description" << true;
        QTest::newRow("Recall") << 1 << "Memory RECALL"
                                << "Choose memory address to RECALL value."
                                << "Recall"
                                << "Description" << false;
        QTest::newRow("Swap") << 2 << "Memory SWAP"
                              << "Choose memory address to SWAP value."
                              << "Swap"
                              << "Specify Description" << true;
        QTest::newRow("Add") << 3 << "Memory ADD"
                             << "Choose memory address to ADD value to."
                             << "Apply"
                             << "Specify Description" << true;
        QTest::newRow("Minus") << 4 << "Memory MINUS"
                               << "Choose memory address to SUBTRACT value from."
                               << "Apply"
                               << "Specify Description" << true;
        QTest::newRow("Delete") << 5 << "Memory DELETE"
                                << "Choose memory address to DELETE value."
                                << "Delete"
                                << "Description" << false;
    }

    void modeTexts() {
        QFETCH(int, mode);
        QFETCH(QString, caption);
        QFETCH(QString, prompt);
        QFETCH(QString, ok);
        QFETCH(QString, frame);
        QFETCH(bool, editable);
        DialogCalculator d;
        d.calc.memory.MemoryFormMode = mode;
        CalcMemoryFrm window(d.calc);
        window.show();
        QCOMPARE(window.windowTitle(), caption);
        QCOMPARE(Child<QLabel>(&window, "Lab1")->text(), prompt);
        auto* okButton = Child<QPushButton>(&window, "OKButton");
        QCOMPARE(okButton->text(), ok);
        QVERIFY(!okButton->isEnabled());
        QCOMPARE(Child<QPushButton>(&window, "ExitButton")->text(), QString("E&xit"));
        QCOMPARE(Child<QGroupBox>(&window, "DecFrame")->title(), frame);
        QCOMPARE(Child<QPlainTextEdit>(&window, "DescBox")->isReadOnly(), !editable);
        const bool deleting = mode == 5;
        QCOMPARE(Child<QWidget>(&window, "DeleteFrame")->isVisible(), deleting);
        QCOMPARE(Child<QPushButton>(&window, "CLRButton")->text(), QString("&Clear"));
        QCOMPARE(Child<QPushButton>(&window, "SelectAllButton")->text(), QString("Select &All"));
        QCOMPARE(List(&window)->selectionMode(),
                 deleting ? QAbstractItemView::ExtendedSelection : QAbstractItemView::SingleSelection);
        QTreeWidgetItem* first = List(&window)->topLevelItem(0);
        QCOMPARE(bool(first->flags() & Qt::ItemIsUserCheckable), deleting);
        QCOMPARE(first->data(0, Qt::CheckStateRole).isValid(), deleting);
    }

    void listColumnsAndTexts() {
        DialogCalculator d;
        d.calc.memory.MemoryRegisters[1].Value = 2.5;
        d.calc.memory.MemoryRegisters[2].Value = -123456789012345.0;
        d.calc.memory.MemoryRegisters[3].Value = 0.1 + 0.2;
        CalcMemoryFrm window(d.calc);
        window.show();
        QTreeWidget* list = List(&window);
        QCOMPARE(list->headerItem()->text(0), QString("   Address"));
        QCOMPARE(list->headerItem()->text(1), QString("              Value"));
        QVERIFY(list->header()->sectionSize(0) >= TwipsToPixels(1200));
        QCOMPARE(list->header()->sectionSize(1), TwipsToPixels(2900));
        QCOMPARE(list->topLevelItemCount(), 100);
        const struct {
            int position;
            const char* address;
            const char* value;
        } rows[] = {{1, "Reg-001", "   0.0"},
                    {2, "Reg-002", "   2.5"},
                    {3, "Reg-003", "   -1.23456789012345E+14"},
                    {4, "Reg-004", "   0.3"},
                    {100, "Reg-100", "   0.0"}};
        for (const auto& row : rows) {
            QCOMPARE(RowText(&window, row.position, 0), QString(row.address));
            QCOMPARE(RowText(&window, row.position, 1), QString(row.value));
            QVERIFY(!list->topLevelItem(row.position - 1)->icon(0).isNull());
            QCOMPARE(list->topLevelItem(row.position - 1)->textAlignment(1) & Qt::AlignHorizontal_Mask,
                     int(Qt::AlignLeft));
        }
    }

    void clickPreviewsAndShowsDescription_data() {
        QTest::addColumn<int>("mode");
        QTest::addColumn<QString>("preview");  // register 3 (holding 3) clicked with 2 shown
        QTest::newRow("InShowsTheDisplay") << 0 << "   2.0";
        QTest::newRow("RecallShowsNoPreview") << 1 << "   3.0";
        QTest::newRow("SwapShowsTheDisplay") << 2 << "   2.0";
        QTest::newRow("AddShowsTheSum") << 3 << "   5.0";
        QTest::newRow("MinusShowsTheDifference") << 4 << "   1.0";
    }

    void clickPreviewsAndShowsDescription() {
        QFETCH(int, mode);
        QFETCH(QString, preview);
        DialogCalculator d;
        d.calc.memory.MemoryFormMode = mode;
        d.calc.formula.DisplayValue = 2.0;
        d.calc.memory.MemoryRegisters[2] = {3.0, "  Pipe  "};
        CalcMemoryFrm window(d.calc);
        window.show();
        ClickRow(List(&window), 3);
        QVERIFY(Child<QPushButton>(&window, "OKButton")->isEnabled());
        QCOMPARE(RowText(&window, 3, 1), preview);
        QCOMPARE(Child<QPlainTextEdit>(&window, "DescBox")->toPlainText(), QString("Pipe"));
        ClickRow(List(&window), 4);
        QCOMPARE(RowText(&window, 3, 1), QString("   3.0"));
        QCOMPARE(Child<QPlainTextEdit>(&window, "DescBox")->toPlainText(), QString("No specified description"));
        QCOMPARE(d.calc.memory.MemoryRegisters[2].Value, 3.0);
    }

    // Confirming register 7 through the modal window, the question answered as the row says.
    void confirmAsksOnlyForUsedRegisters_data() {
        QTest::addColumn<int>("mode");
        QTest::addColumn<double>("stored");
        QTest::addColumn<bool>("yes");
        QTest::addColumn<bool>("asked");
        QTest::newRow("InOnAFreeRegister") << 0 << 0.0 << true << false;
        QTest::newRow("InOverwriteYes") << 0 << 4.0 << true << true;
        QTest::newRow("InOverwriteNo") << 0 << 4.0 << false << true;
        QTest::newRow("SwapOverwriteYes") << 2 << -1.5 << true << true;
        QTest::newRow("AddOnAFreeRegister") << 3 << 0.0 << true << false;
        QTest::newRow("AddOverwriteNo") << 3 << 4.0 << false << true;
        QTest::newRow("MinusOverwriteYes") << 4 << 4.0 << true << true;
        QTest::newRow("RecallNeverAsks") << 1 << 4.0 << true << false;
    }

    void confirmAsksOnlyForUsedRegisters() {
        QFETCH(int, mode);
        QFETCH(double, stored);
        QFETCH(bool, yes);
        QFETCH(bool, asked);
        DialogCalculator d;
        d.calc.memory.MemoryRegisters[6] = {stored, "old"};
        DialogRegisterChooser chooser(nullptr, [](QDialog& dialog) { return dialog.exec(); });
        QObject scope;
        auto question = AnswerNextQuestion(&scope, yes ? QMessageBox::Yes : QMessageBox::No);
        bool openAfterOK = false;
        const bool editable = mode != 1;
        auto acted = ActOnNextModal<CalcMemoryFrm>(&scope, [&](CalcMemoryFrm* window) {
            ClickRow(List(window), 7);
            if (editable) TypeDescription(window, "  Pipe length ");
            Press(window, "OKButton");
            openAfterOK = window->isVisible();
            if (openAfterOK) Press(window, "ExitButton");
        });
        d.calc.memory.MemoryFormMode = mode;
        chooser.ShowRegisterWindow(d.calc);
        QVERIFY(*acted);
        QCOMPARE(question->seen, asked);
        if (asked) {
            QCOMPARE(question->title, QString("Warning"));
            QCOMPARE(question->text, QString("Do you wish to OVERWRITE Reg-007 ?"));
            QCOMPARE(question->icon, QMessageBox::Critical);
        }
        const bool confirmed = !asked || yes;
        QCOMPARE(openAfterOK, !confirmed);
        QCOMPARE(d.calc.memory.ChosenRegister, confirmed ? 6 : -1);
        QCOMPARE(d.calc.memory.ChosenDescription, std::string(confirmed && editable ? "Pipe length" : ""));
        QCOMPARE(d.calc.memory.MemoryRegisters[6].Value, stored);  // the key procedure changes it, not the window
    }

    void deleteTicksClearsAndAsks() {
        DialogCalculator d;
        d.calc.memory.MemoryFormMode = 5;
        for (int i = 0; i < 3; ++i) d.calc.memory.MemoryRegisters[i] = {i + 1.0, "kept"};
        CalcMemoryFrm window(d.calc);
        window.show();
        auto* ok = Child<QPushButton>(&window, "OKButton");
        auto checkedCount = [&] {
            int count = 0;
            for (int k = 0; k < 100; ++k) count += List(&window)->topLevelItem(k)->checkState(0) == Qt::Checked;
            return count;
        };

        Press(&window, "SelectAllButton");
        QCOMPARE(checkedCount(), 100);
        QVERIFY(ok->isEnabled());
        Press(&window, "CLRButton");
        QCOMPARE(checkedCount(), 0);
        QVERIFY(!ok->isEnabled());
        ClickRow(List(&window), 2);
        QVERIFY(!ok->isEnabled());
        Tick(&window, 2, true);
        Tick(&window, 3, true);
        QVERIFY(ok->isEnabled());
        Tick(&window, 2, false);
        Tick(&window, 3, false);
        QVERIFY(!ok->isEnabled());

        Tick(&window, 2, true);
        Tick(&window, 3, true);
        QObject scope;
        auto no = AnswerNextQuestion(&scope, QMessageBox::No);
        Press(&window, "OKButton");
        QVERIFY(no->seen);
        QCOMPARE(no->title, QString("Warning"));
        QCOMPARE(no->text, QString("Are you sure you want to delete Selected Data?"));
        QCOMPARE(no->icon, QMessageBox::Critical);
        QCOMPARE(d.calc.memory.MemoryRegisters[1].Value, 2.0);
        QCOMPARE(checkedCount(), 2);

        auto yes = AnswerNextQuestion(&scope, QMessageBox::Yes);
        Press(&window, "OKButton");
        QVERIFY(yes->seen);
        QCOMPARE(d.calc.memory.MemoryRegisters[0].Value, 1.0);
        for (int i : {1, 2}) {
            QCOMPARE(d.calc.memory.MemoryRegisters[i].Value, 0.0);
            QCOMPARE(d.calc.memory.MemoryRegisters[i].Description, std::string());
            QCOMPARE(RowText(&window, i + 1, 1), QString("   0.0"));
        }
        QCOMPARE(checkedCount(), 0);
        QVERIFY(!ok->isEnabled());
        QVERIFY(window.isVisible());
    }

    // Every way out but a confirmed OK hands back no register and no description.
    void leavingHandsBackNothing_data() {
        QTest::addColumn<QString>("way");
        QTest::newRow("Exit") << "exit";
        QTest::newRow("CloseBox") << "close";
        QTest::newRow("Escape") << "escape";
    }

    void leavingHandsBackNothing() {
        QFETCH(QString, way);
        DialogCalculator d;
        d.calc.memory.ChosenRegister = 3;
        d.calc.memory.ChosenDescription = "earlier";
        DialogRegisterChooser chooser(nullptr, [](QDialog& dialog) { return dialog.exec(); });
        QObject scope;
        auto acted = ActOnNextModal<CalcMemoryFrm>(&scope, [&](CalcMemoryFrm* window) {
            ClickRow(List(window), 5);
            TypeDescription(window, "typed");
            if (way == "exit") Press(window, "ExitButton");
            else if (way == "close") window->close();
            else QTest::keyClick(window, Qt::Key_Escape);
        });
        d.calc.memory.MemoryFormMode = 0;
        chooser.ShowRegisterWindow(d.calc);
        QVERIFY(*acted);
        QCOMPARE(d.calc.memory.ChosenRegister, -1);
        QCOMPARE(d.calc.memory.ChosenDescription, std::string());
    }

    // From the face: Kin stores the display with its description, Kout brings it back, and the
    // face is out of the topmost layer only while the window is open.
    void faceKeysOpenTheWindow() {
        CalcMainFrm& face = face_.Start();
        QAction* onTop = face_.Find<QAction>("mnuOnTop");
        if (!onTop->isChecked()) onTop->trigger();
        QVERIFY(face.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        QObject scope;
        bool topmostWhileOpen = true;
        auto stored = ActOnNextModal<CalcMemoryFrm>(&scope, [&](CalcMemoryFrm* window) {
            topmostWhileOpen = face.windowFlags().testFlag(Qt::WindowStaysOnTopHint);
            ClickRow(List(window), 7);
            TypeDescription(window, "Width");
            Press(window, "OKButton");
        });
        face_.ClickAll({"key_AC", "key_4", "key_2"});
        face_.Click("key_Kin");
        QVERIFY(*stored);
        QVERIFY(!topmostWhileOpen);
        QVERIFY(face.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        QCOMPARE(face.calc().memory.MemoryRegisters[6].Value, 42.0);
        QCOMPARE(face.calc().memory.MemoryRegisters[6].Description, std::string("Width"));

        // Undo takes the store back, and the save that follows writes the register as it was.
        QTRY_COMPARE(SavedRegister(6), 42.0);
        face.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&face));
        QTest::keyClick(&face, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(face.calc().memory.MemoryRegisters[6].Value, 0.0);
        QVERIFY(face_.Find<QAction>("mnuRedo")->isEnabled());
        QTRY_COMPARE(SavedRegister(6), 0.0);
        QTest::keyClick(&face, Qt::Key_Y, Qt::ControlModifier);
        QCOMPARE(face.calc().memory.MemoryRegisters[6].Value, 42.0);
        QVERIFY(!face_.Find<QAction>("mnuRedo")->isEnabled());

        auto recalled = ActOnNextModal<CalcMemoryFrm>(&scope, [&](CalcMemoryFrm* window) {
            ClickRow(List(window), 7);
            Press(window, "OKButton");
        });
        face_.ClickAll({"key_AC", "key_Kout"});
        QVERIFY(*recalled);
        QCOMPARE(face_.Display().trimmed(), QString("42."));
        onTop->trigger();
        face_.Close();
    }
};

QTEST_MAIN(CalcMemoryWindowTest)
#include "calc_memory_window_test.moc"
