// SPDX-License-Identifier: MIT
#pragma once

#include <functional>

#include <QLocalServer>
#include <QString>

// One copy of Numora per user. The first copy listens on a local channel named from the
// application title; a later copy asks it to bring its window forward and ends.
class SingleInstance {
public:
    explicit SingleInstance(const QString& applicationTitle);

    // True when a running copy answered and has brought its window forward.
    bool ActivatePreviousInstance();
    // Takes the channel for this copy; a stale channel left by a copy that is gone is removed.
    // `bringForward` runs when a later copy asks. False when another copy holds the channel
    // or the channel cannot be made.
    bool Listen(std::function<void()> bringForward);

    const QString& ChannelName() const { return name_; }

private:
    QString name_;
    QLocalServer server_;
    std::function<void()> bringForward_;
};
