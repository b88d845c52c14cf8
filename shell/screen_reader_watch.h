// SPDX-License-Identifier: MIT
#pragma once

#include <QHash>
#include <QObject>
#include <QString>

#include "core/platform.h"

class QWidget;

// Whether a screen reader presents the display's news: a client of the accessibility bus listens
// for text insertions, the bridge is on and the display has the keyboard focus (the news of a
// text without the focus are not presented). A desktop may keep the accessibility bus on with
// nobody listening; the voice must not leave results to nobody. The listeners are learnt from
// the accessibility registry without waiting: until it answers, nobody is taken to listen.
class QtScreenReaderWatch final : public QObject, public ScreenReaderWatch {
    Q_OBJECT

public:
    // Starts to follow the registry's listeners for the display.
    void Watch(const QWidget* display);
    bool PresentsDisplay() const override;

private slots:
    void Registered(const QString& bus, const QString& event);
    void Deregistered(const QString& bus, const QString& event);
    void OwnerChanged(const QString& name, const QString& oldOwner, const QString& newOwner);

private:
    void Connect(const QString& address);

    const QWidget* display_ = nullptr;
    QHash<QString, int> listeners_;  // bus name: how many of its listeners hear text insertions
};
