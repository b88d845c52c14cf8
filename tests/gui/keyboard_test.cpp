// SPDX-License-Identifier: MIT
// Keyboard keys reach the face through the keyboard table, whatever has the focus.
#include <QComboBox>
#include <QRadioButton>
#include <QTabBar>
#include <QTabWidget>

#include <algorithm>
#include <utility>

#include "face_fixture.h"
#include "shell/keyboard_translation.h"

namespace {

struct Stroke {
    Qt::Key key;
    Qt::KeyboardModifiers modifiers = Qt::NoModifier;
    QString text = {};  // as the layout prints it; none: QTest's US character of the key
};

Stroke Pad(Qt::Key key, const char* text) { return {key, Qt::KeypadModifier, text}; }
Stroke Shifted(Qt::Key key, const char* text) { return {key, Qt::ShiftModifier, text}; }
Stroke Plain(Qt::Key key, const char* text) { return {key, Qt::NoModifier, text}; }

}  // namespace

Q_DECLARE_METATYPE(QList<Stroke>)

class KeyboardTest : public QObject {
    Q_OBJECT

    FaceFixture face_;

    // Keys go where the keyboard sends them: to the focused control.
    QWidget* Focused() {
        QWidget* focus = face_.Window().focusWidget();
        return focus != nullptr ? focus : &face_.Window();
    }
    void Press(const QList<Stroke>& strokes) {
        for (const Stroke& s : strokes) {
            if (s.text.isNull()) QTest::keyClick(Focused(), s.key, s.modifiers);
            else QTest::sendKeyEvent(QTest::Click, Focused(), s.key, s.text, s.modifiers);
        }
    }
    // The controls of the face Tab reaches, from the display round to it again.
    QList<QWidget*> TabCycle(Qt::Key key) {
        QWidget* display = face_.Find<QWidget>("Frame1");
        display->setFocus(Qt::TabFocusReason);
        QList<QWidget*> cycle;
        for (int step = 0; step < 200; ++step) {
            QTest::keyClick(Focused(), key);
            if (Focused() == display) break;
            cycle.append(Focused());
        }
        return cycle;
    }
    // Puts the focus on a control the way the keyboard does, the page it is on shown first.
    void FocusOn(const QString& target) {
        auto* tabs = face_.Find<QTabWidget>("SelectTab");
        tabs->setCurrentIndex(target.endsWith("Button") ? 3 : 0);
        QWidget* control = target == "tab bar"   ? tabs->tabBar()
                           : target == "display" ? face_.Find<QWidget>("Frame1")
                                                 : face_.Find<QWidget>(target);
        QVERIFY2(control != nullptr, qPrintable(target));
        control->setFocus(Qt::TabFocusReason);
        QCOMPARE(Focused(), control);
    }
    // Runs `steps` in the next modal window, keyed into its focused control.
    void KeyModal(QList<Stroke> strokes, QString* title) {
        HandleNextModal([strokes, title](QWidget* modal) {
            *title = modal->windowTitle();
            for (const Stroke& s : strokes)
                QTest::keyClick(modal->focusWidget() ? modal->focusWidget() : modal, s.key, s.modifiers);
        });
    }

private slots:
    void initTestCase() { face_.Start(); }
    // The notice strip is emptied so that a row can tell whether its keys showed a hint.
    void init() {
        face_.Click("key_AC");
        face_.Find<QLabel>("NoticeLabel")->clear();
    }

