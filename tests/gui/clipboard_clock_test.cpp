// SPDX-License-Identifier: MIT
// Copy and Paste through the real clipboard, and the clock with every way of ending it.
#include <sys/resource.h>

#include <QAction>
#include <QClipboard>
#include <QComboBox>
#include <QEventLoop>
#include <QMessageBox>
#include <QMimeData>
#include <QRegularExpression>
#include <QTabWidget>

#include "face_fixture.h"

class ClipboardClockTest : public QObject {
    Q_OBJECT

    FaceFixture face_;

    QAction* Action(const char* name) { return face_.Find<QAction>(name); }
    QTabWidget* Tabs() { return face_.Find<QTabWidget>("SelectTab"); }
    bool ClockShows() { return face_.Window().calc().modes.ClockShowing; }
    void StartClock() {
        Tabs()->setCurrentIndex(1);
        face_.Click("key_Time");
        QVERIFY(ClockShows());
    }
    void ExpectNumberBack(const QString& number) {
        QVERIFY(!ClockShows());
        QCOMPARE(face_.Display().trimmed(), number);
        QCOMPARE(face_.Label("DateBox"), QString());
    }

private slots:
    void initTestCase() { face_.Start(); }
    void init() {
        face_.Click("key_AC");
        Tabs()->setCurrentIndex(0);
    }

    void copyPutsTheFullValue_data() {
        QTest::addColumn<QStringList>("keys");
        QTest::addColumn<QString>("copied");
        QTest::newRow("Zero") << QStringList{} << "0";
        QTest::newRow("MantissaAndExponent")
            << QStringList{"key_1", "key_dot", "key_5", "key_exp", "key_3", "key_equal"} << "1500";
        QTest::newRow("NegativeFraction")
            << QStringList{"key_1", "key_divide", "key_4", "key_equal", "key_PM"} << "-0.25";
    }
    void copyPutsTheFullValue() {
        QFETCH(QStringList, keys);
        QFETCH(QString, copied);
        face_.ClickAll(keys);
        Action("mnuCopy")->trigger();
        QCOMPARE(QGuiApplication::clipboard()->text(), copied);
    }

    void copyOfAFixedDisplayDropsItsZeros() {
        face_.ClickAll({"key_2", "key_dot", "key_5"});
        Action("mnuFixed")->trigger();
        face_.Find<QComboBox>("PrecBox")->activated(2);
        QCOMPARE(face_.Display().trimmed(), QString("2.50"));
        Action("mnuCopy")->trigger();
        QCOMPARE(QGuiApplication::clipboard()->text(), QString("2.5"));
        Action("mnuNormal")->trigger();
    }

