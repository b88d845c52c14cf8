// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <vector>

#include <QIcon>
#include <QPushButton>
#include <QTreeWidget>

// One column of a report list: header text, width in twips, alignment of header and cells.
struct ReportColumn {
    const char* Text;  // English, marked for the catalogues; shown in the user's language
    int WidthTwips;
    Qt::Alignment Align;
};

// A push button of the list windows: 1215 x 375 twips, never pressed by Enter.
QPushButton* CreateDialogButton(const char* name, const QString& caption, QWidget* parent);

// The pictures of the lists' small-icon image list `DumImg`, drawn here so that they stay sharp
// at any scaling: 0 a register chip, 1 a constant tag, 2 a data bar.
QIcon DumImgPicture(int index);

// Gives a tree view the look of a report list: flat rows of one height, no expanding, icons of
// 16 pixels, the vertical scroll bar always there, fixed columns of the given design widths.
void SetUpReportView(QTreeView& view);
void SizeReportColumns(QTreeView& view, const std::vector<ReportColumn>& columns);
// Total width of the columns with the frame and the vertical scroll bar.
int ReportViewWidth(const QTreeView& view);

// A list view in report view: flat rows, fixed columns, optional check box in front of each row.
// Rows are addressed by their 1-based position, as the window models count them.
class ReportListWidget final : public QTreeWidget {
public:
    ReportListWidget(std::vector<ReportColumn> columns, QWidget* parent = nullptr);

    // Empties rows and columns, then adds the columns again.
    void SetUpColumns();
    void SetCheckBoxes(bool on) { checkBoxes_ = on; }
    void AddRow(const std::vector<std::string>& texts, const QIcon& icon);
    // Brings row texts and check marks in line with the model without emitting itemChanged.
    void SetRowTexts(int position, const std::vector<std::string>& texts);
    void SetRowChecked(int position, bool checked);
    QTreeWidgetItem* Row(int position) const { return topLevelItem(position - 1); }
    int PositionOf(const QTreeWidgetItem* item) const;
    // Widens a column whose texts, with the check box and icon in front, would be cut at its
    // design width (this platform's check boxes and substitute fonts take more room), and the
    // list with it; never narrows one.
    void FitColumnsToText();

private:
    std::vector<ReportColumn> columns_;
    bool checkBoxes_ = false;
};