    // What a real keyboard reports is taken to the US key that prints the same character.
    void translation_data() {
        QTest::addColumn<int>("qtKey");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("code");
        QTest::addColumn<int>("shift");
        QTest::newRow("ShiftEightGivesAsterisk") << int(Qt::Key_Asterisk) << int(Qt::ShiftModifier) << "*" << 56 << 1;
        QTest::newRow("CtrlShiftSixPrintsAControlCharacter")
            << int(Qt::Key_AsciiCircum) << int(Qt::ShiftModifier | Qt::ControlModifier) << "\x1e" << 54 << 3;
        QTest::newRow("ShiftEqualsGivesPlus") << int(Qt::Key_Plus) << int(Qt::ShiftModifier) << "+" << 187 << 1;
        QTest::newRow("PlusKeyOfItsOwn") << int(Qt::Key_Plus) << 0 << "+" << 187 << 1;
        QTest::newRow("GermanShiftZeroGivesEquals") << int(Qt::Key_Equal) << int(Qt::ShiftModifier) << "=" << 187 << 0;
        QTest::newRow("FrenchShiftAmpersandGivesOne") << int(Qt::Key_1) << int(Qt::ShiftModifier) << "1" << 49 << 0;
        QTest::newRow("PadSeven") << int(Qt::Key_7) << int(Qt::KeypadModifier) << "7" << 103 << 0;
        QTest::newRow("MainSeven") << int(Qt::Key_7) << 0 << "7" << 55 << 0;
        QTest::newRow("PadPoint") << int(Qt::Key_Period) << int(Qt::KeypadModifier) << "." << 110 << 0;
        QTest::newRow("PadComma") << int(Qt::Key_Comma) << int(Qt::KeypadModifier) << "," << 110 << 0;
        QTest::newRow("PadEnter") << int(Qt::Key_Enter) << int(Qt::KeypadModifier) << "\r" << 13 << 0;
        QTest::newRow("AltF4") << int(Qt::Key_F4) << int(Qt::AltModifier) << "" << 115 << 4;
        QTest::newRow("ShiftZeroGivesParenthesis")
            << int(Qt::Key_ParenRight) << int(Qt::ShiftModifier) << ")" << 48 << 1;
    }
    void translation() {
        QFETCH(int, qtKey);
        QFETCH(int, modifiers);
        QFETCH(QString, text);
        QFETCH(int, code);
        QFETCH(int, shift);
        const auto key = TranslateKey(qtKey, Qt::KeyboardModifiers(modifiers), text);
        QVERIFY(key.has_value());
        QCOMPARE(key->code, code);
        QCOMPARE(key->shiftState, shift);
    }

