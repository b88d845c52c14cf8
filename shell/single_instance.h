// SPDX-License-Identifier: MIT
#pragma once

#include <functional>

#include <QByteArray>
#include <QLocalServer>
#include <QString>

// One copy of Numora per user. The first copy listens on a local channel named from the
// application title in a folder only the user can write (the runtime folder, else one named with
// the user id in the temporary folder); a later copy asks it to bring its window forward, passing
// on the launcher's start-up notification id, and ends. When no such folder can be had, there is
// no channel and every copy starts.
class SingleInstance {
public:
    explicit SingleInstance(const QString& applicationTitle);

    // True when a running copy answered and has brought its window forward.
    bool ActivatePreviousInstance(const QByteArray& startupId = {});
    // Takes the channel for this copy; a stale channel left by a copy that is gone is removed.
    // `bringForward` runs with the later copy's start-up id when it asks; a request longer than
    // 1 KB, or a connection silent for 3 s, is cut off. False when another copy holds the channel
    // or the channel cannot be made; true without listening when there is no channel.
    bool Listen(std::function<void(const QByteArray& startupId)> bringForward);

    // Empty when there is no channel.
    const QString& ChannelName() const { return name_; }

private:
    QString name_;
    QLocalServer server_;
    std::function<void(const QByteArray& startupId)> bringForward_;
};
