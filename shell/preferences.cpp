// SPDX-License-Identifier: MIT
#include "shell/preferences.h"

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
