// SPDX-License-Identifier: MIT
#include "shell/single_instance.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLocalSocket>
#include <QPointer>
#include <QSocketNotifier>
#include <QStandardPaths>
#include <QThread>
#include <QTimer>

#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include "display/number_text.h"

namespace {

constexpr int kAnswerTimeoutMs = 2000;
// A later copy says its line at once; a connection that says nothing is closed after this.
constexpr int kSilentTimeoutMs = 3000;
constexpr qint64 kMaxRequestBytes = 1024;
// A later copy asks at once and goes: more connections than this waiting are a flood.
constexpr int kMaxWaitingConnections = 8;
constexpr int kStartingCopyWaitMs = 10000;
constexpr int kAcceptRetryMs = 200;
// "raise", then a blank and the start-up id when the later copy has one.
constexpr const char* kRequest = "raise";
// "raised" (the window came forward) or "running" (it did not), a blank and the copy's data
// folder, percent-encoded.
constexpr const char* kRaised = "raised ";
constexpr const char* kRunning = "running ";

// A folder that only this user can have made or can write: else another user could hold the
// channel's name and make every start of ours end as "already running".
bool IsPrivateFolder(const QString& folder) {
    struct stat info {};
    return ::lstat(QFile::encodeName(folder).constData(), &info) == 0 && S_ISDIR(info.st_mode) &&
           info.st_uid == ::getuid() && (info.st_mode & (S_IRWXG | S_IRWXO)) == 0;
}

// The user's runtime folder; without one, a folder named with the user id in the temporary
// folder; when that one is someone else's, no channel at all.
QString ChannelPath(const QString& title) {
    if (!qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR")) {
        const QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
        if (!runtime.isEmpty() && IsPrivateFolder(runtime)) return QDir(runtime).filePath(title);
    }
    const QString user = QString::fromStdString(PlainText(::getuid()));
    const QString folder = QDir(QDir::tempPath()).filePath(title.toLower() + "-" + user);
    ::mkdir(QFile::encodeName(folder).constData(), S_IRWXU);
    if (!IsPrivateFolder(folder)) return {};
    return QDir(folder).filePath(title + "-" + user);
}

}  // namespace

SingleInstance::SingleInstance(const QString& applicationTitle) : name_(ChannelPath(applicationTitle)) {}

SingleInstance::~SingleInstance() {
    // The channel goes before the lock: a copy that takes the lock next finds no live channel.
    if (listener_ >= 0) {
        qDeleteAll(channel_.children());
        ::close(listener_);
        ::unlink(QFile::encodeName(name_).constData());
    }
    if (lock_ >= 0) ::close(lock_);
}

bool SingleInstance::Claim() {
    if (name_.isEmpty() || lock_ >= 0) return true;
    const int fd = ::open(QFile::encodeName(name_ + ".lock").constData(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW,
                          S_IRUSR | S_IWUSR);
    if (fd < 0) return true;
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        ::close(fd);
        return false;
    }
    lock_ = fd;
    return true;
}

std::optional<RunningCopy> SingleInstance::AwaitPreviousInstance(const QByteArray& startupId) {
    QElapsedTimer waited;
    waited.start();
    do {
        if (auto folder = ActivatePreviousInstance(startupId)) return folder;
        QThread::msleep(100);
    } while (waited.elapsed() < kStartingCopyWaitMs);
    return std::nullopt;
}

std::optional<RunningCopy> SingleInstance::ActivatePreviousInstance(const QByteArray& startupId) {
    if (name_.isEmpty()) return std::nullopt;
    QLocalSocket socket;
    socket.connectToServer(name_);
    if (!socket.waitForConnected(kAnswerTimeoutMs)) return std::nullopt;
    socket.write(kRequest + (startupId.isEmpty() ? QByteArray() : ' ' + startupId) + '\n');
    if (!socket.waitForBytesWritten(kAnswerTimeoutMs)) return std::nullopt;
    while (!socket.canReadLine())
        if (!socket.waitForReadyRead(kAnswerTimeoutMs)) return std::nullopt;
    const QByteArray line = socket.readLine(kMaxRequestBytes * 4).trimmed() + ' ';
    for (const char* answer : {kRaised, kRunning}) {
        if (!line.startsWith(answer)) continue;
        return RunningCopy{QString::fromUtf8(QByteArray::fromPercentEncoding(line.mid(qstrlen(answer)).trimmed())),
                           answer == kRaised};
    }
    return std::nullopt;
}

bool SingleInstance::Listen(const QString& dataFolder,
                            std::function<void(const QByteArray& startupId, Answer answer)> bringForward) {
    if (name_.isEmpty()) return true;
    dataFolder_ = dataFolder.toUtf8().toPercentEncoding();
    bringForward_ = std::move(bringForward);
    // Bound here rather than by QLocalServer: its access option binds elsewhere and renames the
    // socket over the name, replacing a live one without a word, and it closes for good when an
    // accept fails (out of file descriptors), also without a word.
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const QByteArray path = QFile::encodeName(name_);
    if (path.size() >= qsizetype(sizeof address.sun_path)) return false;
    std::memcpy(address.sun_path, path.constData(), path.size());
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (fd < 0) return false;
    // Only the copy holding the lock gets here: whatever lies at the name is a copy that is gone.
    ::unlink(path.constData());
    if (::bind(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0 ||
        ::listen(fd, kMaxWaitingConnections) != 0) {
        ::close(fd);
        return false;
    }
    listener_ = fd;
    auto* notifier = new QSocketNotifier(fd, QSocketNotifier::Read, &channel_);
    QObject::connect(notifier, &QSocketNotifier::activated, &channel_, [this, notifier] { Accept(notifier); });
    return true;
}

void SingleInstance::Accept(QSocketNotifier* notifier) {
    for (;;) {
        const int fd = ::accept4(listener_, nullptr, nullptr, SOCK_CLOEXEC);
        if (fd < 0) {
            if (errno == EINTR || errno == ECONNABORTED) continue;
            if (errno == EAGAIN || errno == EWOULDBLOCK) return;
            // Out of file descriptors or memory: the caller waits in the backlog, and the
            // listening socket stays readable, so look again later instead of at once.
            notifier->setEnabled(false);
            QTimer::singleShot(kAcceptRetryMs, notifier, [notifier] { notifier->setEnabled(true); });
            return;
        }
        if (channel_.findChildren<QLocalSocket*>(Qt::FindDirectChildrenOnly).size() >= kMaxWaitingConnections) {
            ::close(fd);
            continue;
        }
        auto* socket = new QLocalSocket(&channel_);
        socket->setSocketDescriptor(fd);
        Serve(socket);
    }
}

void SingleInstance::Serve(QLocalSocket* socket) {
    socket->setReadBufferSize(kMaxRequestBytes);
    QObject::connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
    QTimer::singleShot(kSilentTimeoutMs, socket, [socket] { socket->abort(); });
    QObject::connect(socket, &QLocalSocket::readyRead, socket, [this, socket] {
        if (!socket->canReadLine()) {
            if (socket->bytesAvailable() >= kMaxRequestBytes) socket->abort();
            return;
        }
        const QByteArray line = socket->readLine(kMaxRequestBytes).chopped(1);
        if (line != kRequest && !line.startsWith(QByteArray(kRequest) + ' ')) {
            socket->abort();
            return;
        }
        bringForward_(line.mid(qstrlen(kRequest) + 1), [this, socket = QPointer(socket)](bool broughtForward) {
            if (!socket) return;
            socket->write((broughtForward ? kRaised : kRunning) + dataFolder_ + '\n');
            socket->flush();
        });
    });
}
