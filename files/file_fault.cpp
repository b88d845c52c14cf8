// SPDX-License-Identifier: MIT
#include "files/file_fault.h"

#include "core/platform.h"
#include "display/number_text.h"

void ShowFileWarning(MessageService* messages, const FileFault& fault) {
    if (!messages) return;
    messages->Show("Warning:", "Error No. " + PlainText(fault.Number) + ":  " + fault.Description,
                   MessageIcon::Critical);
}
