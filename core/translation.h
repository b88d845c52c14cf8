// SPDX-License-Identifier: MIT
#pragma once

#include <initializer_list>
#include <string>

// The texts a person reads or hears are written in English and marked for the catalogues with
// QT_TRANSLATE_NOOP(context, text), which Qt's lupdate finds by that name; they are looked up
// in the user's language through the translator the front end installs. Files, settings keys
// and numora-keys' default output never go through it.
#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(context, text) text
#endif

// The text of `context` in the user's language, or the text itself when it has none.
using TextTranslator = std::string (*)(const char* context, const char* text);

// Installed by the front end before the first text is shown or spoken, and again when the user
// picks another language, as a process's locale is: every window and reading of the process
// speaks one language, `language` (an ISO 639-1 code: "en", "de", ...), in which the voice reads.
void InstallTextTranslator(TextTranslator translator, const std::string& language);
std::string Translated(const char* context, const char* text);
// The same with "%1", "%2", ... replaced by the arguments, which the language may place anywhere.
std::string Translated(const char* context, const char* text, std::initializer_list<std::string> arguments);
// The language of the texts: "en" until a translator says otherwise.
std::string TextLanguage();
