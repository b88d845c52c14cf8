// SPDX-License-Identifier: MIT
#include "files/file_fault.h"

#include "core/platform.h"
#include "core/translation.h"
#include "display/number_text.h"

void ShowFileWarning(MessageService* messages, const FileFault& fault) {
    if (!messages) return;
    messages->Show(Translated("Files", QT_TRANSLATE_NOOP("Files", "Warning:")),
                   Translated("Files", QT_TRANSLATE_NOOP("Files", "Error No. %1:  %2"),
                              {PlainText(fault.Number), fault.Description}),
                   MessageIcon::Critical);
}
