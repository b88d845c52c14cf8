// SPDX-License-Identifier: MIT
#pragma once

class QApplication;
class QFont;
class QWidget;

// The face and its windows have fixed sizes, and a translation may be longer than the English
// they were drawn for. A text wider than its label, button or tab is drawn narrower, down to
// 60% of its width, and only then smaller, rather than cut off; a text that fits keeps its font.

// The texts below `root` as they are now (again after a change of language).
void FitTexts(QWidget& root);
// Gives the widget its own font, the one its text is fitted from when it has been fitted.
void SetDesignFont(QWidget& widget, const QFont& font);
// Fits every window's texts when the window is first shown, unless FitTexts has fitted it.
void FitTextsOfEveryWindow(QApplication& app);
