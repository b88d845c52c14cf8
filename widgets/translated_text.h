// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

class QObject;

// The windows' texts are English in the code, marked QT_TRANSLATE_NOOP("Numora", ...), and shown
// in the user's language. An object given its text here keeps the English, so that a change of
// language gives it again in the new one.
inline constexpr const char* kWindowTexts = "Numora";

QString WindowText(const char* text);
// A QAction's or QAbstractButton's or QLabel's text, a QMenu's title; `padding` goes before it
// where the face's drawing wants a blank before the text.
void SetWindowText(QObject* object, const char* text, const char* padding = "");
// The object's accessible name (a widget's or a tab's is set by its owner on the change).
void SetAccessibleWindowText(QObject* object, const char* text);
// Every text below `root` that was set through SetWindowText, in the language now loaded.
void RetranslateWindowTexts(QObject& root);
