// SPDX-License-Identifier: MIT
// The menus' check marks, the mode page's effect on the display, the topmost rule and the
// about box.
#include <QAction>
#include <QComboBox>
#include <QDesktopServices>
#include <QMenu>
#include <QRadioButton>
#include <QTabWidget>

#include "face_fixture.h"
#include "speech/help_window.h"

// Receives the mail link instead of the desktop's mail program.
class MailCatcher : public QObject {
    Q_OBJECT
public:
    QUrl opened;
public slots:
    void open(const QUrl& url) { opened = url; }
};

class MenusModesTest : public QObject {
    Q_OBJECT

    FaceFixture face_;

    QAction* Action(const char* name) { return face_.Find<QAction>(name); }
    QTabWidget* Tabs() { return face_.Find<QTabWidget>("SelectTab"); }
    void Open(const char* menu) { emit face_.Find<QMenu>(menu)->aboutToShow(); }

private slots:
    void initTestCase() { face_.Start(); }
    void init() {
        face_.Click("key_AC");
        Action("mnuNormal")->trigger();
        Action("mnuDegree")->trigger();
    }

    void fileMenuMarksTheShownPage() {
        for (int page : {3, 0, 2, 1}) {
            Tabs()->setCurrentIndex(page);
            Open("mnuFile");
            for (int item = 0; item < 4; ++item)
                QCOMPARE(Action(qPrintable(QString("mnuFunct%1").arg(item + 1)))->isChecked(), item == page);
        }
        Action("mnuFunct3")->trigger();
        QCOMPARE(Tabs()->currentIndex(), 2);
    }

    void modesMenuMarksTheModes() {
        const struct {
            const char* option;
            const char* angleItem;
        } angles[] = {{"RadButton", "mnuRadian"}, {"GradButton", "mnuGradian"}, {"DegButton", "mnuDegree"}};
        Tabs()->setCurrentIndex(3);
        for (const auto& angle : angles) {
            QTest::mouseClick(face_.Find<QRadioButton>(angle.option), Qt::LeftButton);
            Open("mnuMode");
            for (const char* item : {"mnuDegree", "mnuRadian", "mnuGradian"})
                QCOMPARE(Action(item)->isChecked(), qstrcmp(item, angle.angleItem) == 0);
        }
        QTest::mouseClick(face_.Find<QRadioButton>("ScnButton"), Qt::LeftButton);
        Open("mnuMode");
        QVERIFY(Action("mnuSci")->isChecked());
        QVERIFY(!Action("mnuFixed")->isChecked());
        QVERIFY(!Action("mnuNormal")->isChecked());
        QCOMPARE(face_.Label("DispMode_Indicator"), QString("SCI"));
    }

    void angleMenuChangesModeNotDisplayOrPage() {
        Tabs()->setCurrentIndex(0);
        face_.ClickAll({"key_3", "key_0"});
        Action("mnuRadian")->trigger();
        QCOMPARE(face_.Label("Mode_Indicator"), QString("RADIAN"));
        QVERIFY(face_.Find<QRadioButton>("RadButton")->isChecked());
        QCOMPARE(face_.Display().trimmed(), QString("30."));
        QCOMPARE(Tabs()->currentIndex(), 0);
        face_.Click("key_Sin");
        QVERIFY(face_.Display().startsWith("-0.988"));
    }

    void fixedModeFromTheMenuShowsTheModePage() {
        Tabs()->setCurrentIndex(0);
        face_.Click("key_PI");
        Action("mnuFixed")->trigger();
        QCOMPARE(Tabs()->currentIndex(), 3);
        QVERIFY(face_.Find<QRadioButton>("FxnButton")->isChecked());
        QCOMPARE(face_.Display().trimmed(), QString("3."));
        QCOMPARE(face_.Label("DispMode_Indicator"), QString("FIX"));
        auto* precBox = face_.Find<QComboBox>("PrecBox");
        QVERIFY(precBox->isEnabled());
        QCOMPARE(precBox->currentIndex(), 0);
    }

    void precisionListRedisplaysAndIsRemembered() {
        Tabs()->setCurrentIndex(3);
        face_.Click("key_PI");
        QTest::mouseClick(face_.Find<QRadioButton>("FxnButton"), Qt::LeftButton);
        auto* precBox = face_.Find<QComboBox>("PrecBox");
        precBox->activated(5);  // what a user's pick in the list sends
        QCOMPARE(face_.Display().trimmed(), QString("3.14159"));
        QTest::mouseClick(face_.Find<QRadioButton>("ScnButton"), Qt::LeftButton);
        QCOMPARE(precBox->currentIndex(), 0);
        QTest::mouseClick(face_.Find<QRadioButton>("FxnButton"), Qt::LeftButton);
        QCOMPARE(precBox->currentIndex(), 5);
        QTest::mouseClick(face_.Find<QRadioButton>("StdButton"), Qt::LeftButton);
        QCOMPARE(precBox->currentIndex(), -1);
        QVERIFY(!precBox->isEnabled());
        QVERIFY(!face_.Find<QLabel>("PrecLab")->isEnabled());
        QCOMPARE(face_.Display().trimmed(), QString("3.14159265358979"));
    }

    void alwaysOnTopSurvivesAModalWindow() {
        QAction* onTop = Action("mnuOnTop");
        onTop->trigger();
        QVERIFY(onTop->isChecked());
        QVERIFY(face_.Window().windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        bool droppedWhileOpen = false;
        QString caption, version;
        HandleNextModal([&](QWidget* about) {
            droppedWhileOpen = !face_.Window().windowFlags().testFlag(Qt::WindowStaysOnTopHint);
            caption = about->windowTitle();
            version = about->findChild<QLabel*>("lblVersion")->text();
        });
        Action("mnuAbout")->trigger();
        QVERIFY(droppedWhileOpen);
        QCOMPARE(caption, QString("About  "));
        QCOMPARE(version, QString("Version 1.0"));
        QVERIFY(face_.Window().windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        onTop->trigger();
        QVERIFY(!face_.Window().windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        QVERIFY(face_.Window().isVisible());
    }

    void helpTopicsOpenModallyOffTheTopmostLayer() {
        Action("mnuOnTop")->trigger();
        bool helpShown = false, droppedWhileOpen = false;
        HandleNextModal([&](QWidget* help) {
            helpShown = qobject_cast<CalcHelpFrm*>(help) != nullptr;
            droppedWhileOpen = !face_.Window().windowFlags().testFlag(Qt::WindowStaysOnTopHint);
        });
        Action("mnuHelpTopics")->trigger();
        QVERIFY(helpShown);
        QVERIFY(droppedWhileOpen);
        QVERIFY(face_.Window().windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        Action("mnuOnTop")->trigger();
    }

    void aboutBoxMailLinkGoesToTheDesktop() {
        MailCatcher catcher;
        QDesktopServices::setUrlHandler("mailto", &catcher, "open");
        HandleNextModal([](QWidget* about) {
            auto* mail = about->findChild<QLabel*>("MyEmailAdd");
            QVERIFY(mail->text().contains("numora@example.org"));
            emit mail->linkActivated("mailto:numora@example.org");
        });
        Action("mnuAbout")->trigger();
        QDesktopServices::unsetUrlHandler("mailto");
        QCOMPARE(catcher.opened, QUrl("mailto:numora@example.org"));
    }
};

QTEST_MAIN(MenusModesTest)
#include "menus_modes_test.moc"
