#include "platform/forms/bevel.h"

namespace kwil {

QRect drawBevel(QPainter& p, QRect r, int width, bool raised) {
  const QColor light(255, 255, 255);
  const QColor dark(128, 128, 128);
  for (int i = 0; i < width && r.width() > 1 && r.height() > 1; ++i) {
    p.setPen(raised ? light : dark);
    p.drawLine(r.topLeft(), r.topRight());
    p.drawLine(r.topLeft(), r.bottomLeft());
    p.setPen(raised ? dark : light);
    p.drawLine(r.bottomLeft(), r.bottomRight());
    p.drawLine(r.topRight(), r.bottomRight());
    r.adjust(1, 1, -1, -1);
  }
  return r;
}

}  // namespace kwil
