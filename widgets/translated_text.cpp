// SPDX-License-Identifier: MIT
#include "widgets/translated_text.h"

#include <QAbstractButton>
#include <QAction>
#include <QCoreApplication>
#include <QLabel>
#include <QMenu>

namespace {

constexpr const char* kTextProperty = "numoraText";
constexpr const char* kAccessibleProperty = "numoraAccessibleText";
constexpr const char* kPaddingProperty = "numoraPadding";

void ApplyText(QObject* object, const QString& text) {
    if (auto* action = qobject_cast<QAction*>(object)) action->setText(text);
    else if (auto* menu = qobject_cast<QMenu*>(object)) menu->setTitle(text);
    else if (auto* button = qobject_cast<QAbstractButton*>(object)) button->setText(text);
    else if (auto* label = qobject_cast<QLabel*>(object)) label->setText(text);
}

void Retranslate(QObject* object) {
    const QByteArray text = object->property(kTextProperty).toByteArray();
    if (!text.isEmpty())
        ApplyText(object,
                  QString::fromUtf8(object->property(kPaddingProperty).toByteArray()) + WindowText(text.constData()));
    const QByteArray accessible = object->property(kAccessibleProperty).toByteArray();
    if (auto* widget = qobject_cast<QWidget*>(object); widget && !accessible.isEmpty())
        widget->setAccessibleName(WindowText(accessible.constData()));
}

}  // namespace

QString WindowText(const char* text) { return QCoreApplication::translate(kWindowTexts, text); }

void SetWindowText(QObject* object, const char* text, const char* padding) {
    object->setProperty(kTextProperty, QByteArray(text));
    object->setProperty(kPaddingProperty, QByteArray(padding));
    Retranslate(object);
}

void SetAccessibleWindowText(QObject* object, const char* text) {
    object->setProperty(kAccessibleProperty, QByteArray(text));
    Retranslate(object);
}

void RetranslateWindowTexts(QObject& root) {
    Retranslate(&root);
    for (QObject* child : root.findChildren<QObject*>()) Retranslate(child);
}
