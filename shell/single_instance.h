// SPDX-License-Identifier: MIT
#pragma once

#include <functional>
#include <optional>

#include <QByteArray>
#include <QLocalSocket>
#include <QObject>
#include <QString>

class QSocketNotifier;

// One copy of Numora per user. The first copy holds a lock for its whole life and listens on a
// local channel named from the application title in a folder only the user can write (the
// runtime folder, else one named with the user id in the temporary folder); a later copy asks it
// to bring its window forward, passing on the launcher's start-up notification id, and ends.
// When no such folder can be had, there is no channel and every copy starts.
class SingleInstance {
public:
    explicit SingleInstance(const QString& applicationTitle);
    ~SingleInstance();
    SingleInstance(const SingleInstance&) = delete;
    SingleInstance& operator=(const SingleInstance&) = delete;

    // The data folder of a running copy that answered and has brought its window forward.
    std::optional<QString> ActivatePreviousInstance(const QByteArray& startupId = {});
    // Takes the lock of the one copy: false while another live copy holds it, however young
    // (two starts a moment apart both find no channel yet). True when there is no channel.
    bool Claim();
    // After a failed Claim: the copy that holds the lock is still starting; asks it until it
    // answers, for at most 10 s.
    std::optional<QString> AwaitPreviousInstance(const QByteArray& startupId = {});
    // Listens on the channel, which only the claiming copy can: whatever lies at its name is a
    // copy that is gone. `bringForward` runs with the later copy's start-up id when it asks; a
    // request longer than 1 KB, or a connection silent for 3 s, is cut off, and beyond a few
    // waiting connections new ones are closed at once; the answer names `dataFolder`. Out of file
    // descriptors, callers wait until some are free. False when the channel cannot be made.
    bool Listen(const QString& dataFolder, std::function<void(const QByteArray& startupId)> bringForward);

    // Empty when there is no channel.
    const QString& ChannelName() const { return name_; }

private:
    void Accept(QSocketNotifier* notifier);
    void Serve(QLocalSocket* socket);

    QString name_;
    int lock_ = -1;
    int listener_ = -1;
    QObject channel_;  // parent of the listener's notifier and the connections
    QByteArray answer_;
    std::function<void(const QByteArray& startupId)> bringForward_;
};
