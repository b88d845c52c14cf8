// SPDX-License-Identifier: MIT
#pragma once

#include <functional>
#include <memory>

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "shell/calc_main_frm.h"
#include "shell/shell_setup.h"

// A started face in a throwaway settings and data folder, with helpers that click real buttons.
class FaceFixture {
public:
    FaceFixture() {
        PrepareApplication(*qobject_cast<QApplication*>(QCoreApplication::instance()));
        qputenv("XDG_CONFIG_HOME", folder_.filePath("config").toLocal8Bit());
        QDir(folder_.path()).mkpath("data");
    }

    // A new window over the same folders, as a restart of the program would see them.
    CalcMainFrm& Start() {
        window_ = std::make_unique<CalcMainFrm>();
        window_->SetProgramFolder(folder_.filePath("data").toStdString());
        window_->InitializeCalculator();
        window_->show();
        return *window_;
    }
    // Ends the window the normal way (its shutdown steps run).
    void Close() { window_->close(); }
    // Ends the window as a killed process would: no shutdown steps.
    void Abandon() { window_.reset(); }

    CalcMainFrm& Window() { return *window_; }
    QString DataFolder() const { return folder_.filePath("data"); }
    template <typename T>
    T* Find(const QString& name) {
        return window_->findChild<T*>(name);
    }

    void Click(const QString& keyName) {
        QPushButton* key = Find<QPushButton>(keyName);
        QVERIFY2(key != nullptr, qPrintable(keyName));
        QTest::mouseClick(key, Qt::LeftButton);
    }
    void ClickAll(const QStringList& keyNames) {
        for (const QString& name : keyNames) Click(name);
    }
    QString Label(const char* name) { return Find<QLabel>(name)->text(); }
    QString Display() { return Label("DisplayBox"); }
    QString Exponent() { return Label("ExpoBox"); }

private:
    QTemporaryDir folder_;
    std::unique_ptr<CalcMainFrm> window_;
};

// Runs `inspect` on the next modal window once it is open, then closes it; fails a test that
// would otherwise hang on it.
inline void HandleNextModal(std::function<void(QWidget*)> inspect) {
    auto* poll = new QTimer(qApp);
    auto started = std::make_shared<QElapsedTimer>();
    started->start();
    QObject::connect(poll, &QTimer::timeout, poll, [poll, inspect, started] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            poll->deleteLater();
            inspect(modal);
            modal->close();
        } else if (started->elapsed() > 5000) {
            poll->deleteLater();
        }
    });
    poll->start(20);
}
