// SPDX-License-Identifier: MIT
#pragma once

class SettingsStore;

// The window preferences, shared by every installed copy of the user.
inline constexpr const char* kPreferenceSection = "NumoraSetting";
inline constexpr const char* kReadOutLoudKey = "ReadOutLoud";
inline constexpr const char* kAlwaysOnTopKey = "AlwaysOnTop";
inline constexpr const char* kTapeShownKey = "TapeShown";
inline constexpr const char* kTapeWidthKey = "TapeWidth";  // in logical pixels at 100%
inline constexpr const char* kZoomKey = "Zoom";  // in whole per cent

// On when the stored text reads as a non-zero number; absent or unreadable values are off.
bool ReadPreference(SettingsStore& store, const char* key);
// Stored as "1" or "0".
void StorePreference(SettingsStore& store, const char* key, bool on);
// A size in pixels, at most 65535; `fallback` when absent, unreadable or negative.
int ReadSizePreference(SettingsStore& store, const char* key, int fallback);
void StoreSizePreference(SettingsStore& store, const char* key, int size);
