#include "platform/forms/windowmanager.h"

#include <QGuiApplication>
#include <QWindow>
#include <QtGui/qguiapplication_platform.h>
#include <cstdint>
#include <cstdlib>
#include <cstring>
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

xcb_atom_t atom(xcb_connection_t* c, const char* name, bool onlyIfExists) {
  xcb_intern_atom_reply_t* reply =
      xcb_intern_atom_reply(c, xcb_intern_atom(c, onlyIfExists ? 1 : 0, std::uint16_t(std::strlen(name)), name), nullptr);
  const xcb_atom_t found = reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
  std::free(reply);
  return found;
}

xcb_connection_t* x11Connection() {
  auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
  return x11 ? x11->connection() : nullptr;
}

}  // namespace

void askToMaximise(const QWindow* window) {
  xcb_connection_t* c = x11Connection();
  if (!c || !window) return;
  xcb_client_message_event_t ask{};
  ask.response_type = XCB_CLIENT_MESSAGE;
  ask.format = 32;
  ask.window = xcb_window_t(window->winId());
  ask.type = atom(c, "_NET_WM_STATE", false);
  ask.data.data32[0] = 1;  // add
  ask.data.data32[1] = atom(c, "_NET_WM_STATE_MAXIMIZED_HORZ", false);
  ask.data.data32[2] = atom(c, "_NET_WM_STATE_MAXIMIZED_VERT", false);
  ask.data.data32[3] = 1;  // asked by an application
  const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
  xcb_send_event(c, 0, root, XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                 reinterpret_cast<const char*>(&ask));
  xcb_flush(c);
}

bool maximisedByWindowManager(const QWindow* window) {
  xcb_connection_t* c = x11Connection();
  if (!c || !window) return false;
  const xcb_atom_t state = atom(c, "_NET_WM_STATE", true);
  if (state == XCB_ATOM_NONE) return false;
  const xcb_atom_t horizontal = atom(c, "_NET_WM_STATE_MAXIMIZED_HORZ", false);
  const xcb_atom_t vertical = atom(c, "_NET_WM_STATE_MAXIMIZED_VERT", false);
  xcb_get_property_reply_t* reply = xcb_get_property_reply(
      c, xcb_get_property(c, 0, xcb_window_t(window->winId()), state, XCB_ATOM_ATOM, 0, 32), nullptr);
  bool h = false, v = false;
  if (reply && reply->type == XCB_ATOM_ATOM) {
    const auto* atoms = static_cast<const xcb_atom_t*>(xcb_get_property_value(reply));
    for (int i = 0; i < xcb_get_property_value_length(reply) / 4; ++i) {
      h = h || atoms[i] == horizontal;
      v = v || atoms[i] == vertical;
    }
  }
  std::free(reply);
  return h && v;
}

bool windowManagerRunning() {
  xcb_connection_t* c = x11Connection();
  if (!c) return true;
  // A manager names a window of its own on the root window and repeats the name on that
  // window; a name left behind by a manager that has gone points at a window without it.
  const xcb_atom_t check = atom(c, "_NET_SUPPORTING_WM_CHECK", true);
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

bool innerFitsArea(const QSize& inner, const QSize& available) {
  return inner.width() <= available.width() && available.width() - inner.width() <= 4 &&
         inner.height() <= available.height();
}

QSize innerSizeOf(const QSize& available, const QMargins& frame) {
  return {available.width() - frame.left() - frame.right(), available.height() - frame.top() - frame.bottom()};
}

}  // namespace kwil