    void pasteReadsTheNumber_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("display");
        QTest::addColumn<QString>("exponent");
        QTest::newRow("Exponent") << "3.5E2"
                                  << "350."
                                  << "";
        QTest::newRow("DExponent") << "1.5D2"
                                   << "150."
                                   << "";
        QTest::newRow("BlanksAndAWord") << "  12 apples"
                                        << "12."
                                        << "";
        QTest::newRow("BlanksInside") << "1 234.5\n"
                                      << "1234.5"
                                      << "";
        QTest::newRow("Hexadecimal") << "&HFF"
                                     << "255."
                                     << "";
        QTest::newRow("Octal") << "&o17"
                               << "15."
                               << "";
        QTest::newRow("AWord") << "apples"
                               << "0."
                               << "";
        QTest::newRow("Small") << "-1.2e-5"
                               << "-1.2"
                               << "-05";
    }
    void pasteReadsTheNumber() {
        QFETCH(QString, text);
        QFETCH(QString, display);
        QFETCH(QString, exponent);
        QGuiApplication::clipboard()->setText(text);
        Action("mnuPaste")->trigger();
        QCOMPARE(face_.Display().trimmed(), display);
        QCOMPARE(face_.Exponent().trimmed(), exponent);
    }

    // Text from other programs is read as the user's locale writes numbers first.
    void pasteReadsTheLocalesNumbers_data() {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("display");
        QTest::newRow("GermanComma") << "de_DE"
                                     << "2,5"
                                     << "2.5";
        QTest::newRow("GermanGroups") << "de_DE"
                                      << "1.234,5"
                                      << "1234.5";
        QTest::newRow("GermanPoint") << "de_DE"
                                     << "12.34"
                                     << "12.34";
        QTest::newRow("GermanExponent") << "de_DE"
                                        << "3.5E2"
                                        << "350.";
        QTest::newRow("GermanMinusSign") << "de_DE"
                                         << "\u22127,25"
                                         << "-7.25";
        QTest::newRow("EnglishGroups") << "en_US"
                                       << "1,234.5"
                                       << "1234.5";
        QTest::newRow("EnglishComma") << "en_US"
                                      << "2,5"
                                      << "2.";
        QTest::newRow("FrenchNarrowSpace") << "fr_FR"
                                           << "1\u202f234,5"
                                           << "1234.5";
    }
    void pasteReadsTheLocalesNumbers() {
        QFETCH(QString, locale);
        QFETCH(QString, text);
        QFETCH(QString, display);
        const QLocale before;
        QLocale::setDefault(QLocale(locale));
        QGuiApplication::clipboard()->setText(text);
        Action("mnuPaste")->trigger();
        QLocale::setDefault(before);
        QCOMPARE(face_.Display().trimmed(), display);
    }

    void pastedValueIsComputedNotEntry() {
        QGuiApplication::clipboard()->setText("3.5E2");
        Action("mnuPaste")->trigger();
        face_.Click("key_7");
        QCOMPARE(face_.Display().trimmed(), QString("7."));
    }

    void pasteOfNothingWarns_data() {
        QTest::addColumn<bool>("text");
        QTest::newRow("BlanksOnly") << true;
        QTest::newRow("NoTextAtAll") << false;
    }
    void pasteOfNothingWarns() {
        QFETCH(bool, text);
        if (text) {
            QGuiApplication::clipboard()->setText("   \t ");
        } else {
            auto* image = new QMimeData;
            image->setData("application/octet-stream", "\x01\x02");
            QGuiApplication::clipboard()->setMimeData(image);
        }
        face_.Click("key_4");
        QString title, message;
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        HandleNextModal([&](QWidget* modal) {
            auto* box = qobject_cast<QMessageBox*>(modal);
            QVERIFY(box != nullptr);
            title = box->windowTitle();
            message = box->text();
            icon = box->icon();
        });
        Action("mnuPaste")->trigger();
        QCOMPARE(title, QString("Warning"));
        QCOMPARE(message, QString("Nothing to paste. Clipboard is EMPTY !"));
        QCOMPARE(icon, QMessageBox::Critical);
        QCOMPARE(face_.Display().trimmed(), QString("4."));
    }

    void clockShowsDateLineAndTime() {
        StartClock();
        const QRegularExpression time("^(0[1-9]|1[0-2]):[0-5]\\d:[0-5]\\d (AM|PM)$");
        const QRegularExpression date("^[A-Z]+ [A-Z]+ [1-9]\\d?, \\d{4}$");
        QVERIFY2(time.match(face_.Display()).hasMatch(), qPrintable(face_.Display()));
        QVERIFY2(date.match(face_.Label("DateBox")).hasMatch(), qPrintable(face_.Label("DateBox")));
        QCOMPARE(face_.Exponent(), QString());
        QVERIFY(!Action("mnuCopy")->isEnabled());
        const QString first = face_.Display();
        QTRY_VERIFY_WITH_TIMEOUT(face_.Display() != first, 2500);
        QVERIFY(time.match(face_.Display()).hasMatch());
        face_.Click("key_Time");
        QVERIFY(Action("mnuCopy")->isEnabled());
    }

    // The clock wakes the process once a second and sleeps in between: under 1% of a core.
    void clockSleepsBetweenTicks() {
        StartClock();
        const QString before = face_.Display();
        const auto cpuSeconds = [] {
            rusage usage{};
            getrusage(RUSAGE_SELF, &usage);
            return usage.ru_utime.tv_sec + usage.ru_stime.tv_sec +
                   (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
        };
        const double start = cpuSeconds();
        QEventLoop loop;
        QTimer::singleShot(5000, &loop, &QEventLoop::quit);
        loop.exec();
        const double used = cpuSeconds() - start;
        qInfo("CPU while the clock showed for 5 s: %.1f ms (%.2f%% of a core)", used * 1000, used / 5 * 100);
        QVERIFY(face_.Display() != before);
        QVERIFY(used < 0.05);
        face_.Click("key_Time");
    }

    void clockEnds_data() {
        QTest::addColumn<QString>("how");
        for (const char* how :
             {"TimeAgain", "DigitKey", "KeyboardKey", "Min", "Kin", "Page0", "Page2", "Page3", "Paste"})
            QTest::newRow(how) << QString(how);
    }
    void clockEnds() {
        QFETCH(QString, how);
        face_.ClickAll({"key_4", "key_2"});
        StartClock();
        if (how == "TimeAgain") face_.Click("key_Time");
        if (how == "DigitKey") face_.Click("key_5");
        if (how == "KeyboardKey") QTest::keyClick(&face_.Window(), Qt::Key_5);
        if (how == "Min") face_.Click("key_Min");
        if (how == "Kin") {
            HandleNextModal([](QWidget*) {});  // the register window, closed with no choice
            face_.Find<QPushButton>("key_Kin")->click();  // on page 0, behind the clock's page
        }
        if (how.startsWith("Page")) Tabs()->setCurrentIndex(how.back().digitValue());
        if (how == "Paste") {
            Tabs()->setCurrentIndex(0);
            StartClock();
            QGuiApplication::clipboard()->setText("42");
            Action("mnuPaste")->trigger();
        }
        ExpectNumberBack("42.");
    }

    void pageOneKeepsTheClock() {
        StartClock();
        Tabs()->setCurrentIndex(1);
        QVERIFY(ClockShows());
        face_.Click("key_Time");
    }

    void errorStateIgnoresTheClock() {
        face_.ClickAll({"key_1", "key_divide", "key_0", "key_equal"});
        const QString error = face_.Display();
        Tabs()->setCurrentIndex(1);
        face_.Click("key_Time");
        QVERIFY(!ClockShows());
        QCOMPARE(face_.Display(), error);
    }

    void closingEndsTheClock() {
        StartClock();
        face_.Close();
        QVERIFY(!ClockShows());
        face_.Start();
    }
};

QTEST_MAIN(ClipboardClockTest)
#include "clipboard_clock_test.moc"
