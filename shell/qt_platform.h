// SPDX-License-Identifier: MIT
#pragma once

#include <functional>

#include "core/platform.h"

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

// Message boxes over the main window; the main window leaves the topmost layer while one is
// open and `restoreTopmost` puts it back after.
class DialogMessages final : public MessageService {
public:
    DialogMessages(QWidget* owner, std::function<void()> restoreTopmost)
        : owner_(owner), restoreTopmost_(std::move(restoreTopmost)) {}
    void Show(const std::string& title, const std::string& text, MessageIcon icon) override;
    bool AskYesNo(const std::string& title, const std::string& text, MessageIcon icon) override;

private:
    int Run(const std::string& title, const std::string& text, MessageIcon icon, bool question);

    QWidget* owner_;
    std::function<void()> restoreTopmost_;
};
