// SPDX-License-Identifier: MIT
#include "shell/language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include "core/settings_store.h"
#include "core/translation.h"
#include "shell/preferences.h"
#include "shell/shell_setup.h"

namespace {

std::string TranslateThroughQt(const char* context, const char* text) {
    return QCoreApplication::translate(context, text).toStdString();
}

bool IsCatalogued(const QString& code) {
    for (const LanguageItem& item : kLanguageItems)
        if (code == QLatin1String(item.code)) return true;
    return false;
}

}  // namespace

QString ChosenLanguage(SettingsStore& store) {
    const QString code = QString::fromStdString(store.Read(kApplicationTitle, kPreferenceSection, kLanguageKey, ""));
    return IsCatalogued(code) ? code : QString();
}

void StoreLanguage(SettingsStore& store, const QString& code) {
    if (code.isEmpty()) store.Remove(kApplicationTitle, kPreferenceSection, kLanguageKey);
    else store.Write(kApplicationTitle, kPreferenceSection, kLanguageKey, code.toStdString());
}

QString LoadCatalogues(const QString& choice) {
    static QTranslator numora, qt;
    QCoreApplication::removeTranslator(&numora);
    QCoreApplication::removeTranslator(&qt);
    InstallTextTranslator(&TranslateThroughQt, "en");
    // The desktop's languages in the user's order (LANGUAGE, LC_ALL, LC_MESSAGES, LANG): the
    // first with a catalogue wins, and English, the texts' own, needs none.
    const QStringList wanted = choice.isEmpty() ? QLocale::system().uiLanguages() : QStringList{choice};
    for (const QString& language : wanted) {
        const QString code = QLocale(language).name().section('_', 0, 0);
        if (code == "en") return code;
        if (!IsCatalogued(code) || !numora.load(":/i18n/numora_" + code)) continue;
        QCoreApplication::installTranslator(&numora);
        if (qt.load("qtbase_" + code, QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
            QCoreApplication::installTranslator(&qt);
        InstallTextTranslator(&TranslateThroughQt, code.toStdString());
        return code;
    }
    return "en";
}
