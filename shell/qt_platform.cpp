// SPDX-License-Identifier: MIT
#include "shell/qt_platform.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMessageBox>

void QtClipboard::SetText(const std::string& text) {
    QGuiApplication::clipboard()->setText(QString::fromStdString(text), QClipboard::Clipboard);
}

std::string QtClipboard::Text() const {
    return QGuiApplication::clipboard()->text(QClipboard::Clipboard).toStdString();
}

namespace {

QMessageBox::Icon IconOf(MessageIcon icon) {
    switch (icon) {
    case MessageIcon::Information: return QMessageBox::Information;
    case MessageIcon::Warning: return QMessageBox::Warning;
    case MessageIcon::Critical: return QMessageBox::Critical;
    case MessageIcon::Question: return QMessageBox::Question;
    }
    return QMessageBox::NoIcon;
}

}  // namespace

int DialogMessages::Run(const std::string& title, const std::string& text, MessageIcon icon, bool question) {
    QMessageBox box(IconOf(icon), QString::fromStdString(title), QString::fromStdString(text),
                    question ? QMessageBox::Yes | QMessageBox::No : QMessageBox::Ok, owner_);
    box.setObjectName("MessageBox");
    return showModal_(box);
}

void DialogMessages::Show(const std::string& title, const std::string& text, MessageIcon icon) {
    Run(title, text, icon, false);
}

bool DialogMessages::AskYesNo(const std::string& title, const std::string& text, MessageIcon icon) {
    return Run(title, text, icon, true) == QMessageBox::Yes;
}
