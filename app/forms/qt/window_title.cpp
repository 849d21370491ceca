// SPDX-FileCopyrightText: 2026 The Velmara developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "window_title.h"

#include <QGuiApplication>
#include <QWindow>

#ifdef VELMARA_HAVE_XCB
#include <xcb/xcb.h>

#include <cstdint>
#include <cstdlib>
#include <cstring>
#endif

namespace forms::qt {

void ShowEmptyTitle(QWindow& window) {
  window.setTitle(QString());
#ifdef VELMARA_HAVE_XCB
  // Other platforms (offscreen, Wayland) may still answer as X11, without a connection.
  if (QGuiApplication::platformName() != QLatin1String("xcb")) return;
  auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
  if (!x11 || !x11->connection()) return;
  xcb_connection_t* connection = x11->connection();
  const auto id = static_cast<xcb_window_t>(window.winId());
  constexpr const char* kNetWmName = "_NET_WM_NAME";
  const auto cookie = xcb_intern_atom(
      connection, 0, static_cast<std::uint16_t>(std::strlen(kNetWmName)), kNetWmName);
  xcb_change_property(connection, XCB_PROP_MODE_REPLACE, id, XCB_ATOM_WM_NAME, XCB_ATOM_STRING, 8,
                      0, nullptr);
  if (auto* reply = xcb_intern_atom_reply(connection, cookie, nullptr)) {
    xcb_change_property(connection, XCB_PROP_MODE_REPLACE, id, reply->atom, XCB_ATOM_STRING, 8, 0,
                        nullptr);
    std::free(reply);
  }
  xcb_flush(connection);
#endif
}

}  // namespace forms::qt
