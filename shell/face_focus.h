// SPDX-License-Identifier: MIT
#pragma once

#include <QList>

class QKeyEvent;
class QTabWidget;
class QWidget;

// Tab and Shift+Tab go from the display through the shown page's controls, then the keypad
// keys, then the tabs, then the controls `beside` the face; hidden controls are passed over.
void ChainFaceFocus(QWidget& display, QTabWidget& tabs, QWidget& keypad, const QList<QWidget*>& beside);

// Ctrl+Tab shows the next page and Ctrl+Shift+Tab the one before, wherever the focus is; true
// when the key was one of them.
bool SwitchPageByKey(QTabWidget& tabs, const QKeyEvent& event);
