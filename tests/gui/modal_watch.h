// SPDX-License-Identifier: MIT
#pragma once

#include <functional>
#include <memory>

#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

#include "core/calculator.h"
#include "shell/qt_platform.h"

// What the next message box showed; `seen` stays false when none came.
struct SeenQuestion {
    bool seen = false;
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
};

// Waits for `condition` on a polling timer, then runs `action` once; gives up after `limitMs` or
// when `owner` goes, so that a waiter never outlives the test that set it.
inline void WhenReady(QObject* owner, std::function<bool()> condition, std::function<void()> action, int limitMs) {
    auto* poll = new QTimer(owner);
    auto started = std::make_shared<QElapsedTimer>();
    started->start();
    QObject::connect(poll, &QTimer::timeout, poll, [poll, condition, action, started, limitMs] {
        if (condition()) {
            poll->stop();
            poll->deleteLater();
            action();
        } else if (started->elapsed() > limitMs) {
            poll->stop();
            poll->deleteLater();
        }
    });
    poll->start(20);
}

// Answers the next message box with `answer` and records what it asked.
inline std::shared_ptr<SeenQuestion> AnswerNextQuestion(QObject* owner, QMessageBox::StandardButton answer) {
    auto seen = std::make_shared<SeenQuestion>();
    WhenReady(
        owner, [] { return qobject_cast<QMessageBox*>(QApplication::activeModalWidget()) != nullptr; },
        [seen, answer] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            seen->seen = true;
            seen->title = box->windowTitle();
            seen->text = box->text();
            seen->icon = box->icon();
            QAbstractButton* button = box->button(answer);
            if (button != nullptr) QTest::mouseClick(button, Qt::LeftButton);
            else box->reject();
        },
        5000);
    return seen;
}

// Runs `act` on the modal dialog `T` once it is open; `finished` turns true when it has run. A
// dialog still open 10 s after it appeared is closed, so that a test fails instead of hanging.
template <typename T>
std::shared_ptr<bool> ActOnNextModal(QObject* owner, std::function<void(T*)> act) {
    auto finished = std::make_shared<bool>(false);
    WhenReady(
        owner, [] { return qobject_cast<T*>(QApplication::activeModalWidget()) != nullptr; },
        [act, finished] {
            T* dialog = qobject_cast<T*>(QApplication::activeModalWidget());
            QTimer::singleShot(10000, dialog, [dialog] { dialog->done(QDialog::Rejected); });
            act(dialog);
            *finished = true;
        },
        5000);
    return finished;
}

// Clicks the row at 1-based `position` as a user would.
inline void ClickRow(QTreeWidget* list, int position) {
    QTreeWidgetItem* item = list->topLevelItem(position - 1);
    QVERIFY(item != nullptr);
    list->scrollToItem(item);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(item).center());
}

// A calculator whose questions are real message boxes.
struct DialogCalculator {
    DialogMessages messages{nullptr, [](QDialog& box) { return box.exec(); }};
    Calculator calc{Platform{.messages = &messages}};
};