    // The key events each layout delivers for the same calculations, as Qt reports them on X11.
    void layouts_data() {
        QTest::addColumn<QList<Stroke>>("strokes");
        QTest::addColumn<QString>("display");
        const Stroke enter = Plain(Qt::Key_Return, "\r");
        const Stroke padEnter = Pad(Qt::Key_Enter, "\r");
        const QList<Stroke> padTimes{Pad(Qt::Key_5, "5"), Pad(Qt::Key_Asterisk, "*"), Pad(Qt::Key_2, "2"), padEnter};

        QTest::newRow("UsSum") << QList<Stroke>{Plain(Qt::Key_2, "2"), Shifted(Qt::Key_Plus, "+"),
                                                Plain(Qt::Key_3, "3"), Plain(Qt::Key_Equal, "=")}
                               << "5.";
        QTest::newRow("UsProduct") << QList<Stroke>{Plain(Qt::Key_1, "1"), Plain(Qt::Key_Comma, ","),
                                                    Plain(Qt::Key_5, "5"), Shifted(Qt::Key_Asterisk, "*"),
                                                    Plain(Qt::Key_2, "2"), Plain(Qt::Key_Equal, "=")}
                                   << "3.";
        QTest::newRow("UsPad") << QList<Stroke>{Pad(Qt::Key_1, "1"), Pad(Qt::Key_Period, ".")} + padTimes << "3.";

        QTest::newRow("GermanSum") << QList<Stroke>{Plain(Qt::Key_2, "2"), Plain(Qt::Key_Plus, "+"),
                                                    Plain(Qt::Key_3, "3"), Shifted(Qt::Key_Equal, "=")}
                                   << "5.";
        QTest::newRow("GermanSumThenEnter")
            << QList<Stroke>{Plain(Qt::Key_2, "2"),       Plain(Qt::Key_Plus, "+"), Plain(Qt::Key_3, "3"),
                             Shifted(Qt::Key_Equal, "="), Plain(Qt::Key_4, "4"),    enter}
            << "4.";
        QTest::newRow("GermanProduct") << QList<Stroke>{Plain(Qt::Key_1, "1"), Plain(Qt::Key_Comma, ","),
                                                        Plain(Qt::Key_5, "5"), Shifted(Qt::Key_Asterisk, "*"),
                                                        Plain(Qt::Key_2, "2"), Shifted(Qt::Key_Equal, "=")}
                                       << "3.";
        QTest::newRow("GermanPad") << QList<Stroke>{Pad(Qt::Key_1, "1"), Pad(Qt::Key_Comma, ",")} + padTimes << "3.";

        QTest::newRow("FrenchSum") << QList<Stroke>{Shifted(Qt::Key_2, "2"), Shifted(Qt::Key_Plus, "+"),
                                                    Shifted(Qt::Key_3, "3"), Plain(Qt::Key_Equal, "=")}
                                   << "5.";
        QTest::newRow("FrenchProduct") << QList<Stroke>{Shifted(Qt::Key_1, "1"), Plain(Qt::Key_Comma, ","),
                                                        Shifted(Qt::Key_5, "5"), Plain(Qt::Key_Asterisk, "*"),
                                                        Shifted(Qt::Key_2, "2"), Plain(Qt::Key_Equal, "=")}
                                       << "3.";
        QTest::newRow("FrenchNumberThenEnter")
            << QList<Stroke>{Shifted(Qt::Key_3, "3"), Shifted(Qt::Key_8, "8"), Shifted(Qt::Key_4, "4"), enter}
            << "384.";
        QTest::newRow("FrenchTopRowWithShift")
            << QList<Stroke>{Shifted(Qt::Key_1, "1"), Shifted(Qt::Key_2, "2"), Shifted(Qt::Key_3, "3"),
                             Shifted(Qt::Key_4, "4"), Shifted(Qt::Key_5, "5"), Shifted(Qt::Key_6, "6"),
                             Shifted(Qt::Key_7, "7"), Shifted(Qt::Key_8, "8"), Shifted(Qt::Key_9, "9"),
                             Shifted(Qt::Key_0, "0")}
            << "1234567890.";
        QTest::newRow("FrenchTopRowWithoutShift")
            << QList<Stroke>{Shifted(Qt::Key_5, "5"),         Plain(Qt::Key_Ampersand, "&"),
                             Plain(Qt::Key_Eacute, "\u00e9"), Plain(Qt::Key_QuoteDbl, "\""),
                             Plain(Qt::Key_ParenLeft, "("),   Plain(Qt::Key_Egrave, "\u00e8"),
                             Plain(Qt::Key_Underscore, "_"),  Plain(Qt::Key_Ccedilla, "\u00e7"),
                             Plain(Qt::Key_Agrave, "\u00e0")}
            << "5.";
        QTest::newRow("FrenchPad") << QList<Stroke>{Pad(Qt::Key_1, "1"), Pad(Qt::Key_Period, ".")} + padTimes << "3.";
    }
    void layouts() {
        QFETCH(QList<Stroke>, strokes);
        QFETCH(QString, display);
        Press(strokes);
        QCOMPARE(face_.Display().trimmed(), display);
    }

