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
// The channel is a local socket rather than the session bus: the lock and the channel hold for
// every session of the user (a second login, a remote X display) and without a session bus,
// and the later copy carries the launcher's token itself.
// What the running copy answered: its data folder, and whether its window came forward (the
// desktop may refuse, as Wayland does without the launcher's token).
struct RunningCopy {
    QString dataFolder;
    bool broughtForward = false;
};

class SingleInstance {
public:
    // Tells the later copy whether the window came forward.
    using Answer = std::function<void(bool broughtForward)>;

    explicit SingleInstance(const QString& applicationTitle);
    ~SingleInstance();
    SingleInstance(const SingleInstance&) = delete;
    SingleInstance& operator=(const SingleInstance&) = delete;

    // A running copy that answered, after trying to bring its window forward.
    std::optional<RunningCopy> ActivatePreviousInstance(const QByteArray& startupId = {});
    // Takes the lock of the one copy: false while another live copy holds it, however young
    // (two starts a moment apart both find no channel yet). True when there is no channel.
    bool Claim();
    // After a failed Claim: the copy that holds the lock is still starting; asks it until it
    // answers, for at most 10 s.
    std::optional<RunningCopy> AwaitPreviousInstance(const QByteArray& startupId = {});
    // Listens on the channel, which only the claiming copy can: whatever lies at its name is a
    // copy that is gone. `bringForward` runs with the later copy's start-up id when it asks, and
    // answers within a second; a request longer than 1 KB, or a connection silent for 3 s, is cut
    // off, and beyond a few waiting connections new ones are closed at once; the answer names
    // `dataFolder`. Out of file descriptors, callers wait until some are free. False when the
    // channel cannot be made.
    bool Listen(const QString& dataFolder,
                std::function<void(const QByteArray& startupId, Answer answer)> bringForward);

    // Empty when there is no channel.
    const QString& ChannelName() const { return name_; }

private:
    void Accept(QSocketNotifier* notifier);
    void Serve(QLocalSocket* socket);

    QString name_;
    int lock_ = -1;
    int listener_ = -1;
    QObject channel_;  // parent of the listener's notifier and the connections
    QByteArray dataFolder_;  // percent-encoded
    std::function<void(const QByteArray& startupId, Answer answer)> bringForward_;
};
