// SPDX-License-Identifier: MIT
#pragma once

#include <QWidget>

#include "display/display_panel.h"

class QLabel;

// The black display frame `Frame1` with its labels. It renders a DisplayPanel value and holds
// the keyboard focus between key presses so that keys reach the main window.
class DisplayPanelWidget final : public QWidget {
public:
    explicit DisplayPanelWidget(QWidget* parent = nullptr);

    void Render(const DisplayPanel& panel);
    // Draws the labels, their fonts and the rule at `scale` times their design.
    void SetScale(qreal scale);
    // The panel last rendered.
    const DisplayPanel& Shown() const { return shown_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    struct Field {
        QLabel* label;
        QRect designRect;  // pixels at 100%, from the layout table
        Qt::Alignment alignment;
    };

    Field AddLabel(const char* name, QRect designRect, Qt::Alignment alignment, const QString& designText);
    void SetText(const Field& field, const std::string& text);
    void ScaleFonts();

    DisplayPanel shown_;
    qreal scale_ = 1;
    Field mem_{}, ccalc_{}, mode_{}, dispMode_{}, date_{}, operator_{}, display_{}, expo_{};
};