    // Every row holds whichever control has the focus: a key, a tab, the mode page, or none.
    void keysAct_data() {
        QTest::addColumn<QString>("focus");
        QTest::addColumn<QString>("hint");  // the notice strip's text after the keys; "": no hint
        QTest::addColumn<QList<Stroke>>("strokes");
        QTest::addColumn<QString>("display");
        QTest::addColumn<QString>("exponent");
        for (const auto& [tag, focus] :
             {std::pair{"Display", "display"}, std::pair{"Key7", "key_7"}, std::pair{"KeySin", "key_Sin"},
              std::pair{"TabBar", "tab bar"}, std::pair{"DegButton", "DegButton"}, std::pair{"StdButton", "StdButton"}})
            AddKeysActRows(tag, focus);
    }
    void AddKeysActRows(const char* tag, const QString& focus) {
        const auto newRow = [tag, &focus](const char* name, const char* hint = "") -> QTestData& {
            return QTest::addRow("%sFocusOn%s", name, tag) << focus << QString(hint);
        };
        const char* bracketHint = "No brackets: Numora evaluates by priority as you key";
        const Stroke enter{Qt::Key_Return};
        newRow("ShiftEightMultiplies")
            << QList<Stroke>{{Qt::Key_6}, {Qt::Key_Asterisk, Qt::ShiftModifier}, {Qt::Key_7}, enter} << "42."
            << "";
        newRow("PadAsteriskMultiplies")
            << QList<Stroke>{{Qt::Key_6}, {Qt::Key_Asterisk, Qt::KeypadModifier}, {Qt::Key_7}, enter} << "42."
            << "";
        newRow("CaretIsPower") << QList<Stroke>{{Qt::Key_2},
                                                {Qt::Key_AsciiCircum, Qt::ShiftModifier},
                                                {Qt::Key_1},
                                                {Qt::Key_0},
                                                {Qt::Key_Equal}}
                               << "1024."
                               << "";
        newRow("DeadCircumflexIsPower")
            << QList<Stroke>{{Qt::Key_2}, Plain(Qt::Key_Dead_Circumflex, ""), {Qt::Key_1}, {Qt::Key_0}, {Qt::Key_Equal}}
            << "1024."
            << "";
        newRow("DeadCircumflexSpaceIsPower") << QList<Stroke>{{Qt::Key_2},     Plain(Qt::Key_Dead_Circumflex, ""),
                                                              {Qt::Key_Space}, {Qt::Key_1},
                                                              {Qt::Key_0},     {Qt::Key_Equal}}
                                             << "1024."
                                             << "";
        newRow("LetterEIsExp") << QList<Stroke>{{Qt::Key_1}, Plain(Qt::Key_E, "e"), {Qt::Key_3}, {Qt::Key_Equal}}
                               << "1000."
                               << "";
        newRow("CapitalEIsExp") << QList<Stroke>{{Qt::Key_4}, Shifted(Qt::Key_E, "E"), {Qt::Key_2}} << "4."
                                << "02";
        newRow("CtrlEIsNoKey") << QList<Stroke>{{Qt::Key_2}, {Qt::Key_E, Qt::ControlModifier}} << "2."
                               << "";
        newRow("OpenBracketHints", bracketHint) << QList<Stroke>{{Qt::Key_2}, Shifted(Qt::Key_ParenLeft, "(")} << "2."
                                                << "";
        newRow("CloseBracketHints", bracketHint) << QList<Stroke>{{Qt::Key_2}, Shifted(Qt::Key_ParenRight, ")")} << "2."
                                                 << "";
        newRow("SquareBracketHints", bracketHint) << QList<Stroke>{Plain(Qt::Key_BracketLeft, "[")} << "0."
                                                  << "";
        newRow("PercentHints", "No percent key: multiply by 1.15 for 15%")
            << QList<Stroke>{{Qt::Key_8}, Shifted(Qt::Key_Percent, "%")} << "8."
            << "";
        newRow("LetterHints", "No key for that letter") << QList<Stroke>{{Qt::Key_5}, Plain(Qt::Key_Q, "q")} << "5."
                                                        << "";
        newRow("CtrlShiftSixEntersSix") << QList<Stroke>{{Qt::Key_AsciiCircum, Qt::ShiftModifier | Qt::ControlModifier}}
                                        << "6."
                                        << "";
        newRow("ShiftThreeEntersThree") << QList<Stroke>{{Qt::Key_NumberSign, Qt::ShiftModifier}} << "3."
                                        << "";
        newRow("ShiftOneDoesNothing") << QList<Stroke>{{Qt::Key_5}, {Qt::Key_Exclam, Qt::ShiftModifier}} << "5."
                                      << "";
        newRow("EnterIsEqual") << QList<Stroke>{{Qt::Key_2}, {Qt::Key_Plus, Qt::ShiftModifier}, {Qt::Key_3}, enter}
                               << "5."
                               << "";
        newRow("EqualsWithoutShiftIsEqual")
            << QList<Stroke>{{Qt::Key_2}, {Qt::Key_Minus}, {Qt::Key_3}, {Qt::Key_Equal}} << "-1."
            << "";
        newRow("UpIsPower")
            << QList<Stroke>{{Qt::Key_2}, {Qt::Key_Up}, {Qt::Key_1, Qt::KeypadModifier}, {Qt::Key_0}, enter} << "1024."
            << "";
        newRow("DeleteIsAllClear") << QList<Stroke>{{Qt::Key_2}, {Qt::Key_Plus, Qt::ShiftModifier},
                                                    {Qt::Key_3}, {Qt::Key_Delete},
                                                    {Qt::Key_4}, enter}
                                   << "4."
                                   << "";
        newRow("EscapeIsClear") << QList<Stroke>{{Qt::Key_9},      {Qt::Key_Slash}, {Qt::Key_7},
                                                 {Qt::Key_Escape}, {Qt::Key_3},     enter}
                                << "3."
                                << "";
        newRow("BackspaceErases") << QList<Stroke>{{Qt::Key_1}, {Qt::Key_2}, {Qt::Key_Backspace}} << "1."
                                  << "";
        newRow("PointKeys")
            << QList<Stroke>{{Qt::Key_1}, {Qt::Key_Period}, {Qt::Key_5}, {Qt::Key_Comma, Qt::KeypadModifier}} << "1.5"
            << "";
        newRow("F9IsPi") << QList<Stroke>{{Qt::Key_F9}} << "3.14159265358979"
                         << "";
        newRow("F8IsExp") << QList<Stroke>{{Qt::Key_4}, {Qt::Key_F8}, {Qt::Key_2}} << "4."
                          << "02";
        if (focus == "display")
            newRow("SpaceClicksNoButton") << QList<Stroke>{{Qt::Key_7}, {Qt::Key_Space}} << "7."
                                          << "";
    }
    void keysAct() {
        QFETCH(QString, focus);
        QFETCH(QString, hint);
        QFETCH(QList<Stroke>, strokes);
        FocusOn(focus);
        QFETCH(QString, display);
        QFETCH(QString, exponent);
        Press(strokes);
        QCOMPARE(face_.Display().trimmed(), display);
        QCOMPARE(face_.Exponent().trimmed(), exponent);
        const QString notice = face_.Label("NoticeLabel");
        if (hint.isEmpty()) QVERIFY2(notice.isEmpty() || notice.startsWith("F1 "), qPrintable(notice));
        else QCOMPARE(notice, hint);
    }

