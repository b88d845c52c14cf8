// SPDX-License-Identifier: MIT
#include "shell/accessible_range_guard.h"

#include <algorithm>

#include <QAccessible>
#include <QAccessibleInterface>
#include <QDBusMessage>
#include <QList>
#include <QVariant>

// QtDBus exports this hook (its header is private): every incoming method call passes it, on the
// window's thread, before it is dispatched, and the hook's copy shares the arguments that the
// dispatched call reads.
void qDBusAddSpyHook(void (*hook)(const QDBusMessage&));

namespace {

const QString kAccessiblePath = QStringLiteral("/org/a11y/atspi/accessible/");

int CharacterCount(const QString& path) {
    bool ok = false;
    const QAccessible::Id id = QStringView(path).mid(kAccessiblePath.size()).toUInt(&ok);
    QAccessibleInterface* object = ok ? QAccessible::accessibleInterface(id) : nullptr;
    QAccessibleTextInterface* text = object ? object->textInterface() : nullptr;
    return text ? text->characterCount() : 0;
}

// Qt's bridge joins the rectangle of every offset up to the range's end with an int counter: an
// end at INT_MAX never ends and freezes the window for good, a large one for seconds. No
// character lies past the text's end, so the answer does not change.
void ClampRangeExtents(const QDBusMessage& call) {
    if (call.type() != QDBusMessage::MethodCallMessage || call.member() != QLatin1String("GetRangeExtents") ||
        call.interface() != QLatin1String("org.a11y.atspi.Text") || !call.path().startsWith(kAccessiblePath))
        return;
    QList<QVariant> arguments = call.arguments();
    if (arguments.size() != 3) return;
    const int count = CharacterCount(call.path());
    const int end = arguments[1].toInt();
    arguments[0] = std::clamp(arguments[0].toInt(), 0, count);
    // -1 asks for the whole text, which the bridge bounds itself.
    if (end != -1) arguments[1] = std::clamp(end, 0, count);
    QDBusMessage shared = call;
    shared.setArguments(arguments);
}

}  // namespace

void GuardAccessibleRanges() { qDBusAddSpyHook(ClampRangeExtents); }
