#pragma once
// The raised and sunken borders that buttons and panels draw.
#include <QPainter>
#include <QRect>

namespace kwil {

// Draws `width` pixels of bevel just inside `r`: light on the top and left and dark on the
// bottom and right when raised, the other way round when sunk. Returns the rectangle inside.
QRect drawBevel(QPainter& p, QRect r, int width, bool raised);

}  // namespace kwil