    void functionKeysShowPages() {
        auto* tabs = face_.Find<QTabWidget>("SelectTab");
        for (int page : {3, 1, 2, 0}) {
            QTest::keyClick(&face_.Window(), Qt::Key(Qt::Key_F1 + page));
            QCOMPARE(tabs->currentIndex(), page);
        }
    }

    // Tab visits each shown control once: the page's, then the keypad's keys, then the tabs;
    // Shift+Tab the same way back.
    void tabOrder_data() {
        QTest::addColumn<int>("page");
        for (int page = 0; page < 4; ++page) QTest::addRow("Page%d", page) << page;
    }
    void tabOrder() {
        QFETCH(int, page);
        auto* tabs = face_.Find<QTabWidget>("SelectTab");
        tabs->setCurrentIndex(page);
        QWidget* keypad = face_.Find<QWidget>("KeypadPanel");
        const QList<QWidget*> cycle = TabCycle(Qt::Key_Tab);
        QList<QWidget*> expected;
        for (QWidget* panel : {tabs->widget(page), keypad})
            for (QWidget* control : panel->findChildren<QWidget*>())
                if (control->isEnabled() &&
                    (qobject_cast<QAbstractButton*>(control) || qobject_cast<QComboBox*>(control)))
                    expected.append(control);
        expected.append(tabs->tabBar());
        QCOMPARE(cycle.size(), expected.size());
        for (QWidget* control : expected) QCOMPARE(cycle.count(control), 1);
        const auto keypadKey =
            std::find_if(cycle.begin(), cycle.end(), [&](QWidget* w) { return w->parent() == keypad; });
        QVERIFY(std::all_of(cycle.begin(), keypadKey, [&](QWidget* w) { return tabs->widget(page)->isAncestorOf(w); }));
        QVERIFY(std::all_of(keypadKey, cycle.end() - 1, [&](QWidget* w) { return w->parent() == keypad; }));
        QList<QWidget*> back = TabCycle(Qt::Key_Backtab);
        std::reverse(back.begin(), back.end());
        QCOMPARE(back, cycle);
    }

    // Space presses the focused key or option; the focus stays on it.
    void spacePressesFocused_data() {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("label");
        QTest::addColumn<QString>("shown");
        QTest::newRow("KeypadKey") << "key_7"
                                   << "DisplayBox"
                                   << "7.";
        QTest::newRow("PageKey") << "key_Cos"
                                 << "DisplayBox"
                                 << "1.";
        QTest::newRow("ModeOption") << "RadButton"
                                    << "Mode_Indicator"
                                    << "RADIAN";
    }
    void spacePressesFocused() {
        QFETCH(QString, control);
        QFETCH(QString, label);
        QFETCH(QString, shown);
        face_.Click("key_AC");
        FocusOn(control);
        QTest::keyClick(Focused(), Qt::Key_Space);
        QCOMPARE(face_.Label(qPrintable(label)).trimmed(), shown);
        QCOMPARE(Focused()->objectName(), control);
        face_.Find<QTabWidget>("SelectTab")->setCurrentIndex(3);
        QTest::mouseClick(face_.Find<QRadioButton>("DegButton"), Qt::LeftButton);
    }

