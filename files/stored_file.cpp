// SPDX-License-Identifier: MIT
#include "files/stored_file.h"

#include <algorithm>

#include "core/translation.h"
#include "files/safe_save.h"
#include "files/set_aside.h"

namespace {

constexpr const char* kFileTexts = "Files";
constexpr const char* kKeptAsFound =
    QT_TRANSLATE_NOOP("Files", "it stays as it is and will not be saved over until Numora is started again");

// While saves keep failing, only a save that must happen warns again.
void WarnSaveFailure(StoredFile& file, const std::string& failure, bool always, MessageService* messages) {
    if (always || !file.failureShown)
        ShowFileWarning(messages, {kFaultAccess, Translated(kFileTexts,
                                                            QT_TRANSLATE_NOOP("Files",
                                                                              "Path/File access error: cannot save %1: "
                                                                              "%2; the file was left as it was"),
                                                            {file.path.string(), failure})});
    file.failureShown = true;
}

}  // namespace

void SetAsideAndWarn(StoredFile& file, const FileFault& fault, MessageService* messages) {
    const SetAsideResult moved = SetAsideDamaged(file.path);
    std::string text = file.path.string() + ": " + fault.Description + "; ";
    if (moved.keptAs) {
        text += Translated(kFileTexts, QT_TRANSLATE_NOOP("Files", "the file was kept as %1"), {moved.keptAs->string()});
    } else {
        file.keepAsFound = true;
        text += Translated(kFileTexts, QT_TRANSLATE_NOOP("Files", "it could not be set aside (%1), so %2"),
                           {moved.reason, Translated(kFileTexts, kKeptAsFound)});
    }
    ShowFileWarning(messages, {fault.Number, text});
}

void KeepUnreadable(StoredFile& file, const std::string& reason, MessageService* messages) {
    file.keepAsFound = true;
    ShowFileWarning(messages,
                    {kFaultAccess, Translated(kFileTexts,
                                              QT_TRANSLATE_NOOP("Files",
                                                                "Path/File access error: cannot read "
                                                                "%1 (%2); %3"),
                                              {file.path.string(), reason, Translated(kFileTexts, kKeptAsFound)})});
}

void SaveStoredFile(StoredFile& file, std::span<const unsigned char> bytes, SaveWhen when, MessageService* messages) {
    if (file.keepAsFound) return;
    if (when == SaveWhen::Changed && file.onDisk && std::ranges::equal(*file.onDisk, bytes)) return;
    if (const auto failure = SaveFileSafely(file.path, bytes)) {
        WarnSaveFailure(file, *failure, when == SaveWhen::Always, messages);
        return;
    }
    file.onDisk.emplace(bytes.begin(), bytes.end());
    file.failureShown = false;
}

bool AppendStoredFile(StoredFile& file, std::span<const unsigned char> bytes, MessageService* messages) {
    if (file.keepAsFound || !file.onDisk) return false;
    if (const auto failure = AppendFileSafely(file.path, bytes)) {
        WarnSaveFailure(file, *failure, false, messages);
        return false;
    }
    file.onDisk->insert(file.onDisk->end(), bytes.begin(), bytes.end());
    file.failureShown = false;
    return true;
}
