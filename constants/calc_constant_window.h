// SPDX-License-Identifier: MIT
#pragma once

#include <functional>

#include <QDialog>

#include "constants/constant_picker.h"
#include "constants/constant_window_model.h"

class QLabel;
class QLineEdit;
class QPushButton;
class ReportListWidget;

// The constants picker: a view of ConstantWindowModel. "&Apply" hands the value box text back
// through calc.memory.ChosenConstant; every other way out hands back "".
class CalcConstantFrm final : public QDialog {
    Q_OBJECT

public:
    explicit CalcConstantFrm(Calculator& calc, QWidget* parent = nullptr);

    // The close box and Escape.
    void reject() override;

private:
    void CreateControls();
    void FillConstantList();
    void Render();

    void ItemBox_ItemClick(int position);
    void OKButton_Click();
    void ExitButton_Click();

    ConstantWindowModel model_;
    ReportListWidget* itemBox_ = nullptr;
    QLabel* consLab_ = nullptr;
    QLineEdit* valueBox_ = nullptr;
    QPushButton* okButton_ = nullptr;
};

// Opens CalcConstantFrm over `owner` through `showModal`, which keeps the main window out of the
// topmost layer while it is open.
class DialogConstantPicker final : public ConstantPicker {
public:
    DialogConstantPicker(QWidget* owner, std::function<int(QDialog&)> showModal)
        : owner_(owner), showModal_(std::move(showModal)) {}
    void ShowConstantWindow(Calculator& calc) override;

private:
    QWidget* owner_;
    std::function<int(QDialog&)> showModal_;
};
