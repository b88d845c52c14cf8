// SPDX-License-Identifier: MIT
#pragma once

#include <functional>

#include "core/platform.h"

class QDialog;
class QWidget;

// The desktop's clipboard, plain text.
class QtClipboard final : public ClipboardAccess {
public:
    void SetText(const std::string& text) override;
    std::string Text() const override;
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
