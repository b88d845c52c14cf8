// SPDX-License-Identifier: MIT
#pragma once

#include <QWidget>

#include "tape/paper_tape.h"

class QListWidget;

// The paper tape beside the face: one row per line, rows selected as in a file list, Copy
// (Ctrl+C) puts the selected lines on the clipboard one per line, Clear empties the tape. It only
// shows the tape: the lines come from the engine, and it never speaks.
class TapeWindow final : public QWidget {
public:
    TapeWindow(PaperTape& tape, QWidget* parent);

    // Brings the rows up to the tape after a change; the selection of the rows kept stays.
    void ShowChange(TapeChange change);
    // Shows the window beside `face` the first time, where the user left it afterwards.
    void ShowBeside(const QWidget& face);

private:
    void CopySelected();
    void ShowAll();

    PaperTape& tape_;
    QListWidget* list_ = nullptr;
    bool placed_ = false;
};
