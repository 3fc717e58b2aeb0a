#pragma once
// Key codes and modifier flags as the windows' key handlers receive them.
#include <Qt>

class QKeyEvent;

namespace kwil {

// Virtual key codes the windows compare with.
enum VbKey : int {
  vbKeyBack = 8,
  vbKeyTab = 9,
  vbKeyReturn = 13,
  vbKeyShift = 16,
  vbKeyControl = 17,
  vbKeyMenu = 18,  // Alt
  vbKeyEscape = 27,
  vbKeySpace = 32,
  vbKeyPageUp = 33,
  vbKeyPageDown = 34,
  vbKeyEnd = 35,
  vbKeyHome = 36,
  vbKeyLeft = 37,
  vbKeyUp = 38,
  vbKeyRight = 39,
  vbKeyDown = 40,
  vbKeyInsert = 45,
  vbKeyDelete = 46,
  vbKeyF1 = 112,  // F2 = 113 ... F12 = 123
  vbKeyF12 = 123,
};

// Shift argument bits.
enum VbShift : int { vbShiftMask = 1, vbCtrlMask = 2, vbAltMask = 4 };

// Mouse button bits (Button argument of mouse events).
enum VbMouseButton : int { vbLeftButton = 1, vbRightButton = 2, vbMiddleButton = 4 };

// The key code of a Qt key: letters 'A'..'Z', digits '0'..'9', F1..F12 = 112..123 and the
// codes above; 0 for a key without a code.
int vbKeyCode(int qtKey);
// Shift flags of the modifiers held (1 Shift, 2 Ctrl, 4 Alt).
int vbShiftFlags(Qt::KeyboardModifiers modifiers);
// Button bits of a set of mouse buttons.
int vbButtons(Qt::MouseButtons buttons);

}  // namespace kwil
