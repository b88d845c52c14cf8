// SPDX-License-Identifier: MIT
// The face as its layout tables draw it: every key, label, mode control and menu item.
#include <QAction>
#include <QComboBox>
#include <QMenu>
#include <QRadioButton>
#include <QTabWidget>

#include "face_fixture.h"
#include "keys/key_table.h"
#include "widgets/twips.h"

class FaceLayoutTest : public QObject {
    Q_OBJECT

    FaceFixture face_;

private slots:
    void initTestCase() { face_.Start(); }

    void everyKeyHasItsCaptionTipAndPlace() {
        constexpr int columns[] = {60, 950, 1840, 2730, 3620};
        constexpr int rows[] = {60, 590, 1120, 1650};
        auto* tabs = face_.Find<QTabWidget>("SelectTab");
        int keys = 0;
        for (const FaceKey& key : FaceKeys()) {
            const QString name = QString::fromUtf8(key.name.data(), key.name.size());
            auto* button = face_.Find<QPushButton>(name);
            QVERIFY2(button != nullptr, qPrintable(name));
            QCOMPARE(button->text(), QString::fromUtf8(key.caption.data(), key.caption.size()));
            QCOMPARE(button->toolTip(), QString::fromUtf8(key.toolTip.data(), key.toolTip.size()));
            QCOMPARE(button->geometry(), TwipRect(columns[key.column - 1], rows[key.row - 1], 820, 450));
            // Tab reaches a key; a click leaves the focus where it was.
            QCOMPARE(button->focusPolicy(), Qt::TabFocus);
            if (key.page == kKeypadPage) QCOMPARE(button->parentWidget()->objectName(), QString("KeypadPanel"));
            else QCOMPARE(button->parentWidget(), tabs->widget(key.page));
            const bool arrow = name == "key_Ave" || name == "key_Tan" || name == "key_Cnst";
            QCOMPARE(button->testAttribute(Qt::WA_SetCursor), !arrow);
            ++keys;
        }
        QCOMPARE(keys, 20 + 20 + 15 + 20);
    }

    void someCaptionsAreExactly() {
        QCOMPARE(face_.Find<QPushButton>("key_Sqrt")->text(), QString("x\u00B9/\u00B2"));
        QCOMPARE(face_.Find<QPushButton>("key_divide")->text(), QString("\u00F7"));
        QCOMPARE(face_.Find<QPushButton>("key_aLog")->toolTip(), QString("Anti-Logarithm "));
        QCOMPARE(face_.Find<QPushButton>("key_exp")->toolTip(), QString("Exponent  [F8]"));
        QCOMPARE(face_.Find<QPushButton>("key_EngR")->toolTip(), QString());
    }

    void tabPagesAndRegions() {
        auto* tabs = face_.Find<QTabWidget>("SelectTab");
        QCOMPARE(tabs->count(), 4);
        const QStringList captions{"1st Function ", " 2nd Function ", " 3rd Function ", " Calc Mode"};
        for (int page = 0; page < 4; ++page) QCOMPARE(tabs->tabText(page), captions[page]);
        QCOMPARE(tabs->currentIndex(), 0);
        QCOMPARE(face_.Find<QWidget>("Face")->size(), QSize(318, 478));
        QCOMPARE(face_.Find<QWidget>("NoticeStrip")->geometry(), TwipRect(60, 45, 4650, 285));
        QCOMPARE(face_.Find<QWidget>("DisplayPicture")->geometry(), TwipRect(60, 360, 4650, 1200));
        QCOMPARE(face_.Find<QWidget>("Frame1")->geometry(), TwipRect(20, 20, 4600, 1155));
        QCOMPARE(face_.Find<QWidget>("TabArea")->geometry(), TwipRect(60, 1860, 4670, 2680));
        QCOMPARE(face_.Find<QWidget>("KeypadFrame")->geometry(), TwipRect(60, 4500, 4670, 2410));
        QCOMPARE(face_.Find<QWidget>("KeypadPanel")->geometry(), TwipRect(60, 150, 4550, 2200));
    }

    void displayLabelsSitWhereTheTableSays() {
        const struct {
            const char* name;
            QRect rect;
        } labels[] = {
            {"Mode_Indicator", TwipRect(2580, 60, 300, 195)},
            {"DispMode_Indicator", TwipRect(3900, 60, 450, 195)},
            {"DisplayBox", TwipRect(60, 660, 3735, 375)},
            {"ExpoBox", TwipRect(3900, 660, 495, 375)},
        };
        for (const auto& label : labels) {
            const QRect shown = face_.Find<QLabel>(label.name)->geometry();
            QCOMPARE(shown.topLeft(), label.rect.topLeft());
            QVERIFY2(shown.width() >= label.rect.width(), label.name);
        }
        QVERIFY(face_.Find<QLabel>("DisplayBox")->font().bold());
        QCOMPARE(face_.Find<QLabel>("DisplayBox")->font().pointSizeF(), 18.0);
        QCOMPARE(face_.Find<QLabel>("ExpoBox")->font().pointSizeF(), 14.25);
    }

