// SPDX-License-Identifier: MIT
#pragma once

#include <array>

#include <QString>

class SettingsStore;

// The languages of the catalogues, each named in itself; "" follows the desktop.
struct LanguageItem {
    const char* code;
    const char* name;
};
inline constexpr std::array<LanguageItem, 4> kLanguageItems{
    {{"en", "English"}, {"de", "Deutsch"}, {"fr", "Français"}, {"es", "Español"}}};

inline constexpr const char* kLanguageKey = "Language";
// The language chosen in the window: a code of kLanguageItems, or "" for the desktop's.
QString ChosenLanguage(SettingsStore& store);
void StoreLanguage(SettingsStore& store, const QString& code);

// Loads Numora's and Qt's catalogues for `choice` (or, for "", the first of the desktop's
// languages that has one) in place of the ones loaded before, and lets the engine translate
// through them. Returns the language loaded: "en" when no catalogue matched.
QString LoadCatalogues(const QString& choice);
