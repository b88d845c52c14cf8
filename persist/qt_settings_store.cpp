// SPDX-License-Identifier: MIT
#include "persist/qt_settings_store.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>
#include <QString>
#include <QUrl>

namespace {

QString KeyPath(const std::string& section, const std::string& key) {
    return QString::fromStdString(section) + '/' + QString::fromStdString(key);
}

}  // namespace

std::string QtSettingsStore::FileOf(const std::string& application) {
    // Read at each call so that the folder follows XDG_CONFIG_HOME as it is now.
    const QString base = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    const QString name = QString::fromLatin1(QUrl::toPercentEncoding(QString::fromStdString(application)));
    return (base + "/Numora/" + name + ".ini").toStdString();
}

std::string QtSettingsStore::Read(const std::string& application, const std::string& section,
                                  const std::string& key, const std::string& fallback) {
    QSettings settings(QString::fromStdString(FileOf(application)), QSettings::IniFormat);
    const QVariant value = settings.value(KeyPath(section, key));
    if (!value.isValid() || settings.status() != QSettings::NoError) return fallback;
    return value.toString().toStdString();
}

bool QtSettingsStore::Write(const std::string& application, const std::string& section,
                            const std::string& key, const std::string& value) {
    const QString file = QString::fromStdString(FileOf(application));
    if (!QDir().mkpath(QFileInfo(file).absolutePath())) return false;
    QSettings settings(file, QSettings::IniFormat);
    settings.setValue(KeyPath(section, key), QString::fromStdString(value));
    settings.sync();
    return settings.status() == QSettings::NoError;
}
