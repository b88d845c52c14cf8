// SPDX-License-Identifier: MIT
#include "persist/qt_settings_store.h"

#include <QCryptographicHash>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QLockFile>
#include <QSettings>
#include <QStandardPaths>
#include <QString>
#include <QThread>
#include <QUrl>
#include <algorithm>
#include <filesystem>
#include <system_error>

#include <sys/stat.h>

namespace {

// The file of the values every copy shares; a folder's own values live there too.
constexpr const char* kSharedApplication = "Numora";
// A lock file without its owner's details this long after it was made is one whose writer was
// killed while making it: a live writer puts its details in right after making it.
constexpr qint64 kEmptyLockAgeMs = 100;

QString KeyPath(const std::string& section, const std::string& key) {
    return QString::fromStdString(section) + '/' + QString::fromStdString(key);
}

// An application name that is a folder's path.
bool IsFolder(const std::string& application) { return application.starts_with('/'); }

// A folder path can be longer than a file name may be, so its values are a group of the shared
// file named from the path's hash.
QString FolderGroup(const std::string& application) {
    const QByteArray hash =
        QCryptographicHash::hash(QByteArray::fromStdString(application), QCryptographicHash::Sha256);
    return "Folder-" + QString::fromLatin1(hash.toHex());
}

// Reading a pipe or a device at the file's name would wait for ever.
bool IsUsable(const QString& file) {
    std::error_code ec;
    const auto status = std::filesystem::status(file.toStdString(), ec);
    return !std::filesystem::exists(status) || std::filesystem::is_regular_file(status);
}

// QSettings waits 30 s, reading as well as writing, before it takes over a lock file that says
// nothing of its owner.
void RemoveEmptyStaleLock(const QString& file) {
    const QString lockName = file + ".lock";
    const QFileInfo info(lockName);
    if (!info.exists()) return;
    QLockFile lock(lockName);
    qint64 pid = 0;
    QString host;
    QString application;
    if (lock.getLockInfo(&pid, &host, &application)) return;
    const qint64 age = info.lastModified().msecsTo(QDateTime::currentDateTime());
    if (age < kEmptyLockAgeMs) {
        QThread::msleep(static_cast<unsigned long>(kEmptyLockAgeMs - std::max<qint64>(age, 0)));
        if (lock.getLockInfo(&pid, &host, &application)) return;
    }
    lock.removeStaleLockFile();
}

// The values of folders that are gone, and beyond the newest kMaxFolders, are dropped: a script
// that runs numora-keys in a new temporary folder each time would grow the file without end.
void DropOldFolders(QSettings& settings, int keep) {
    QList<std::pair<QString, QString>> folders;  // written at, group
    for (const QString& group : settings.childGroups()) {
        if (!group.startsWith("Folder-")) continue;
        const QString path = settings.value(group + "/Path").toString();
        if (!QFileInfo(path).isDir()) settings.remove(group);
        else folders.append({settings.value(group + "/Written").toString(), group});
    }
    std::sort(folders.begin(), folders.end());
    for (qsizetype i = 0; i + keep < folders.size(); ++i) settings.remove(folders[i].second);
}

// The settings hold the simple memory's value and the data folder's path: the user's alone.
void MakePrivate(const QString& file) {
    QFile::setPermissions(QFileInfo(file).absolutePath(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QFile::setPermissions(file, QFile::ReadOwner | QFile::WriteOwner);
}

}  // namespace

std::string QtSettingsStore::FileOf(const std::string& application) {
    // Read at each call so that the folder follows XDG_CONFIG_HOME as it is now.
    const QString base = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    const QString name = QString::fromLatin1(QUrl::toPercentEncoding(QString::fromStdString(application)));
    return (base + "/Numora/" + name + ".ini").toStdString();
}

std::string QtSettingsStore::Read(const std::string& application, const std::string& section, const std::string& key,
                                  const std::string& fallback) {
    QString file = QString::fromStdString(FileOf(IsFolder(application) ? kSharedApplication : application));
    QString path = KeyPath(section, key);
    if (IsFolder(application)) {
        if (const auto value = ReadValue(file, FolderGroup(application) + '/' + path)) return *value;
        // Where earlier versions kept a folder's values: a file named after its path.
        file = QString::fromStdString(FileOf(application));
    }
    return ReadValue(file, path).value_or(fallback);
}

std::optional<std::string> QtSettingsStore::ReadValue(const QString& file, const QString& path) {
    if (!IsUsable(file)) return std::nullopt;
    RemoveEmptyStaleLock(file);
    QSettings settings(file, QSettings::IniFormat);
    const QVariant value = settings.value(path);
    if (!value.isValid() || settings.status() != QSettings::NoError) return std::nullopt;
    return value.toString().toStdString();
}

bool QtSettingsStore::Write(const std::string& application, const std::string& section, const std::string& key,
                            const std::string& value) {
    const QString file = QString::fromStdString(FileOf(IsFolder(application) ? kSharedApplication : application));
    if (!QDir().mkpath(QFileInfo(file).absolutePath()) || !IsUsable(file)) return false;
    RemoveEmptyStaleLock(file);
    // Created private, not only made so after: the file is written anew on every change.
    const mode_t mask = ::umask(077);
    QSettings settings(file, QSettings::IniFormat);
    const QString group = IsFolder(application) ? FolderGroup(application) + '/' : QString();
    const QString path = group + KeyPath(section, key);
    if (settings.value(path).toString() == QString::fromStdString(value)) {
        ::umask(mask);
        return settings.status() == QSettings::NoError;
    }
    if (IsFolder(application)) {
        settings.setValue(group + "Path", QString::fromStdString(application));
        settings.setValue(group + "Written", QDateTime::currentDateTimeUtc().toString(Qt::ISODateWithMs));
        DropOldFolders(settings, kMaxFolders);
    }
    settings.setValue(path, QString::fromStdString(value));
    settings.sync();
    ::umask(mask);
    MakePrivate(file);
    return settings.status() == QSettings::NoError;
}

bool QtSettingsStore::Remove(const std::string& application, const std::string& section, const std::string& key) {
    // Where earlier versions kept a folder's values, which would be read again otherwise.
    if (IsFolder(application)) {
        const QString old = QString::fromStdString(FileOf(application));
        if (QFileInfo::exists(old) && IsUsable(old)) {
            QSettings settings(old, QSettings::IniFormat);
            settings.remove(KeyPath(section, key));
            settings.sync();
        }
    }
    const QString file = QString::fromStdString(FileOf(IsFolder(application) ? kSharedApplication : application));
    if (!QFileInfo::exists(file)) return true;
    if (!IsUsable(file)) return false;
    RemoveEmptyStaleLock(file);
    QSettings settings(file, QSettings::IniFormat);
    const QString group = IsFolder(application) ? FolderGroup(application) : QString();
    const QString path = (group.isEmpty() ? QString() : group + '/') + KeyPath(section, key);
    if (!settings.contains(path)) return true;
    settings.remove(path);
    // A folder's group holds its path and time besides its values: with no value left, it goes.
    if (!group.isEmpty()) {
        settings.beginGroup(group);
        const bool valuesLeft = !settings.childGroups().isEmpty();
        settings.endGroup();
        if (!valuesLeft) settings.remove(group);
    }
    settings.sync();
    return settings.status() == QSettings::NoError;
}
