// SPDX-License-Identifier: MIT
#pragma once

class SettingsStore;

// The two window preferences, shared by every installed copy of the user.
inline constexpr const char* kPreferenceSection = "NumoraSetting";
inline constexpr const char* kReadOutLoudKey = "ReadOutLoud";
inline constexpr const char* kAlwaysOnTopKey = "AlwaysOnTop";

// On when the stored text reads as a non-zero number; absent or unreadable values are off.
bool ReadPreference(SettingsStore& store, const char* key);
// Stored as "1" or "0".
void StorePreference(SettingsStore& store, const char* key, bool on);
