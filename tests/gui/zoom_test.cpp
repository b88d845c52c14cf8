// SPDX-License-Identifier: MIT
// The View menu's zoom draws the whole face larger, is kept, and leaves the keyboard's + and -
// to the calculator; a larger desktop font makes the face larger too.
#include <QAction>
#include <QTabBar>
#include <QTabWidget>
#include <QWheelEvent>

#include "face_fixture.h"

namespace {

// The place and font of every widget in the window that is not hidden away, in a fixed order.
QStringList Drawing(QWidget& window) {
    QStringList drawing;
    for (const QWidget* widget : window.findChildren<QWidget*>())
        if (widget->window() == &window && !widget->isHidden())
            drawing << QString("%1 %2,%3 %4x%5 %6pt")
                           .arg(widget->objectName())
                           .arg(widget->x())
                           .arg(widget->y())
                           .arg(widget->width())
                           .arg(widget->height())
                           .arg(widget->font().pointSizeF());
    return drawing;
}

}  // namespace

class ZoomTest : public QObject {
    Q_OBJECT

    FaceFixture face_;

    QWidget* Focused() {
        QWidget* focus = face_.Window().focusWidget();
        return focus != nullptr ? focus : &face_.Window();
    }
    void Type(const char* keys) { QTest::keyClicks(Focused(), keys); }
    void Chord(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::ControlModifier) {
        QTest::keyClick(Focused(), key, modifiers);
    }
    void Trigger(const char* item, int times = 1) {
        for (int i = 0; i < times; ++i) face_.Find<QAction>(item)->trigger();
    }
    // Shortcuts reach the active window only.
    void Start() {
        CalcMainFrm& window = face_.Start();
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
    }

private slots:
    void initTestCase() { Start(); }

    void zoomGrowsTheFaceIsKeptAndActualSizeGivesTheDesignBack() {
        CalcMainFrm& window = face_.Window();
        const QStringList design = Drawing(window);
        const QSize designSize = window.size();
        auto* digits = face_.Find<QLabel>("DisplayBox");
        const qreal designPoints = digits->font().pointSizeF();
        const int designHeight = digits->height();

        Chord(Qt::Key_Equal);
        Chord(Qt::Key_Equal);
        QVERIFY2(window.width() >= designSize.width() * 1.4, qPrintable(QString::number(window.width())));
        QVERIFY2(window.height() >= designSize.height() * 1.4, qPrintable(QString::number(window.height())));
        QVERIFY(digits->font().pointSizeF() >= designPoints * 1.4);
        QVERIFY(digits->height() >= designHeight * 1.4);
        const QStringList zoomed = Drawing(window);

        face_.Close();
        Start();
        QCOMPARE(Drawing(face_.Window()), zoomed);

        Chord(Qt::Key_0);
        QCOMPARE(face_.Window().size(), designSize);
        QCOMPARE(Drawing(face_.Window()), design);
        Type("7+2=");
        QCOMPARE(face_.Display(), QString("9."));
        Type("9-4=");
        QCOMPARE(face_.Display(), QString("5."));
    }

    // Each chord zooms, or does nothing at the end of the steps; it never reaches the keys.
    void zoomChordsNeverCompute_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<int>("direction");  // 1 in, -1 out, 0 to 100%
        const int ctrl = Qt::ControlModifier, pad = Qt::KeypadModifier, shift = Qt::ShiftModifier;
        QTest::newRow("Ctrl+=") << int(Qt::Key_Equal) << ctrl << 1;
        QTest::newRow("Ctrl++") << int(Qt::Key_Plus) << (ctrl | shift) << 1;
        QTest::newRow("Ctrl+keypad +") << int(Qt::Key_Plus) << (ctrl | pad) << 1;
        QTest::newRow("Ctrl+-") << int(Qt::Key_Minus) << ctrl << -1;
        QTest::newRow("Ctrl+keypad -") << int(Qt::Key_Minus) << (ctrl | pad) << -1;
        QTest::newRow("Ctrl+0") << int(Qt::Key_0) << ctrl << 0;
        QTest::newRow("Ctrl+keypad 0") << int(Qt::Key_0) << (ctrl | pad) << 0;
    }
    void zoomChordsNeverCompute() {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(int, direction);
        CalcMainFrm& window = face_.Window();
        const auto press = [&] { Chord(Qt::Key(key), Qt::KeyboardModifiers(modifiers)); };
        Trigger("mnuActualSize");
        const int designWidth = window.width();
        Trigger("mnuZoomIn", 2);
        const int middleWidth = window.width();
        Type("5+2");
        press();
        Type("=");
        QCOMPARE(face_.Display(), QString("7."));
        if (direction > 0) QVERIFY(window.width() > middleWidth);
        else if (direction < 0) QVERIFY(window.width() < middleWidth);
        else QCOMPARE(window.width(), designWidth);

        // At the end of the steps, where the chord's item is disabled.
        Trigger(direction > 0 ? "mnuZoomIn" : "mnuActualSize", direction > 0 ? 10 : 1);
        const int endWidth = window.width();
        Type("5+2");
        press();
        Type("=");
        QCOMPARE(face_.Display(), QString("7."));
        QCOMPARE(window.width(), endWidth);
    }

    void ctrlWheelZooms() {
        CalcMainFrm& window = face_.Window();
        Trigger("mnuActualSize");
        const int designWidth = window.width();
        // The wheel turns the tab bar's pages otherwise.
        auto* tabs = face_.Find<QTabWidget>("SelectTab");
        tabs->setCurrentIndex(3);
        const QPoint at = tabs->tabBar()->rect().center();
        QWheelEvent notch(at, tabs->tabBar()->mapToGlobal(at), {}, {0, 120}, Qt::NoButton, Qt::ControlModifier,
                          Qt::NoScrollPhase, false);
        QApplication::sendEvent(tabs->tabBar(), &notch);
        QVERIFY(window.width() > designWidth);
        QCOMPARE(tabs->currentIndex(), 3);
        Trigger("mnuActualSize");
    }

    void aLargerDesktopFontMakesTheFaceLarger() {
        Trigger("mnuActualSize");
        auto* faceWidget = face_.Find<QWidget>("Face");
        const QSize design = faceWidget->size();
        const qreal designPoints = face_.Find<QLabel>("DisplayBox")->font().pointSizeF();
        const QFont desktop = QApplication::font();
        QFont larger = desktop;
        larger.setPointSizeF(desktop.pointSizeF() * 4 / 3);
        QApplication::setFont(larger);
        QCOMPARE(faceWidget->size(), QSize(qRound(design.width() * 4 / 3.0), qRound(design.height() * 4 / 3.0)));
        QCOMPARE(face_.Find<QLabel>("DisplayBox")->font().pointSizeF(), designPoints * 4 / 3);
        QApplication::setFont(desktop);
        QCOMPARE(faceWidget->size(), design);
    }
};

QTEST_MAIN(ZoomTest)
#include "zoom_test.moc"
