// SPDX-License-Identifier: MIT
// A change of the desktop's palette while numora runs: every text of the face, disabled ones
// included, reads at 4.5:1 or better on what is behind it in the new palette.
#include <QAbstractButton>
#include <QLabel>
#include <QTabBar>

#include "face_fixture.h"
#include "widgets/panel_colours.h"

namespace {

QPalette Palette(QColor window, QColor text, QColor button, QColor base) {
    QPalette palette(text, button, button.lighter(130), button.darker(150), button.darker(120), text, text, base,
                     window);
    palette.setColor(QPalette::Disabled, QPalette::WindowText, window.lighter(115));
    palette.setColor(QPalette::Disabled, QPalette::ButtonText, button.lighter(115));
    palette.setColor(QPalette::Disabled, QPalette::Text, base.lighter(115));
    return palette;
}

}  // namespace

class PaletteChangeTest : public QObject {
    Q_OBJECT

    FaceFixture face_;

private slots:
    void initTestCase() { QVERIFY(QTest::qWaitForWindowExposed(&face_.Start())); }

    void textsReadInTheNewPalette_data() {
        QTest::addColumn<QPalette>("desktop");
        QTest::newRow("dark") << Palette(QColor(49, 54, 59), QColor(239, 240, 241), QColor(49, 54, 59),
                                         QColor(35, 38, 41));
        QTest::newRow("high contrast") << Palette(Qt::black, Qt::white, Qt::black, Qt::black);
        QTest::newRow("light") << Palette(QColor(239, 239, 239), Qt::black, QColor(239, 239, 239), Qt::white);
    }

    void textsReadInTheNewPalette() {
        QFETCH(QPalette, desktop);
        QApplication::setPalette(desktop);
        QStringList faults;
        for (QWidget* widget : face_.Window().findChildren<QWidget*>()) {
            const bool button = qobject_cast<QAbstractButton*>(widget) != nullptr;
            const bool label = qobject_cast<QLabel*>(widget) || qobject_cast<QTabBar*>(widget);
            if ((!button && !label) || !widget->isVisible()) continue;
            // A label stands on the nearest parent that paints its background.
            QWidget* behind = widget;
            while (!button && behind->parentWidget() && !behind->autoFillBackground()) behind = behind->parentWidget();
            for (const auto group : {QPalette::Active, QPalette::Disabled}) {
                const QColor text =
                    widget->palette().color(group, button ? QPalette::ButtonText : QPalette::WindowText);
                const QColor back = behind->palette().color(group, button ? QPalette::Button : QPalette::Window);
                if (ContrastRatio(text, back) < kLeastContrast)
                    faults << QString("%1 (%2): %3 on %4")
                                  .arg(widget->objectName(), group == QPalette::Active ? "active" : "disabled",
                                       text.name(), back.name());
            }
        }
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join("; ")));
        QCOMPARE(face_.Window().palette().color(QPalette::Window), desktop.color(QPalette::Window));
    }
};

QTEST_MAIN(PaletteChangeTest)
#include "palette_change_test.moc"
