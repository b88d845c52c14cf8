// SPDX-License-Identifier: MIT
#include "shell/startup_notification.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

#include <xcb/xcb.h>
#include <QGuiApplication>
#include <QWidget>

namespace {

constexpr qsizetype kLongestId = 512;

// Ids are printable ASCII without blanks; anything else is not passed on.
QByteArray Usable(const char* text) {
    const QByteArray id(text ? text : "");
    const bool printable = std::all_of(id.begin(), id.end(), [](char c) { return c > ' ' && c < 127; });
    return printable && id.size() <= kLongestId ? id : QByteArray();
}

xcb_atom_t Atom(xcb_connection_t* connection, const char* name) {
    const xcb_intern_atom_cookie_t cookie = xcb_intern_atom(connection, 0, std::strlen(name), name);
    xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(connection, cookie, nullptr);
    const xcb_atom_t atom = reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
    std::free(reply);
    return atom;
}

// The launcher's time stamp ends the id as "_TIME<n>"; 0 (no time) without one.
uint32_t LaunchTime(const QByteArray& id) {
    const qsizetype at = id.lastIndexOf("_TIME");
    bool ok = false;
    const uint32_t time = at < 0 ? 0 : id.mid(at + 5).toUInt(&ok);
    return ok ? time : 0;
}

// Asks the window manager to activate `window` as the launcher's click asked, at its time.
void RequestActivation(xcb_connection_t* connection, xcb_window_t root, xcb_window_t window, uint32_t time) {
    xcb_client_message_event_t event{};
    event.response_type = XCB_CLIENT_MESSAGE;
    event.format = 32;
    event.window = window;
    event.type = Atom(connection, "_NET_ACTIVE_WINDOW");
    event.data.data32[0] = 1;  // from an application
    event.data.data32[1] = time;
    xcb_send_event(connection, 0, root, XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY | XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT,
                   reinterpret_cast<const char*>(&event));
}

// The start-up notification protocol's "remove" message: the text and its closing NUL in pieces
// of 20 bytes, the first typed _NET_STARTUP_INFO_BEGIN, the rest _NET_STARTUP_INFO.
void EndStartupSequence(xcb_connection_t* connection, xcb_window_t root, xcb_window_t window, const QByteArray& id) {
    const QByteArray message = "remove: ID=" + id;
    const xcb_atom_t begin = Atom(connection, "_NET_STARTUP_INFO_BEGIN");
    const xcb_atom_t more = Atom(connection, "_NET_STARTUP_INFO");
    const qsizetype length = message.size() + 1;
    for (qsizetype sent = 0; sent < length; sent += 20) {
        xcb_client_message_event_t event{};
        event.response_type = XCB_CLIENT_MESSAGE;
        event.format = 8;
        event.window = window;
        event.type = sent == 0 ? begin : more;
        std::memcpy(event.data.data8, message.constData() + sent, std::min<qsizetype>(20, length - sent));
        xcb_send_event(connection, 0, root, XCB_EVENT_MASK_PROPERTY_CHANGE, reinterpret_cast<const char*>(&event));
    }
}

}  // namespace

QByteArray LauncherStartupId() {
    const QByteArray token = Usable(std::getenv("XDG_ACTIVATION_TOKEN"));
    return token.isEmpty() ? Usable(std::getenv("DESKTOP_STARTUP_ID")) : token;
}

void BringForwardForLauncher(QWidget& window, const QByteArray& startupId, const std::function<void()>& bringForward) {
    const QByteArray id = Usable(startupId.constData());
    // Qt's Wayland plugin hands this variable to the compositor with the next activation.
    if (!id.isEmpty() && QGuiApplication::platformName() == "wayland") qputenv("XDG_ACTIVATION_TOKEN", id);
    bringForward();
    auto* x11 = qApp->nativeInterface<QNativeInterface::QX11Application>();
    if (id.isEmpty() || !x11) return;
    xcb_connection_t* connection = x11->connection();
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
    const auto native = static_cast<xcb_window_t>(window.winId());
    RequestActivation(connection, root, native, LaunchTime(id));
    EndStartupSequence(connection, root, native, id);
    xcb_flush(connection);
}
