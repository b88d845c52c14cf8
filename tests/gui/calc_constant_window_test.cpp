// SPDX-License-Identifier: MIT
// The constants picker: its columns and rows, the label and value box of a click, "&Apply"
// enabled only after a click, and what each way out hands back.
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTreeWidget>

#include "constants/calc_constant_window.h"
#include "face_fixture.h"
#include "modal_watch.h"
#include "widgets/twips.h"

namespace {

QTreeWidget* List(QWidget* window) { return window->findChild<QTreeWidget*>("ItemBox"); }
QPushButton* Button(QWidget* window, const char* name) { return window->findChild<QPushButton*>(name); }
void Press(QWidget* window, const char* name) { QTest::mouseClick(Button(window, name), Qt::LeftButton); }
QLineEdit* ValueBox(QWidget* window) { return window->findChild<QLineEdit*>("ValueBox"); }
QString ConsLab(QWidget* window) { return window->findChild<QLabel*>("ConsLab")->text(); }

QStringList RowTexts(QWidget* window, int position) {
    QTreeWidgetItem* item = List(window)->topLevelItem(position - 1);
    QStringList texts;
    for (int c = 0; c < 5; ++c) texts << item->text(c);
    return texts;
}

}  // namespace

class CalcConstantWindowTest : public QObject {
    Q_OBJECT

    FaceFixture face_;  // prepares the application and a throwaway settings folder

private slots:
    void columnsAndControls() {
        DialogCalculator d;
        CalcConstantFrm window(d.calc);
        window.show();
        QCOMPARE(window.windowTitle(), QString("Scientific Constant"));
        QCOMPARE(window.findChild<QLabel*>("Label2")->text(), QString("SPECIFY CONSTANT:"));
        QCOMPARE(Button(&window, "OKButton")->text(), QString("&Apply"));
        QCOMPARE(Button(&window, "ExitButton")->text(), QString("E&xit"));
        QTreeWidget* list = List(&window);
        const struct {
            const char* text;
            int twips;
            Qt::Alignment align;
        } columns[] = {{" No.", 875, Qt::AlignLeft},
                       {"Symbol", 1350, Qt::AlignHCenter},
                       {"Description", 3150, Qt::AlignHCenter},
                       {"Value  ", 3100, Qt::AlignRight},
                       {"Unit", 1000, Qt::AlignHCenter}};
        QCOMPARE(list->columnCount(), 5);
        for (int c = 0; c < 5; ++c) {
            QCOMPARE(list->headerItem()->text(c), QString(columns[c].text));
            QVERIFY(list->header()->sectionSize(c) >= TwipsToPixels(columns[c].twips));
            const Qt::Alignment align = columns[c].align;
            QCOMPARE(Qt::Alignment(list->headerItem()->textAlignment(c)) & Qt::AlignHorizontal_Mask, align);
            QCOMPARE(Qt::Alignment(list->topLevelItem(0)->textAlignment(c)) & Qt::AlignHorizontal_Mask, align);
        }
        QCOMPARE(list->header()->sectionSize(3), TwipsToPixels(3100));
        QCOMPARE(list->topLevelItemCount(), 128);
    }

    void rowTexts_data() {
        QTest::addColumn<int>("position");
        QTest::addColumn<QStringList>("texts");
        QTest::newRow("First") << 1 << QStringList({"  1", "°", "degree (angle)", "0.0174533", "rad"});
        QTest::newRow("GroupedThousands")
            << 4 << QStringList({"  4", "AU", "astronomical unit", "149,598,000,000.00", "m"});
        QTest::newRow("Negative") << 73 << QStringList({"  73", "0°F", "Zero Fahrenheit", "-17.7778", "°C"});
        QTest::newRow("TooSmallToShow") << 117 << QStringList({"  117", "h", "Plank constant", "0.00", "J.s"});
        QTest::newRow("Last") << 128 << QStringList({"  128", "íO", "fluxoid quantum", "0.00000000000000206783", "wb"});
    }