    void ctrlTabSwitchesPages() {
        auto* tabs = face_.Find<QTabWidget>("SelectTab");
        FocusOn("key_5");
        QTest::keyClick(Focused(), Qt::Key_Tab, Qt::ControlModifier);
        QCOMPARE(tabs->currentIndex(), 1);
        QTest::keyClick(Focused(), Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier);
        QTest::keyClick(Focused(), Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(tabs->currentIndex(), 3);
    }

    // 12 into register 1, recalled, added as data with 6, their mean: no mouse, the register
    // window included.
    void keyboardOnlyCalculation() {
        const auto pressKey = [this](const QString& name) {
            QWidget* display = face_.Find<QWidget>("Frame1");
            display->setFocus(Qt::TabFocusReason);
            for (int step = 0; step < 100 && Focused()->objectName() != name; ++step)
                QTest::keyClick(Focused(), Qt::Key_Tab);
            QCOMPARE(Focused()->objectName(), name);
            QTest::keyClick(Focused(), Qt::Key_Space);
        };
        QString title;
        Press({{Qt::Key_Delete}, {Qt::Key_1}, {Qt::Key_2}, {Qt::Key_F1}});
        KeyModal({{Qt::Key_Down}, {Qt::Key_Return}}, &title);
        pressKey("key_Kin");
        QVERIFY(!title.isEmpty());
        Press({{Qt::Key_Delete}});
        title.clear();
        KeyModal({{Qt::Key_Down}, {Qt::Key_Return}}, &title);
        pressKey("key_Kout");
        QVERIFY(!title.isEmpty());
        QCOMPARE(face_.Display().trimmed(), QString("12."));
        Press({{Qt::Key_F3}});
        pressKey("key_Data");
        Press({{Qt::Key_6}});
        pressKey("key_Data");
        pressKey("key_Ave");
        QCOMPARE(face_.Display().trimmed(), QString("9."));
        title.clear();
        KeyModal({{Qt::Key_Escape}}, &title);
        pressKey("key_Del");
        QCOMPARE(title, QString("Data"));
        pressKey("key_Dtn");
        QCOMPARE(face_.Display().trimmed(), QString("2."));
    }

    // A key pressed while a mode option was last clicked still goes to the table.
    void keysPassFocusedControls() {
        face_.Find<QTabWidget>("SelectTab")->setCurrentIndex(3);
        QTest::mouseClick(face_.Find<QRadioButton>("RadButton"), Qt::LeftButton);
        QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : &face_.Window(), Qt::Key_8);
        QCOMPARE(face_.Display().trimmed(), QString("8."));
        QCOMPARE(face_.Label("Mode_Indicator"), QString("RADIAN"));
    }

    // Last, as it leaves the window active, which the menus' shortcuts need: whatever control
    // has the focus, Ctrl+Z, Ctrl+Y and Ctrl+Shift+Z reach the menu, not the keyboard table.
    void undoKeysReachTheMenu_data() {
        QTest::addColumn<QString>("focus");
        QTest::newRow("Display") << QString("display");
        QTest::newRow("KeypadKey") << QString("key_7");
        QTest::newRow("TabBar") << QString("tab bar");
        QTest::newRow("ModeOption") << QString("DegButton");
    }
    void undoKeysReachTheMenu() {
        QFETCH(QString, focus);
        face_.Window().activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&face_.Window()));
        FocusOn(focus);
        const Stroke undo{Qt::Key_Z, Qt::ControlModifier};
        Press({{Qt::Key_2}, {Qt::Key_Plus, Qt::ShiftModifier}, {Qt::Key_3}, {Qt::Key_Return}, undo, undo});
        QCOMPARE(face_.Display().trimmed(), QString("2."));
        Press({{Qt::Key_Y, Qt::ControlModifier}, {Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier}});
        QCOMPARE(face_.Display().trimmed(), QString("5."));
    }
};

QTEST_MAIN(KeyboardTest)
#include "keyboard_test.moc"
