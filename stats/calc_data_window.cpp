// SPDX-License-Identifier: MIT
#include "stats/calc_data_window.h"

#include <QAbstractTableModel>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeView>
#include <QVBoxLayout>

#include "widgets/face_fonts.h"
#include "widgets/report_list_widget.h"
#include "widgets/translated_text.h"
#include "widgets/twips.h"

namespace {

const std::vector<ReportColumn> kColumns{{"   Data", 1300, Qt::AlignLeft},
                                         {"              Value", 2800, Qt::AlignLeft}};

}  // namespace

// The rows of DataWindowModel as Qt's views ask for them: only the rows on screen are ever
// drawn, so only their texts are made; a change of every check mark is one update.
class DataListModel final : public QAbstractTableModel {
public:
    DataListModel(DataWindowModel& model, std::function<void()> checked)
        : model_(model), checked_(std::move(checked)), icon_(DumImgPicture(2)) {}

    int rowCount(const QModelIndex& parent = {}) const override { return parent.isValid() ? 0 : model_.RowCount(); }
    int columnCount(const QModelIndex& parent = {}) const override {
        return parent.isValid() ? 0 : static_cast<int>(kColumns.size());
    }

    QVariant data(const QModelIndex& index, int role) const override {
        const int position = index.row() + 1;
        switch (role) {
        case Qt::DisplayRole:
            return QString::fromStdString(index.column() == 0 ? DataWindowModel::Label(position)
                                                              : model_.ValueText(position));
        case Qt::CheckStateRole:
            if (index.column() == 0) return model_.Checked(position) ? Qt::Checked : Qt::Unchecked;
            return {};
        case Qt::DecorationRole: return index.column() == 0 ? QVariant(icon_) : QVariant();
        case Qt::TextAlignmentRole: return QVariant(kColumns[index.column()].Align | Qt::AlignVCenter);
        default: return {};
        }
    }

    bool setData(const QModelIndex& index, const QVariant& value, int role) override {
        if (role != Qt::CheckStateRole || index.column() != 0) return false;
        model_.ItemCheck(index.row() + 1, value.toInt() == Qt::Checked);
        emit dataChanged(index, index, {Qt::CheckStateRole});
        checked_();
        return true;
    }

    Qt::ItemFlags flags(const QModelIndex& index) const override {
        const Qt::ItemFlags flags = Qt::ItemIsSelectable | Qt::ItemIsEnabled;
        return index.column() == 0 ? flags | Qt::ItemIsUserCheckable : flags;
    }

    QVariant headerData(int section, Qt::Orientation orientation, int role) const override {
        if (orientation != Qt::Horizontal) return {};
        if (role == Qt::DisplayRole) return QString(kColumns[section].Text);
        if (role == Qt::TextAlignmentRole) return QVariant(kColumns[section].Align | Qt::AlignVCenter);
        return {};
    }

    // Every check mark changed at once.
    void ChecksChanged() {
        if (model_.RowCount() > 0) emit dataChanged(index(0, 0), index(model_.RowCount() - 1, 0), {Qt::CheckStateRole});
    }
    // Rows went away and the rest were numbered afresh.
    void RowsRenumbered() {
        beginResetModel();
        endResetModel();
    }

private:
    DataWindowModel& model_;
    std::function<void()> checked_;
    QIcon icon_;
};

CalcDataFrm::CalcDataFrm(Calculator& calc, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint),
      model_(calc),
      list_(std::make_unique<DataListModel>(model_, [this] { Render(); })) {
    setObjectName("CalcDataFrm");
    setWindowTitle(WindowText(QT_TRANSLATE_NOOP("Numora", "Data")));
    setFont(TahomaFont(8.25));
    CreateControls();
    FitColumnsToText();
    Render();
}

CalcDataFrm::~CalcDataFrm() = default;

void CalcDataFrm::CreateControls() {
    auto* lab1 = new QLabel(WindowText(QT_TRANSLATE_NOOP("Numora", "Choose data to delete:")), this);
    lab1->setObjectName("Lab1");

    itemBox_ = new QTreeView(this);
    itemBox_->setObjectName("ItemBox");
    SetUpReportView(*itemBox_);
    itemBox_->setModel(list_.get());
    SizeReportColumns(*itemBox_, kColumns);
    itemBox_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    itemBox_->setFixedHeight(TwipsToPixels(4200));
    itemBox_->setAccessibleName(lab1->text());

    auto* allButton = CreateDialogButton("AllButton", WindowText(QT_TRANSLATE_NOOP("Numora", "Select &All")), this);
    auto* clearButton = CreateDialogButton("ClearButton", WindowText(QT_TRANSLATE_NOOP("Numora", "&Clear")), this);
    deleteButton_ = CreateDialogButton("DeleteButton", WindowText(QT_TRANSLATE_NOOP("Numora", "&Delete")), this);
    deleteButton_->setDefault(true);
    auto* exitButton = CreateDialogButton("ExitButton", WindowText(QT_TRANSLATE_NOOP("Numora", "E&xit")), this);

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

    connect(allButton, &QPushButton::clicked, this, &CalcDataFrm::AllButton_Click);
    connect(clearButton, &QPushButton::clicked, this, &CalcDataFrm::ClearButton_Click);
    connect(deleteButton_, &QPushButton::clicked, this, &CalcDataFrm::DeleteButton_Click);
    connect(exitButton, &QPushButton::clicked, this, &QDialog::reject);
}

// The label column widens when its widest label, the last row's, would be cut with the check box
// and the picture in front; a value's plain text is never longer than its design width holds.
void CalcDataFrm::FitColumnsToText() {
    if (model_.RowCount() > 0) {
        const int needed = itemBox_->sizeHintForIndex(list_->index(model_.RowCount() - 1, 0)).width();
        if (needed > itemBox_->header()->sectionSize(0)) itemBox_->header()->resizeSection(0, needed);
    }
    itemBox_->setFixedWidth(ReportViewWidth(*itemBox_));
}

void CalcDataFrm::Render() { deleteButton_->setEnabled(model_.DeleteEnabled); }

void CalcDataFrm::AllButton_Click() {
    model_.SelectAll();
    list_->ChecksChanged();
    Render();
}

void CalcDataFrm::ClearButton_Click() {
    model_.ClearChecks();
    list_->ChecksChanged();
    Render();
}

void CalcDataFrm::DeleteButton_Click() {
    const int rows = model_.RowCount();
    model_.PressDelete();
    if (model_.RowCount() != rows) list_->RowsRenumbered();
    Render();
}

void DialogDataPicker::ShowDataWindow(Calculator& calc) {
    CalcDataFrm window(calc, owner_);
    showModal_(window);
}
