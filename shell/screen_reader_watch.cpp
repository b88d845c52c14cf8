// SPDX-License-Identifier: MIT
#include "shell/screen_reader_watch.h"

#include <QAccessible>
#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QWidget>

namespace {

constexpr const char* kRegistry = "org.a11y.atspi.Registry";
constexpr const char* kRegistryPath = "/org/a11y/atspi/registry";

// A listener for this event, or for every event of a group that holds it ("Object:", "").
bool HearsTextInsertions(const QString& event) {
    return QStringLiteral("Object:TextChanged:Insert").startsWith(event, Qt::CaseInsensitive) ||
           event.startsWith(QStringLiteral("Object:TextChanged:Insert"), Qt::CaseInsensitive);
}

}  // namespace

void QtScreenReaderWatch::Watch(const QWidget* display) {
    display_ = display;
    QDBusConnection session = QDBusConnection::sessionBus();
    if (!session.isConnected()) return;
    const QDBusMessage ask =
        QDBusMessage::createMethodCall("org.a11y.Bus", "/org/a11y/bus", "org.a11y.Bus", "GetAddress");
    auto* watcher = new QDBusPendingCallWatcher(session.asyncCall(ask), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [this](QDBusPendingCallWatcher* call) {
        const QDBusPendingReply<QString> address = *call;
        if (!address.isError()) Connect(address.value());
        call->deleteLater();
    });
}

void QtScreenReaderWatch::Connect(const QString& address) {
    QDBusConnection registry = QDBusConnection::connectToBus(address, QStringLiteral("numora-screen-reader-watch"));
    if (!registry.isConnected()) return;
    registry.connect(kRegistry, kRegistryPath, kRegistry, "EventListenerRegistered", this,
                     SLOT(Registered(QString, QString)));
    registry.connect(kRegistry, kRegistryPath, kRegistry, "EventListenerDeregistered", this,
                     SLOT(Deregistered(QString, QString)));
    // The registry may keep the listeners of a client that has gone.
    registry.connect("org.freedesktop.DBus", "/org/freedesktop/DBus", "org.freedesktop.DBus", "NameOwnerChanged", this,
                     SLOT(OwnerChanged(QString, QString, QString)));
    const QDBusMessage ask = QDBusMessage::createMethodCall(kRegistry, kRegistryPath, kRegistry, "GetRegisteredEvents");
    auto* watcher = new QDBusPendingCallWatcher(registry.asyncCall(ask), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [this](QDBusPendingCallWatcher* call) {
        const QDBusMessage reply = call->reply();
        call->deleteLater();
        if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty()) return;
        const auto events = reply.arguments().constFirst().value<QDBusArgument>();
        events.beginArray();
        while (!events.atEnd()) {
            QString bus, event;
            events.beginStructure();
            events >> bus >> event;
            events.endStructure();
            Registered(bus, event);
        }
        events.endArray();
    });
}

void QtScreenReaderWatch::Registered(const QString& bus, const QString& event) {
    if (HearsTextInsertions(event)) ++listeners_[bus];
}

void QtScreenReaderWatch::Deregistered(const QString& bus, const QString& event) {
    if (HearsTextInsertions(event) && listeners_.contains(bus) && --listeners_[bus] == 0) listeners_.remove(bus);
}

void QtScreenReaderWatch::OwnerChanged(const QString& name, const QString&, const QString& newOwner) {
    if (newOwner.isEmpty()) listeners_.remove(name);
}

bool QtScreenReaderWatch::PresentsDisplay() const {
    return !listeners_.isEmpty() && QAccessible::isActive() && display_ != nullptr && display_->hasFocus() &&
           display_->isActiveWindow();
}
