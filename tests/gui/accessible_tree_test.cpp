// SPDX-License-Identifier: MIT
// Every window as a screen reader's tree: a window is a window, every list, text and value box
// is named by a caption, no menu item carries padding, no text is there twice and nothing lies
// outside its window.
#include <QAccessible>
#include <QAction>
#include <QListWidget>
#include <QMenu>

#include "constants/calc_constant_window.h"
#include "face_fixture.h"
#include "memory/calc_memory_window.h"
#include "modal_watch.h"
#include "shell/about_frm.h"
#include "speech/help_window.h"
#include "stats/calc_data_window.h"

namespace {

bool Labelled(QAccessibleInterface* node) {
    return !node->text(QAccessible::Name).isEmpty() || !node->relations(QAccessible::Label).isEmpty();
}

// What a screen reader would meet in `window` that a user should not.
QStringList Faults(QWidget& window) {
    QStringList faults;
    QAccessibleInterface* root = QAccessible::queryAccessibleInterface(&window);
    if (root->role() != QAccessible::Window && root->role() != QAccessible::Dialog)
        faults << QString("window role %1").arg(root->role());
    const QRect bounds = root->rect();
    QStringList texts;
    QList<QAccessibleInterface*> open{root};
    for (QMenu* menu : window.findChildren<QMenu*>()) open << QAccessible::queryAccessibleInterface(menu);
    while (!open.isEmpty()) {
        QAccessibleInterface* node = open.takeLast();
        for (int i = 0; i < node->childCount(); ++i)
            if (QAccessibleInterface* child = node->child(i)) open << child;
        const QString name = node->text(QAccessible::Name);
        if (node->role() == QAccessible::MenuItem && name != name.trimmed())
            faults << QString("padded menu item '%1'").arg(name);
        if (node->state().invisible || qobject_cast<QMenu*>(node->object())) continue;
        switch (node->role()) {
        case QAccessible::List:
        case QAccessible::Tree:
        case QAccessible::Table:
        case QAccessible::EditableText:
        case QAccessible::ComboBox:
            if (!Labelled(node)) faults << QString("unnamed %1 %2").arg(node->role()).arg(node->object()->objectName());
            break;
        case QAccessible::StaticText:
            if (!name.isEmpty() && texts.contains(name)) faults << QString("text twice '%1'").arg(name);
            texts << name;
            break;
        default: break;
        }
        if (node != root && !node->rect().isEmpty() && !bounds.intersects(node->rect()))
            faults << QString("outside the window: %1").arg(node->object()->objectName());
    }
    return faults;
}

}  // namespace

class AccessibleTreeTest : public QObject {
    Q_OBJECT

    FaceFixture face_;

private slots:
    void windowsReadAsTheyShow_data() {
        QTest::addColumn<QString>("window");
        for (const char* window : {"Face", "Tape", "Registers", "Data", "Constants", "Help", "About"})
            QTest::newRow(window) << window;
    }

    void windowsReadAsTheyShow() {
        QFETCH(QString, window);
        CalcMainFrm& face = face_.Start();
        DialogCalculator d;
        std::unique_ptr<QWidget> shown;
        if (window == "Face") {
            QVERIFY(QTest::qWaitForWindowExposed(&face));
        } else if (window == "Tape") {
            face_.Find<QAction>("mnuTape")->trigger();
        } else if (window == "Registers") {
            shown = std::make_unique<CalcMemoryFrm>(d.calc);
        } else if (window == "Data") {
            shown = std::make_unique<CalcDataFrm>(d.calc);
        } else if (window == "Constants") {
            shown = std::make_unique<CalcConstantFrm>(d.calc);
        } else if (window == "Help") {
            auto help = std::make_unique<CalcHelpFrm>(false);
            help->show();
            help->findChild<QListWidget*>("MenuBox")->setCurrentRow(0);
            shown = std::move(help);
        } else {
            shown = std::make_unique<AboutFrm>();
        }
        QWidget* target = window == "Face" || window == "Tape" ? static_cast<QWidget*>(&face) : shown.get();
        QVERIFY(target != nullptr);
        target->show();
        QVERIFY(QTest::qWaitForWindowExposed(target));
        const QStringList faults = Faults(*target);
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join("; ")));
    }
};

QTEST_MAIN(AccessibleTreeTest)
#include "accessible_tree_test.moc"