    void modePageControls() {
        const struct {
            const char* name;
            const char* caption;
            int y;
        } options[] = {
            {"FxnButton", " Fixed Mode", 555},   {"ScnButton", " Scientific Mode", 915},
            {"StdButton", " Normal Mode", 1275}, {"DegButton", " Degree Mode", 555},
            {"RadButton", " Radian Mode", 915},  {"GradButton", " Gradian Mode", 1275},
        };
        for (const auto& option : options) {
            auto* button = face_.Find<QRadioButton>(option.name);
            QVERIFY2(button != nullptr, option.name);
            QCOMPARE(button->text(), QString(option.caption));
            QCOMPARE(button->geometry(), TwipRect(180, option.y, 1815, 255));
        }
        QCOMPARE(face_.Label("PrecLab"), QString("Display Precision [for Fixed && Scientific Modes]"));
        auto* precBox = face_.Find<QComboBox>("PrecBox");
        QCOMPARE(precBox->count(), 15);
        QCOMPARE(precBox->itemText(14), QString("14"));
        QVERIFY(!precBox->isEnabled());
        QVERIFY(!face_.Find<QLabel>("PrecLab")->isEnabled());
        QVERIFY(face_.Find<QRadioButton>("DegButton")->isChecked());
        QVERIFY(face_.Find<QRadioButton>("StdButton")->isChecked());
    }

    void menuItemsHaveTheirCaptionsAndShortcuts() {
        const struct {
            const char* name;
            const char* caption;
            QKeySequence shortcut;
        } items[] = {
            {"mnuOnTop", "Always On Top            ", QKeySequence("Ctrl+T")},
            {"mnuReadOut", "Read Out Loud       ", QKeySequence("Ctrl+A")},
            {"mnuFunct1", "1st Function              ", QKeySequence("F1")},
            {"mnuFunct2", "2nd Function", QKeySequence("F2")},
            {"mnuFunct3", "3rd Function", QKeySequence("F3")},
            {"mnuFunct4", "Calc Mode", QKeySequence("F4")},
            {"mnuClose", "Close       ", QKeySequence("Ctrl+X")},
            {"mnuCopy", "Copy Result to Clipboard          ", QKeySequence("Ctrl+C")},
            {"mnuPaste", "Paste to Display as Input         ", QKeySequence("Ctrl+V")},
            {"mnuFixed", "Fixed Mode     ", QKeySequence("Ctrl+F")},
            {"mnuSci", "Scientific Mode      ", QKeySequence("Ctrl+S")},
            {"mnuNormal", "Normal Mode", QKeySequence("Ctrl+N")},
            {"mnuDegree", "Degree Mode        ", QKeySequence("Ctrl+D")},
            {"mnuRadian", "Radian Mode  ", QKeySequence("Ctrl+R")},
            {"mnuGradian", "Gradian Mode", QKeySequence("Ctrl+G")},
            {"mnuZoomIn", "Zoom In", QKeySequence("Ctrl++")},
            {"mnuZoomOut", "Zoom Out", QKeySequence("Ctrl+-")},
            {"mnuActualSize", "Actual Size", QKeySequence("Ctrl+0")},
            {"mnuHelpTopics", "Help Topics     ", QKeySequence()},
            {"mnuAbout", "About Calculator      ", QKeySequence()},
        };
        for (const auto& item : items) {
            auto* action = face_.Find<QAction>(item.name);
            QVERIFY2(action != nullptr, item.name);
            // The padding aligned the shortcuts on the old face; a screen reader would read it out.
            QCOMPARE(action->text(), QString(item.caption).trimmed());
            QCOMPARE(action->shortcut(), item.shortcut);
        }
        QVERIFY(face_.Find<QAction>("mnuClose")->shortcuts().contains(QKeySequence("Ctrl+Q")));
        QVERIFY(face_.Find<QAction>("mnuZoomIn")->shortcuts().contains(QKeySequence("Ctrl+=")));
        const struct {
            const char* name;
            const char* caption;
        } menus[] = {{"mnuFile", "&File"},
                     {"mnuFunct", "Functions"},
                     {"mnuEdit", "&Edit"},
                     {"mnuMode", "&Modes"},
                     {"mnuDisplayMode", "Display Mode"},
                     {"mnuAngular", "&Angular Mode"},
                     {"mnuView", "&View"},
                     {"mnuHelp", "&Help"}};
        for (const auto& menu : menus) {
            auto* found = face_.Find<QMenu>(menu.name);
            QVERIFY2(found != nullptr, menu.name);
            QCOMPARE(found->title(), QString(menu.caption));
        }
    }

    void windowCaption() { QCOMPARE(face_.Window().windowTitle(), QString("Numora")); }
};

QTEST_MAIN(FaceLayoutTest)
#include "face_layout_test.moc"
