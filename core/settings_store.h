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
    // False when the value could not be written.
    virtual bool Write(const std::string& application, const std::string& section, const std::string& key,
                       const std::string& value) = 0;
};
