// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Looks at another program's window as the X server holds it: is its surface painted?
//
//   paint_probe PID SECONDS [PNG]
//
// Finds the largest viewable window whose _NET_WM_PID is PID, reads its pixels back from the
// server and counts those that are pure black, the colour of a surface nothing was painted on.
// Exit 0 as soon as at most kMostBlack of the surface is black; 1 when SECONDS pass without
// that (the last picture is written to PNG, when given); 2 on a wrong command line or without
// an X display.

#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <QScreen>
#include <QThread>
#include <QtGui/qguiapplication_platform.h>

#include <xcb/xcb.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <optional>

namespace {

// The painted main window has next to no pure black; an unpainted one is all black but for
// the little that repaints itself (the battery gauge).
constexpr double kMostBlack = 0.02;

template <typename Reply> using ReplyPtr = std::unique_ptr<Reply, decltype(&std::free)>;

template <typename Reply> ReplyPtr<Reply> Own(Reply* reply) {
    return ReplyPtr<Reply>(reply, &std::free);
}

xcb_atom_t Atom(xcb_connection_t* connection, const char* name) {
    const auto reply = Own(xcb_intern_atom_reply(
        connection, xcb_intern_atom(connection, 1, uint16_t(std::strlen(name)), name), nullptr));
    return reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
}

struct Probe {
    xcb_connection_t* connection;
    xcb_atom_t pidAtom;
    long pid;
};

bool OwnedAndViewable(const Probe& probe, xcb_window_t window) {
    const auto attributes = Own(xcb_get_window_attributes_reply(
        probe.connection, xcb_get_window_attributes(probe.connection, window), nullptr));
    if (!attributes || attributes->map_state != XCB_MAP_STATE_VIEWABLE)
        return false;
    const auto property = Own(xcb_get_property_reply(
        probe.connection,
        xcb_get_property(probe.connection, 0, window, probe.pidAtom, XCB_ATOM_CARDINAL, 0, 1),
        nullptr));
    return property && xcb_get_property_value_length(property.get()) == 4 &&
           *static_cast<const uint32_t*>(xcb_get_property_value(property.get())) ==
               uint32_t(probe.pid);
}

int Area(xcb_connection_t* connection, xcb_window_t window) {
    const auto geometry =
        Own(xcb_get_geometry_reply(connection, xcb_get_geometry(connection, window), nullptr));
    return geometry ? geometry->width * geometry->height : 0;
}

// Top-level windows are the root's children, or their children where a window manager frames
// them.
void Search(const Probe& probe, xcb_window_t parent, int depth, xcb_window_t& best, int& bestArea) {
    const auto tree = Own(
        xcb_query_tree_reply(probe.connection, xcb_query_tree(probe.connection, parent), nullptr));
    if (!tree)
        return;
    const xcb_window_t* children = xcb_query_tree_children(tree.get());
    for (int i = 0; i < xcb_query_tree_children_length(tree.get()); ++i) {
        if (OwnedAndViewable(probe, children[i])) {
            const int area = Area(probe.connection, children[i]);
            if (area > bestArea) {
                best = children[i];
                bestArea = area;
            }
        } else if (depth > 0) {
            Search(probe, children[i], depth - 1, best, bestArea);
        }
    }
}

std::optional<xcb_window_t> FindWindow(const Probe& probe) {
    const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(probe.connection)).data;
    xcb_window_t best = XCB_WINDOW_NONE;
    int bestArea = 0;
    Search(probe, screen->root, 1, best, bestArea);
    if (best == XCB_WINDOW_NONE)
        return std::nullopt;
    return best;
}

double BlackShare(const QImage& image) {
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    long black = 0;
    for (int y = 0; y < rgb.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
        for (int x = 0; x < rgb.width(); ++x)
            black += (line[x] & 0xFFFFFF) == 0;
    }
    const long all = long(rgb.width()) * rgb.height();
    return all ? double(black) / double(all) : 1.0;
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 3 || std::atol(argv[1]) <= 0 || std::atof(argv[2]) <= 0) {
        std::fprintf(stderr, "usage: paint_probe PID SECONDS [PNG]\n");
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "xcb");
    QGuiApplication app(argc, argv);
    auto* x11 = app.nativeInterface<QNativeInterface::QX11Application>();
    if (!x11 || !x11->connection()) {
        std::fprintf(stderr, "paint_probe: no X display\n");
        return 2;
    }
    const Probe probe{x11->connection(), Atom(x11->connection(), "_NET_WM_PID"),
                      std::atol(argv[1])};
    const auto deadline = std::chrono::steady_clock::now() +
                          std::chrono::milliseconds(long(std::atof(argv[2]) * 1000));
    QImage last;
    double share = 1.0;
    while (std::chrono::steady_clock::now() < deadline) {
        if (const auto window = FindWindow(probe)) {
            last = QGuiApplication::primaryScreen()->grabWindow(*window).toImage();
            share = last.isNull() ? 1.0 : BlackShare(last);
            if (share <= kMostBlack)
                return 0;
        }
        QThread::msleep(50);
    }
    std::fprintf(stderr, "paint_probe: %s; %.1f %% of it black\n",
                 last.isNull() ? "no window of that process was shown" : "window not painted",
                 share * 100);
    if (argc > 3 && !last.isNull())
        last.save(QString::fromLocal8Bit(argv[3]));
    return 1;
}
