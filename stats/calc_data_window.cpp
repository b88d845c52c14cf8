// SPDX-License-Identifier: MIT
#include "stats/calc_data_window.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "memory/report_list_widget.h"
#include "shell/face_fonts.h"
#include "shell/twips.h"

CalcDataFrm::CalcDataFrm(Calculator& calc, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint), model_(calc) {
    setObjectName("CalcDataFrm");
    setWindowTitle("Data");
    setFont(TahomaFont(8.25));
    CreateControls();
    itemBox_->SetUpColumns();
    FillDataList();
    Render();
}

void CalcDataFrm::CreateControls() {
    auto* lab1 = new QLabel("Choose data to delete:", this);
    lab1->setObjectName("Lab1");

    itemBox_ = new ReportListWidget({{"   Data", 1300, Qt::AlignLeft}, {"              Value", 2800, Qt::AlignLeft}},
                                    this);
    itemBox_->setObjectName("ItemBox");
    itemBox_->SetCheckBoxes(true);
    itemBox_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    itemBox_->setFixedHeight(TwipsToPixels(4200));

    auto* allButton = CreateDialogButton("AllButton", "Select &All", this);
    auto* clearButton = CreateDialogButton("ClearButton", "&Clear", this);
    deleteButton_ = CreateDialogButton("DeleteButton", "&Delete", this);
    auto* exitButton = CreateDialogButton("ExitButton", "E&xit", this);

    auto* buttons = new QVBoxLayout;
    buttons->addWidget(allButton);
    buttons->addWidget(clearButton);
    buttons->addStretch();
    buttons->addWidget(deleteButton_);
    buttons->addWidget(exitButton);

    auto* grid = new QGridLayout(this);
    grid->setSizeConstraint(QLayout::SetFixedSize);
    grid->addWidget(lab1, 0, 0, 1, 2);
    grid->addWidget(itemBox_, 1, 0);
    grid->addLayout(buttons, 1, 1);

    connect(itemBox_, &QTreeWidget::itemChanged, this, [this](QTreeWidgetItem* item, int column) {
        if (column == 0) ItemBox_ItemCheck(item);
    });
    connect(allButton, &QPushButton::clicked, this, &CalcDataFrm::AllButton_Click);
    connect(clearButton, &QPushButton::clicked, this, &CalcDataFrm::ClearButton_Click);
    connect(deleteButton_, &QPushButton::clicked, this, &CalcDataFrm::DeleteButton_Click);
    connect(exitButton, &QPushButton::clicked, this, &QDialog::reject);
}

void CalcDataFrm::FillDataList() {
    const QSignalBlocker quiet(itemBox_);
    itemBox_->clear();
    const QIcon icon = DumImgPicture(2);
    for (const DataListItem& item : model_.Items) itemBox_->AddRow({item.Label, item.Value}, icon);
    itemBox_->FitColumnsToText();
}

void CalcDataFrm::Render() {
    deleteButton_->setEnabled(model_.DeleteEnabled);
    // A confirmed delete leaves fewer values, numbered afresh from Data-01.
    if (itemBox_->topLevelItemCount() != static_cast<int>(model_.Items.size())) FillDataList();
    for (int position = 1; position <= static_cast<int>(model_.Items.size()); ++position) {
        const DataListItem& item = model_.Items[position - 1];
        itemBox_->SetRowTexts(position, {item.Label, item.Value});
        itemBox_->SetRowChecked(position, item.Checked);
    }
}

void CalcDataFrm::ItemBox_ItemCheck(QTreeWidgetItem* item) {
    model_.ItemCheck(itemBox_->PositionOf(item), item->checkState(0) == Qt::Checked);
    Render();
}

void CalcDataFrm::AllButton_Click() {
    model_.SelectAll();
    Render();
}

void CalcDataFrm::ClearButton_Click() {
    model_.ClearChecks();
    Render();
}

void CalcDataFrm::DeleteButton_Click() {
    model_.PressDelete();
    Render();
}

void DialogDataPicker::ShowDataWindow(Calculator& calc) {
    CalcDataFrm window(calc, owner_);
    showModal_(window);
}
