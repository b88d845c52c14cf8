// SPDX-License-Identifier: MIT
#include "core/translation.h"

#include <mutex>

namespace {

std::mutex guard;
TextTranslator installed = nullptr;
std::string language = "en";

}  // namespace

void InstallTextTranslator(TextTranslator translator, const std::string& textLanguage) {
    std::lock_guard lock(guard);
    installed = translator;
    language = textLanguage;
}

std::string Translated(const char* context, const char* text) {
    TextTranslator translator;
    {
        std::lock_guard lock(guard);
        translator = installed;
    }
    return translator ? translator(context, text) : std::string(text);
}

std::string Translated(const char* context, const char* text, std::initializer_list<std::string> arguments) {
    std::string out = Translated(context, text);
    int number = 1;
    for (const std::string& argument : arguments) {
        const std::string mark = "%" + std::to_string(number++);
        if (const auto at = out.find(mark); at != std::string::npos) out.replace(at, mark.size(), argument);
    }
    return out;
}

std::string TextLanguage() {
    std::lock_guard lock(guard);
    return language;
}
