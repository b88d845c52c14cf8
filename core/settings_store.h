// SPDX-License-Identifier: MIT
#pragma once

#include <string>

// The per-user store of text values addressed by application, section and key.
class SettingsStore {
public:
    virtual ~SettingsStore() = default;
    // The stored text, or `fallback` when the value is absent or the store cannot be read.
    virtual std::string Read(const std::string& application, const std::string& section, const std::string& key,
                             const std::string& fallback) = 0;
    // False when the value could not be written. Writing the value already stored writes nothing.
    virtual bool Write(const std::string& application, const std::string& section, const std::string& key,
                       const std::string& value) = 0;
    // Removes the value (and what the store keeps for the application when nothing is left);
    // false when it could not be removed.
    virtual bool Remove(const std::string& application, const std::string& section, const std::string& key) = 0;
};
