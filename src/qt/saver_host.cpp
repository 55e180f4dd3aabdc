#include "qt/saver_host.h"

#include <xcb/xcb.h>

#include <QGuiApplication>
#include <cstdlib>

namespace lumivel {

namespace {

// Asked of the X server: Qt knows nothing of a foreign window's size.
std::optional<QSize> WindowSize(WId id) {
  auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
  if (!x11 || !x11->connection()) return std::nullopt;
  xcb_connection_t* connection = x11->connection();
  xcb_generic_error_t* error = nullptr;
  xcb_get_geometry_reply_t* reply = xcb_get_geometry_reply(
      connection, xcb_get_geometry(connection, static_cast<xcb_drawable_t>(id)), &error);
  std::free(error);
  if (!reply) return std::nullopt;
  const QSize size(reply->width, reply->height);
  std::free(reply);
  return size;
}

}  // namespace

std::optional<WId> SaverWindowId(const QByteArray& text) {
  bool ok = false;
  // Base 0: "0x" starts a hexadecimal number, as XScreenSaver writes it.
  const qulonglong id = text.trimmed().toULongLong(&ok, 0);
  if (!ok || id == 0) return std::nullopt;
  return static_cast<WId>(id);
}

std::optional<SaverHost> SaverHostFromEnvironment() {
  const auto id = SaverWindowId(qgetenv("XSCREENSAVER_WINDOW"));
  if (!id) return std::nullopt;
  // A window that is gone, or none of this display: the program covers the screen on its own.
  const auto size = WindowSize(*id);
  if (!size || size->isEmpty()) return std::nullopt;
  std::unique_ptr<QWindow> window(QWindow::fromWinId(*id));
  if (!window) return std::nullopt;
  return SaverHost{std::move(window), *size};
}

}  // namespace lumivel
