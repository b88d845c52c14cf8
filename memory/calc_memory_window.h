// SPDX-License-Identifier: MIT
#pragma once

#include <functional>

#include <QDialog>

#include "memory/register_chooser.h"
#include "memory/register_window_model.h"

class QGroupBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QTreeWidgetItem;
class ReportListWidget;

// The register window: a view of RegisterWindowModel in the mode calc.memory.MemoryFormMode had when
// it opened. Every text and enabled state comes from the model; the window only forwards clicks.
class CalcMemoryFrm final : public QDialog {
    Q_OBJECT

public:
    explicit CalcMemoryFrm(Calculator& calc, QWidget* parent = nullptr);

    // The close box and Escape: nothing is handed back.
    void reject() override;

private:
    void CreateControls();
    void FillRegisterList();
    void Render();

    void ItemBox_ItemClick(int position);
    void ItemBox_ItemCheck(QTreeWidgetItem* item);
    void OKButton_Click();
    void ExitButton_Click();
    void CLRButton_Click();
    void SelectAllButton_Click();

    RegisterWindowModel model_;
    ReportListWidget* itemBox_ = nullptr;
    QLabel* lab1_ = nullptr;
    QGroupBox* decFrame_ = nullptr;
    QPlainTextEdit* descBox_ = nullptr;
    QPushButton* okButton_ = nullptr;
    QPushButton* exitButton_ = nullptr;
    QWidget* deleteFrame_ = nullptr;
};

// Opens CalcMemoryFrm over `owner` through `showModal`, which keeps the main window out of the
// topmost layer while it is open.
class DialogRegisterChooser final : public RegisterChooser {
public:
    DialogRegisterChooser(QWidget* owner, std::function<int(QDialog&)> showModal)
        : owner_(owner), showModal_(std::move(showModal)) {}
    void ShowRegisterWindow(Calculator& calc) override;

private:
    QWidget* owner_;
    std::function<int(QDialog&)> showModal_;
};