    void rowTexts() {
        QFETCH(int, position);
        QFETCH(QStringList, texts);
        DialogCalculator d;
        CalcConstantFrm window(d.calc);
        window.show();
        QCOMPARE(RowTexts(&window, position), texts);
        QVERIFY(!List(&window)->topLevelItem(position - 1)->icon(0).isNull());
    }

    void clickFillsLabelAndValueBox_data() {
        QTest::addColumn<int>("position");
        QTest::addColumn<QString>("label");
        QTest::addColumn<QString>("value");
        QTest::newRow("Acre") << 12 << "Constant No.   12"
                              << "4046.86  ";
        QTest::newRow("PlanckConstant") << 117 << "Constant No.   117"
                                        << "6.62607E-34  ";
        QTest::newRow("AstronomicalUnit") << 4 << "Constant No.   4"
                                          << "149598000000  ";
    }

    void clickFillsLabelAndValueBox() {
        QFETCH(int, position);
        QFETCH(QString, label);
        QFETCH(QString, value);
        DialogCalculator d;
        CalcConstantFrm window(d.calc);
        window.show();
        QCOMPARE(ConsLab(&window), QString("Constant No. ***"));
        QVERIFY(!Button(&window, "OKButton")->isEnabled());
        ClickRow(List(&window), position);
        QVERIFY(Button(&window, "OKButton")->isEnabled());
        QCOMPARE(ConsLab(&window), label);
        QCOMPARE(ValueBox(&window)->text(), value);
    }

    // What the modal picker hands back, after an earlier "&Apply" left a value there.
    void waysOutHandBack_data() {
        QTest::addColumn<QString>("way");
        QTest::addColumn<QString>("chosen");
        QTest::newRow("Apply") << "apply"
                               << "0.000236588  ";
        QTest::newRow("ApplyATypedValue") << "typed"
                                          << "12.5e3";
        QTest::newRow("Exit") << "exit"
                              << "";
        QTest::newRow("CloseBox") << "close"
                                  << "";
        QTest::newRow("Escape") << "escape"
                                << "";
    }

    void waysOutHandBack() {
        QFETCH(QString, way);
        QFETCH(QString, chosen);
        DialogCalculator d;
        d.calc.memory.ChosenConstant = "1.5  ";
        DialogConstantPicker picker(nullptr, [](QDialog& dialog) { return dialog.exec(); });
        QObject scope;
        auto acted = ActOnNextModal<CalcConstantFrm>(&scope, [&](CalcConstantFrm* window) {
            ClickRow(List(window), 18);
            if (way == "typed") {
                ValueBox(window)->selectAll();
                QTest::keyClicks(ValueBox(window), "12.5e3");
            }
            if (way == "apply" || way == "typed") Press(window, "OKButton");
            else if (way == "exit") Press(window, "ExitButton");
            else if (way == "close") window->close();
            else QTest::keyClick(window, Qt::Key_Escape);
        });
        picker.ShowConstantWindow(d.calc);
        QVERIFY(*acted);
        QCOMPARE(QString::fromStdString(d.calc.memory.ChosenConstant), chosen);
    }

    // From the face: Cnst puts the applied constant on the display; Exit leaves it alone.
    void faceKeyPutsTheValueOnTheDisplay() {
        face_.Start();
        face_.Find<QTabWidget>("SelectTab")->setCurrentIndex(1);
        QObject scope;
        auto applied = ActOnNextModal<CalcConstantFrm>(&scope, [&](CalcConstantFrm* window) {
            ClickRow(List(window), 90);
            Press(window, "OKButton");
        });
        face_.ClickAll({"key_AC", "key_Cnst"});
        QVERIFY(*applied);
        QCOMPARE(face_.Display().trimmed(), QString("299792000."));

        auto left = ActOnNextModal<CalcConstantFrm>(&scope, [&](CalcConstantFrm* window) {
            ClickRow(List(window), 117);
            Press(window, "ExitButton");
        });
        face_.Click("key_Cnst");
        QVERIFY(*left);
        QCOMPARE(face_.Display().trimmed(), QString("299792000."));
        face_.Close();
    }
};

QTEST_MAIN(CalcConstantWindowTest)
#include "calc_constant_window_test.moc"
