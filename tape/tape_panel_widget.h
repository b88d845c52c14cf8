// SPDX-License-Identifier: MIT
#pragma once

#include <QList>
#include <QWidget>

#include "tape/paper_tape.h"

class QKeyEvent;
class QListWidget;
class QPushButton;

// The paper tape as a side panel of the main window: one row per line, rows selected as in a
// file list, Copy (Ctrl+C) puts the selected lines on the clipboard one per line, Clear empties
// the tape. Being part of the main window, it never takes the keyboard from the face: keys the
// list does not navigate with go on to the calculator. It only shows the tape: the lines come
// from the engine, and it never speaks. Its right edge, dragged, makes it wider or narrower and
// the window with it: the window keeps a fixed size, since a compositor may give a window that
// resized itself its old size back (sway does whenever the window's activation changes).
class TapePanelWidget final : public QWidget {
public:
    TapePanelWidget(PaperTape& tape, QWidget* parent);

    // Brings the rows up to the tape after a change; the selection of the rows kept stays.
    void ShowChange(TapeChange change);
    // Whether a key pressed in `receiver` is the panel's own (moving and selecting in the list,
    // copying) rather than the calculator's.
    bool KeepsKey(const QObject* receiver, const QKeyEvent& key) const;
    // Within the narrowest that shows its buttons and what the screen leaves beside the face;
    // in pixels of the face at 100%, as the width is kept whatever the zoom.
    void SetTapeWidth(int width);
    int TapeWidth() const { return tapeWidth_; }
    // The face's scale, which the tape's width follows.
    void SetScale(qreal scale);
    qreal Scale() const { return scale_; }
    // Its controls in the order Tab reaches them.
    QList<QWidget*> FocusChain() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void CopySelected();
    void ShowAll();

    PaperTape& tape_;
    QListWidget* list_ = nullptr;
    QPushButton* copyButton_ = nullptr;
    QPushButton* clearButton_ = nullptr;
    int tapeWidth_ = 0;
    qreal scale_ = 1;
};
