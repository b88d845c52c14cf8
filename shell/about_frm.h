// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <memory>

#include <QDialog>
#include <QLabel>

// The about box: title, version, legal notice and a mail link to the developers.
class AboutFrm final : public QDialog {
public:
    explicit AboutFrm(QWidget* parent = nullptr);

    static constexpr const char* kMailLink = "mailto:numora@example.org";

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void MyEmailAdd_Click();

    std::array<std::unique_ptr<QLabel>, 2> shades_;
};
