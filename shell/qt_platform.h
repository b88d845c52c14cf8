// SPDX-License-Identifier: MIT
#pragma once

#include <functional>

#include "core/platform.h"

class QDialog;
class QLineEdit;
class QWidget;

// The clipboard through the hidden staging field: the text is put into it, selected whole and
// copied from there as plain text.
class StagedClipboard final : public ClipboardAccess {
public:
    explicit StagedClipboard(QLineEdit* stagingField) : stagingField_(stagingField) {}
    void SetText(const std::string& text) override;
    std::string Text() const override;

private:
    QLineEdit* stagingField_;
};

// Message boxes over the main window, shown through `showModal` so that the main window leaves
// the topmost layer while one is open.
class DialogMessages final : public MessageService {
public:
    DialogMessages(QWidget* owner, std::function<int(QDialog&)> showModal)
        : owner_(owner), showModal_(std::move(showModal)) {}
    void Show(const std::string& title, const std::string& text, MessageIcon icon) override;
    bool AskYesNo(const std::string& title, const std::string& text, MessageIcon icon) override;

private:
    int Run(const std::string& title, const std::string& text, MessageIcon icon, bool question);

    QWidget* owner_;
    std::function<int(QDialog&)> showModal_;
};
