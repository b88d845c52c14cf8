// SPDX-License-Identifier: MIT
#include "constants/calc_constant_window.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "widgets/face_fonts.h"
#include "widgets/report_list_widget.h"
#include "widgets/translated_text.h"
#include "widgets/twips.h"

namespace {

QString ToQt(const std::string& text) { return QString::fromStdString(text); }

}  // namespace

CalcConstantFrm::CalcConstantFrm(Calculator& calc, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint), model_(calc) {
    setObjectName("CalcConstantFrm");
    setWindowTitle(WindowText(QT_TRANSLATE_NOOP("Numora", "Scientific Constant")));
    setFont(TahomaFont(8.25));
    CreateControls();
    itemBox_->SetUpColumns();
    FillConstantList();
    Render();
}

void CalcConstantFrm::CreateControls() {
    itemBox_ = new ReportListWidget({{QT_TRANSLATE_NOOP("Numora", " No."), 875, Qt::AlignLeft},
                                     {QT_TRANSLATE_NOOP("Numora", "Symbol"), 1350, Qt::AlignHCenter},
                                     {QT_TRANSLATE_NOOP("Numora", "Description"), 3150, Qt::AlignHCenter},
                                     {QT_TRANSLATE_NOOP("Numora", "Value  "), 3100, Qt::AlignRight},
                                     {QT_TRANSLATE_NOOP("Numora", "Unit"), 1000, Qt::AlignHCenter}},
                                    this);
    itemBox_->setObjectName("ItemBox");
    itemBox_->setSelectionMode(QAbstractItemView::SingleSelection);
    itemBox_->setFixedHeight(TwipsToPixels(4500));

    auto* label2 = new QLabel(WindowText(QT_TRANSLATE_NOOP("Numora", "SPECIFY CONSTANT:")), this);
    label2->setObjectName("Label2");
    consLab_ = new QLabel(this);
    consLab_->setObjectName("ConsLab");
    consLab_->setMinimumWidth(TwipsToPixels(2000));
    valueBox_ = new QLineEdit(this);
    valueBox_->setObjectName("ValueBox");
    valueBox_->setFixedWidth(TwipsToPixels(3000));
    label2->setBuddy(valueBox_);
    itemBox_->setAccessibleName(WindowText(QT_TRANSLATE_NOOP("Numora", "Scientific Constant")));
    okButton_ = CreateDialogButton("OKButton", WindowText(QT_TRANSLATE_NOOP("Numora", "&Apply")), this);
    okButton_->setDefault(true);
    auto* exitButton = CreateDialogButton("ExitButton", WindowText(QT_TRANSLATE_NOOP("Numora", "E&xit")), this);

    auto* choice = new QHBoxLayout;
    choice->addWidget(label2);
    choice->addWidget(consLab_);
    choice->addWidget(valueBox_);
    choice->addStretch();
    choice->addWidget(okButton_);
    choice->addWidget(exitButton);

    auto* grid = new QGridLayout(this);
    grid->setSizeConstraint(QLayout::SetFixedSize);
    grid->addWidget(itemBox_, 0, 0);
    grid->addLayout(choice, 1, 0);

    connect(itemBox_, &QTreeWidget::itemSelectionChanged, this, [this] {
        // A click or an arrow key that selects a row is the list's item click.
        const QList<QTreeWidgetItem*> selected = itemBox_->selectedItems();
        if (selected.size() == 1) ItemBox_ItemClick(itemBox_->PositionOf(selected.front()));
    });
    connect(valueBox_, &QLineEdit::textEdited, this,
            [this](const QString& text) { model_.ValueBox = text.toStdString(); });
    connect(okButton_, &QPushButton::clicked, this, &CalcConstantFrm::OKButton_Click);
    connect(exitButton, &QPushButton::clicked, this, &CalcConstantFrm::ExitButton_Click);
}

void CalcConstantFrm::FillConstantList() {
    const QIcon icon = DumImgPicture(1);
    for (const ConstantListItem& item : model_.Items)
        itemBox_->AddRow({item.No, item.Symbol, item.Description, item.Value, item.Unit}, icon);
    itemBox_->FitColumnsToText();
}

void CalcConstantFrm::Render() {
    okButton_->setEnabled(model_.ApplyEnabled);
    consLab_->setText(ToQt(model_.ConsLab));
    if (valueBox_->text().toStdString() != model_.ValueBox) valueBox_->setText(ToQt(model_.ValueBox));
}

void CalcConstantFrm::ItemBox_ItemClick(int position) {
    model_.ItemClick(position);
    Render();
}

void CalcConstantFrm::OKButton_Click() {
    model_.PressApply();
    accept();
}

void CalcConstantFrm::ExitButton_Click() {
    model_.PressExit();
    QDialog::reject();
}

void CalcConstantFrm::reject() {
    model_.PressCloseBox();
    QDialog::reject();
}

void DialogConstantPicker::ShowConstantWindow(Calculator& calc) {
    CalcConstantFrm window(calc, owner_);
    showModal_(window);
}
