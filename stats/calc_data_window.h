// SPDX-License-Identifier: MIT
#pragma once

#include <functional>
#include <memory>

#include <QDialog>

#include "stats/data_picker.h"
#include "stats/data_window_model.h"

class DataListModel;
class QPushButton;
class QTreeView;

// The data window: a view of DataWindowModel. Its "&Delete" changes the data set through the
// model; leaving hands nothing back.
class CalcDataFrm final : public QDialog {
    Q_OBJECT

public:
    explicit CalcDataFrm(Calculator& calc, QWidget* parent = nullptr);
    ~CalcDataFrm() override;

private:
    void CreateControls();
    void FitColumnsToText();
    void Render();

    void AllButton_Click();
    void ClearButton_Click();
    void DeleteButton_Click();

    DataWindowModel model_;
    std::unique_ptr<DataListModel> list_;
    QTreeView* itemBox_ = nullptr;
    QPushButton* deleteButton_ = nullptr;
};

// Opens CalcDataFrm over `owner` through `showModal`, which keeps the main window out of the
// topmost layer while it is open.
class DialogDataPicker final : public DataPicker {
public:
    DialogDataPicker(QWidget* owner, std::function<int(QDialog&)> showModal)
        : owner_(owner), showModal_(std::move(showModal)) {}
    void ShowDataWindow(Calculator& calc) override;

private:
    QWidget* owner_;
    std::function<int(QDialog&)> showModal_;
};
