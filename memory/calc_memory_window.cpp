// SPDX-License-Identifier: MIT
#include "memory/calc_memory_window.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "widgets/face_fonts.h"
#include "widgets/report_list_widget.h"
#include "widgets/translated_text.h"
#include "widgets/twips.h"

namespace {

QString ToQt(const std::string& text) { return QString::fromStdString(text); }

}  // namespace

CalcMemoryFrm::CalcMemoryFrm(Calculator& calc, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint), model_(calc) {
    setObjectName("CalcMemoryFrm");
    setFont(TahomaFont(8.25));
    CreateControls();
    setWindowTitle(ToQt(model_.Caption));
    lab1_->setText(ToQt(model_.Prompt));
    itemBox_->setAccessibleName(lab1_->text());
    descBox_->setAccessibleName(ToQt(model_.FrameCaption));
    okButton_->setText(ToQt(model_.OKCaption));
    decFrame_->setTitle(ToQt(model_.FrameCaption));
    descBox_->setReadOnly(!model_.DescriptionEditable);
    deleteFrame_->setVisible(model_.CheckBoxes);
    itemBox_->SetCheckBoxes(model_.CheckBoxes);
    itemBox_->setSelectionMode(model_.CheckBoxes ? QAbstractItemView::ExtendedSelection
                                                 : QAbstractItemView::SingleSelection);
    itemBox_->SetUpColumns();
    FillRegisterList();
    Render();
}

void CalcMemoryFrm::CreateControls() {
    lab1_ = new QLabel(this);
    lab1_->setObjectName("Lab1");

    itemBox_ = new ReportListWidget({{QT_TRANSLATE_NOOP("Numora", "   Address"), 1200, Qt::AlignLeft},
                                     {QT_TRANSLATE_NOOP("Numora", "              Value"), 2900, Qt::AlignLeft}},
                                    this);
    itemBox_->setObjectName("ItemBox");
    itemBox_->setFixedHeight(TwipsToPixels(3600));

    decFrame_ = new QGroupBox(this);
    decFrame_->setObjectName("DecFrame");
    descBox_ = new QPlainTextEdit(decFrame_);
    descBox_->setObjectName("DescBox");
    descBox_->setFixedHeight(TwipsToPixels(600));
    descBox_->setTabChangesFocus(true);
    auto* frameLayout = new QVBoxLayout(decFrame_);
    frameLayout->addWidget(descBox_);

    okButton_ = CreateDialogButton("OKButton", WindowText(QT_TRANSLATE_NOOP("Numora", "OK")), this);
    okButton_->setDefault(true);
    exitButton_ = CreateDialogButton("ExitButton", WindowText(QT_TRANSLATE_NOOP("Numora", "E&xit")), this);
    deleteFrame_ = new QWidget(this);
    deleteFrame_->setObjectName("DeleteFrame");
    auto* clrButton = CreateDialogButton("CLRButton", WindowText(QT_TRANSLATE_NOOP("Numora", "&Clear")), deleteFrame_);
    auto* selectAllButton =
        CreateDialogButton("SelectAllButton", WindowText(QT_TRANSLATE_NOOP("Numora", "Select &All")), deleteFrame_);
    auto* deleteLayout = new QVBoxLayout(deleteFrame_);
    deleteLayout->setContentsMargins(0, 0, 0, 0);
    deleteLayout->addWidget(selectAllButton);
    deleteLayout->addWidget(clrButton);

    auto* buttons = new QVBoxLayout;
    buttons->addWidget(okButton_);
    buttons->addWidget(exitButton_);
    buttons->addStretch();
    buttons->addWidget(deleteFrame_);

    auto* grid = new QGridLayout(this);
    grid->setSizeConstraint(QLayout::SetFixedSize);
    grid->addWidget(lab1_, 0, 0, 1, 2);
    grid->addWidget(itemBox_, 1, 0);
    grid->addLayout(buttons, 1, 1);
    grid->addWidget(decFrame_, 2, 0);

    connect(itemBox_, &QTreeWidget::itemSelectionChanged, this, [this] {
        // A click or an arrow key that selects one register is the list's item click.
        const QList<QTreeWidgetItem*> selected = itemBox_->selectedItems();
        if (!model_.CheckBoxes && selected.size() == 1) ItemBox_ItemClick(itemBox_->PositionOf(selected.front()));
    });
    connect(itemBox_, &QTreeWidget::itemClicked, this, [this](QTreeWidgetItem* item) {
        if (model_.CheckBoxes) ItemBox_ItemClick(itemBox_->PositionOf(item));
    });
    connect(itemBox_, &QTreeWidget::itemChanged, this, [this](QTreeWidgetItem* item, int column) {
        if (column == 0) ItemBox_ItemCheck(item);
    });
    connect(descBox_, &QPlainTextEdit::textChanged, this,
            [this] { model_.DescBox = descBox_->toPlainText().toStdString(); });
    connect(okButton_, &QPushButton::clicked, this, &CalcMemoryFrm::OKButton_Click);
    connect(exitButton_, &QPushButton::clicked, this, &CalcMemoryFrm::ExitButton_Click);
    connect(clrButton, &QPushButton::clicked, this, &CalcMemoryFrm::CLRButton_Click);
    connect(selectAllButton, &QPushButton::clicked, this, &CalcMemoryFrm::SelectAllButton_Click);
}

void CalcMemoryFrm::FillRegisterList() {
    const QSignalBlocker quiet(itemBox_);
    const QIcon icon = DumImgPicture(0);
    for (const RegisterListItem& item : model_.Items) itemBox_->AddRow({item.Address, item.Value}, icon);
    itemBox_->FitColumnsToText();
}

void CalcMemoryFrm::Render() {
    okButton_->setEnabled(model_.OKEnabled);
    if (descBox_->toPlainText().toStdString() != model_.DescBox) {
        const QSignalBlocker quiet(descBox_);
        descBox_->setPlainText(ToQt(model_.DescBox));
    }
    for (int position = 1; position <= static_cast<int>(model_.Items.size()); ++position) {
        const RegisterListItem& item = model_.Items[position - 1];
        itemBox_->SetRowTexts(position, {item.Address, item.Value});
        itemBox_->SetRowChecked(position, item.Checked);
    }
}

void CalcMemoryFrm::ItemBox_ItemClick(int position) {
    model_.ItemClick(position);
    Render();
}

void CalcMemoryFrm::ItemBox_ItemCheck(QTreeWidgetItem* item) {
    model_.ItemCheck(itemBox_->PositionOf(item), item->checkState(0) == Qt::Checked);
    Render();
}

void CalcMemoryFrm::OKButton_Click() {
    if (model_.PressOK()) {
        accept();
        return;
    }
    Render();
}

void CalcMemoryFrm::ExitButton_Click() {
    model_.PressExit();
    QDialog::reject();
}

void CalcMemoryFrm::CLRButton_Click() {
    model_.ClearChecks();
    Render();
}

void CalcMemoryFrm::SelectAllButton_Click() {
    model_.SelectAll();
    Render();
}

void CalcMemoryFrm::reject() {
    model_.PressCloseBox();
    QDialog::reject();
}

void DialogRegisterChooser::ShowRegisterWindow(Calculator& calc) {
    CalcMemoryFrm window(calc, owner_);
    showModal_(window);
}
