// SPDX-License-Identifier: MIT
#include "widgets/report_list_widget.h"

#include <QHeaderView>
#include <QPainter>
#include <QPainterPath>
#include <QScrollBar>

#include "widgets/translated_text.h"
#include "widgets/twips.h"

QPushButton* CreateDialogButton(const char* name, const QString& caption, QWidget* parent) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setAutoDefault(false);
    button->setFixedSize(TwipsToPixels(1215), TwipsToPixels(375));
    return button;
}

namespace {

QString ToQt(const std::string& text) { return QString::fromStdString(text); }

// A memory chip: a dark body with three pins on each side.
void DrawChip(QPainter& p) {
    p.setPen(QPen(QColor(120, 120, 120), 1.0));
    for (int pin = 0; pin < 3; ++pin) {
        const qreal y = 4.5 + pin * 3.5;
        p.drawLine(QPointF(1, y), QPointF(4, y));
        p.drawLine(QPointF(12, y), QPointF(15, y));
    }
    p.setPen(QPen(QColor(20, 40, 90), 1.0));
    p.setBrush(QColor(40, 80, 160));
    p.drawRoundedRect(QRectF(4, 2.5, 8, 11), 1.5, 1.5);
    p.setBrush(QColor(200, 215, 240));
    p.setPen(Qt::NoPen);
    p.drawEllipse(QPointF(6.5, 4.8), 1.0, 1.0);
}

// A price-tag shape with a hole: a labelled, fixed value.
void DrawTag(QPainter& p) {
    QPainterPath tag;
    tag.moveTo(2, 5);
    tag.lineTo(6, 1.5);
    tag.lineTo(14.5, 1.5);
    tag.lineTo(14.5, 14.5);
    tag.lineTo(6, 14.5);
    tag.lineTo(2, 11);
    tag.closeSubpath();
    p.setPen(QPen(QColor(140, 90, 0), 1.0));
    p.setBrush(QColor(250, 200, 60));
    p.drawPath(tag);
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(5.2, 8), 1.2, 1.2);
    p.setPen(QPen(QColor(140, 90, 0), 1.0));
    p.drawLine(QPointF(8.5, 5.5), QPointF(12.5, 5.5));
    p.drawLine(QPointF(8.5, 8), QPointF(12.5, 8));
    p.drawLine(QPointF(8.5, 10.5), QPointF(11, 10.5));
}

// Three bars of different height on a base line: one value of a data set.
void DrawBars(QPainter& p) {
    p.setPen(QPen(QColor(60, 60, 60), 1.0));
    p.drawLine(QPointF(1.5, 14.5), QPointF(14.5, 14.5));
    p.setPen(QPen(QColor(20, 90, 40), 1.0));
    p.setBrush(QColor(70, 170, 90));
    p.drawRect(QRectF(2.5, 8.5, 3, 5.5));
    p.setBrush(QColor(230, 120, 40));
    p.drawRect(QRectF(6.5, 3.5, 3, 10.5));
    p.setBrush(QColor(70, 120, 200));
    p.drawRect(QRectF(10.5, 6.5, 3, 7.5));
}

QPixmap Picture(int index, int scale) {
    QPixmap pixmap(16 * scale, 16 * scale);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(scale, scale);
    switch (index) {
    case 0: DrawChip(painter); break;
    case 1: DrawTag(painter); break;
    default: DrawBars(painter); break;
    }
    return pixmap;
}

}  // namespace

QIcon DumImgPicture(int index) {
    QIcon icon;
    for (int scale : {1, 2}) icon.addPixmap(Picture(index, scale));
    return icon;
}

void SetUpReportView(QTreeView& view) {
    view.setRootIsDecorated(false);
    view.setItemsExpandable(false);
    view.setUniformRowHeights(true);
    view.setAllColumnsShowFocus(true);
    view.setIconSize(QSize(16, 16));
    view.setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    view.header()->setStretchLastSection(false);
    view.header()->setSectionsMovable(false);
}

void SizeReportColumns(QTreeView& view, const std::vector<ReportColumn>& columns) {
    for (int c = 0; c < static_cast<int>(columns.size()); ++c)
        view.header()->resizeSection(c, TwipsToPixels(columns[c].WidthTwips));
}

int ReportViewWidth(const QTreeView& view) {
    int width = 2 * view.frameWidth() + view.verticalScrollBar()->sizeHint().width();
    for (int c = 0; c < view.header()->count(); ++c) width += view.header()->sectionSize(c);
    return width;
}

ReportListWidget::ReportListWidget(std::vector<ReportColumn> columns, QWidget* parent)
    : QTreeWidget(parent), columns_(std::move(columns)) {
    SetUpReportView(*this);
}

void ReportListWidget::SetUpColumns() {
    clear();
    setColumnCount(0);
    setColumnCount(static_cast<int>(columns_.size()));
    QStringList titles;
    for (const ReportColumn& column : columns_) titles << WindowText(column.Text);
    setHeaderLabels(titles);
    for (int c = 0; c < static_cast<int>(columns_.size()); ++c)
        headerItem()->setTextAlignment(c, columns_[c].Align | Qt::AlignVCenter);
    SizeReportColumns(*this, columns_);
}

void ReportListWidget::AddRow(const std::vector<std::string>& texts, const QIcon& icon) {
    auto* item = new QTreeWidgetItem;
    for (int c = 0; c < static_cast<int>(columns_.size()); ++c) {
        item->setTextAlignment(c, columns_[c].Align | Qt::AlignVCenter);
        if (c < static_cast<int>(texts.size())) item->setText(c, ToQt(texts[c]));
    }
    item->setIcon(0, icon);
    item->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled |
                   (checkBoxes_ ? Qt::ItemIsUserCheckable : Qt::NoItemFlags));
    if (checkBoxes_) item->setCheckState(0, Qt::Unchecked);
    addTopLevelItem(item);
}

void ReportListWidget::SetRowTexts(int position, const std::vector<std::string>& texts) {
    QTreeWidgetItem* item = Row(position);
    if (item == nullptr) return;
    const QSignalBlocker quiet(this);
    for (int c = 0; c < static_cast<int>(texts.size()) && c < columnCount(); ++c) {
        const QString text = ToQt(texts[c]);
        if (item->text(c) != text) item->setText(c, text);
    }
}

void ReportListWidget::SetRowChecked(int position, bool checked) {
    QTreeWidgetItem* item = Row(position);
    if (item == nullptr || !checkBoxes_) return;
    const Qt::CheckState state = checked ? Qt::Checked : Qt::Unchecked;
    const QSignalBlocker quiet(this);
    if (item->checkState(0) != state) item->setCheckState(0, state);
}

int ReportListWidget::PositionOf(const QTreeWidgetItem* item) const {
    return item == nullptr ? 0 : indexOfTopLevelItem(const_cast<QTreeWidgetItem*>(item)) + 1;
}

void ReportListWidget::FitColumnsToText() {
    for (int c = 0; c < columnCount(); ++c) {
        const int needed = sizeHintForColumn(c);
        if (needed > header()->sectionSize(c)) header()->resizeSection(c, needed);
    }
    setFixedWidth(ReportViewWidth(*this));
}
