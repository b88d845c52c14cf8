// SPDX-License-Identifier: MIT
#include "shell/face_focus.h"

#include <QKeyEvent>
#include <QTabBar>
#include <QTabWidget>

namespace {

QList<QWidget*> TabStops(QWidget& parent) {
    QList<QWidget*> stops;
    for (QWidget* child : parent.findChildren<QWidget*>())
        if (child->focusPolicy() & Qt::TabFocus) stops.append(child);
    return stops;
}

}  // namespace

void ChainFaceFocus(QWidget& display, QTabWidget& tabs, QWidget& keypad, const QList<QWidget*>& beside) {
    QList<QWidget*> chain{&display};
    for (int page = 0; page < tabs.count(); ++page) chain += TabStops(*tabs.widget(page));
    chain += TabStops(keypad);
    chain.append(tabs.tabBar());
    chain += beside;
    for (qsizetype i = 0; i + 1 < chain.size(); ++i) QWidget::setTabOrder(chain[i], chain[i + 1]);
}

bool SwitchPageByKey(QTabWidget& tabs, const QKeyEvent& event) {
    if (!(event.modifiers() & Qt::ControlModifier)) return false;
    if (event.key() != Qt::Key_Tab && event.key() != Qt::Key_Backtab) return false;
    const bool back = event.key() == Qt::Key_Backtab || (event.modifiers() & Qt::ShiftModifier);
    tabs.setCurrentIndex((tabs.currentIndex() + (back ? tabs.count() - 1 : 1)) % tabs.count());
    return true;
}
