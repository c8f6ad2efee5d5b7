// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/system_move.h"

#include <QGuiApplication>
#include <QWindow>

#include <xcb/xcb.h>

#include <cstring>
#include <memory>

namespace ferrox {
namespace {

// _NET_WM_MOVERESIZE's direction word for "cancel the move or resize under way".
constexpr uint32_t kMoveResizeCancel = 11;

xcb_atom_t MoveResizeAtom(xcb_connection_t* connection) {
    static const xcb_atom_t atom = [connection] {
        const char* name = "_NET_WM_MOVERESIZE";
        const xcb_intern_atom_cookie_t cookie =
            xcb_intern_atom(connection, 0, uint16_t(std::strlen(name)), name);
        const std::unique_ptr<xcb_intern_atom_reply_t, decltype(&std::free)> reply(
            xcb_intern_atom_reply(connection, cookie, nullptr), &std::free);
        return reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
    }();
    return atom;
}

} // namespace

bool StartSystemMove(QWindow& window) {
    return window.startSystemMove();
}

bool CancelSystemMove(QWindow& window) {
    auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    xcb_connection_t* connection = x11 ? x11->connection() : nullptr;
    if (!connection)
        return false;
    const xcb_atom_t moveResize = MoveResizeAtom(connection);
    const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(connection)).data;
    if (moveResize == XCB_ATOM_NONE || !screen)
        return false;
    // As the window manager expects every _NET_WM_MOVERESIZE: sent to the root window, naming
    // the client window.
    xcb_client_message_event_t message{};
    message.response_type = XCB_CLIENT_MESSAGE;
    message.format = 32;
    message.window = xcb_window_t(window.winId());
    message.type = moveResize;
    message.data.data32[2] = kMoveResizeCancel;
    message.data.data32[3] = XCB_BUTTON_INDEX_1;
    message.data.data32[4] = 1; // source: a normal application
    xcb_send_event(connection, 0, screen->root,
                   XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                   reinterpret_cast<const char*>(&message));
    xcb_flush(connection);
    return true;
}

} // namespace ferrox
