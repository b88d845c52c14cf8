// SPDX-License-Identifier: MIT
#include "shell/preferences.h"

#include <algorithm>
#include <cmath>

#include "core/settings_store.h"
#include "display/number_text.h"
#include "shell/shell_setup.h"

bool ReadPreference(SettingsStore& store, const char* key) {
    const std::string text = store.Read(kApplicationTitle, kPreferenceSection, key, "0");
    return ReadsAsNumber(text) && ReadNumber(text) != 0.0;
}

void StorePreference(SettingsStore& store, const char* key, bool on) {
    store.Write(kApplicationTitle, kPreferenceSection, key, on ? "1" : "0");
}

int ReadSizePreference(SettingsStore& store, const char* key, int fallback) {
    const std::string text = store.Read(kApplicationTitle, kPreferenceSection, key, "");
    const double size = ReadsAsNumber(text) ? ReadNumber(text) : -1.0;
    return size >= 0.0 ? static_cast<int>(std::min(std::round(size), 65535.0)) : fallback;
}

void StoreSizePreference(SettingsStore& store, const char* key, int size) {
    store.Write(kApplicationTitle, kPreferenceSection, key, PlainText(size));
}
