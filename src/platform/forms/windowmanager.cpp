#include "platform/forms/windowmanager.h"

#include <QGuiApplication>
#include <QtGui/qguiapplication_platform.h>
#include <cstdlib>
#include <xcb/xcb.h>

namespace kwil {

namespace {

// The window a property of `window` names, or 0.
xcb_window_t windowProperty(xcb_connection_t* c, xcb_window_t window, xcb_atom_t property) {
  xcb_get_property_reply_t* reply =
      xcb_get_property_reply(c, xcb_get_property(c, 0, window, property, XCB_ATOM_WINDOW, 0, 1), nullptr);
  xcb_window_t named = 0;
  if (reply && reply->type == XCB_ATOM_WINDOW && xcb_get_property_value_length(reply) >= 4)
    named = *static_cast<xcb_window_t*>(xcb_get_property_value(reply));
  std::free(reply);
  return named;
}

}  // namespace

bool windowManagerRunning() {
  auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
  if (!x11) return true;
  xcb_connection_t* c = x11->connection();
  if (!c) return true;
  // A manager names a window of its own on the root window and repeats the name on that
  // window; a name left behind by a manager that has gone points at a window without it.
  const char name[] = "_NET_SUPPORTING_WM_CHECK";
  xcb_intern_atom_reply_t* atom =
      xcb_intern_atom_reply(c, xcb_intern_atom(c, 1, sizeof name - 1, name), nullptr);
  const xcb_atom_t check = atom ? atom->atom : xcb_atom_t{XCB_ATOM_NONE};
  std::free(atom);
  if (check == XCB_ATOM_NONE) return false;
  const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
  const xcb_window_t own = windowProperty(c, root, check);
  return own != 0 && windowProperty(c, own, check) == own;
}

bool frameFillsArea(const QSize& frame, const QSize& available) {
  constexpr int kBorderSlack = 2;
  return frame.width() <= available.width() && frame.height() <= available.height() &&
         available.width() - frame.width() <= kBorderSlack && available.height() - frame.height() <= kBorderSlack;
}

QSize innerSizeOf(const QSize& available, const QMargins& frame) {
  return {available.width() - frame.left() - frame.right(), available.height() - frame.top() - frame.bottom()};
}

}  // namespace kwil
