// SPDX-License-Identifier: MIT
#pragma once

#include "memory/settings_store.h"

// The per-user settings store as INI files under the user's configuration folder
// ($XDG_CONFIG_HOME, else ~/.config): "Numora/<application>.ini", the application name
// percent-encoded so that a folder path makes one file name; sections are INI groups.
class QtSettingsStore final : public SettingsStore {
public:
    std::string Read(const std::string& application, const std::string& section,
                     const std::string& key, const std::string& fallback) override;
    bool Write(const std::string& application, const std::string& section, const std::string& key,
               const std::string& value) override;

    // The INI file that holds the application's values.
    static std::string FileOf(const std::string& application);
};
