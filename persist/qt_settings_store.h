// SPDX-License-Identifier: MIT
#pragma once

#include <optional>

#include <QString>

#include "core/settings_store.h"

// The per-user settings store as INI files under the user's configuration folder
// ($XDG_CONFIG_HOME, else ~/.config), sections as INI groups. The title's values are in
// "Numora/Numora.ini"; a folder's values (an application name that is a path) are in the same
// file, in a group named from the path's hash, so that any path works. A folder's values that
// earlier versions kept in "Numora/<percent-encoded path>.ini" are still read. Folders that no
// longer exist lose their values at the next write.
class QtSettingsStore final : public SettingsStore {
public:
    std::string Read(const std::string& application, const std::string& section, const std::string& key,
                     const std::string& fallback) override;
    bool Write(const std::string& application, const std::string& section, const std::string& key,
               const std::string& value) override;
    bool Remove(const std::string& application, const std::string& section, const std::string& key) override;

    // How many folders' values the file keeps: the least recently written go first.
    static constexpr int kMaxFolders = 50;

    // The INI file named after the application.
    static std::string FileOf(const std::string& application);

private:
    static std::optional<std::string> ReadValue(const QString& file, const QString& path);
};
