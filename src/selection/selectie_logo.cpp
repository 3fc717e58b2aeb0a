#include "selection/selectie_logo.h"

#include <QPainter>
#include <QPainterPath>

#include "platform/forms/colors.h"

namespace kwil {

QImage selectieLogo() {
  // Drawn large, so that it stays sharp when the frame is stretched to a big screen.
  QImage logo(560, 256, QImage::Format_ARGB32_Premultiplied);
  logo.fill(vbColor(0xFFDBBF));
  QPainter p(&logo);
  p.setRenderHint(QPainter::Antialiasing);
  const QColor donker = vbColor(0x400000);
  p.setPen(QPen(donker, 6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));

  // Two switches, each a contact that leans up from its pivot, wired into the gate.
  for (int y : {78, 178}) {
    p.drawLine(24, y, 70, y);
    p.setBrush(donker);
    p.drawEllipse(QPointF(76, y), 6, 6);
    p.drawEllipse(QPointF(136, y), 6, 6);
    p.setBrush(Qt::NoBrush);
    p.drawLine(76, y, 132, y - 26);
    p.drawLine(142, y, 220, y);
  }

  // The gate: a box with "&".
  p.setBrush(vbColor(0xFAE5D5));
  p.drawRect(220, 40, 130, 176);
  QFont letter(QStringLiteral("DejaVu Sans"));
  letter.setPixelSize(84);
  letter.setBold(true);
  p.setFont(letter);
  p.drawText(QRect(220, 40, 130, 176), Qt::AlignCenter, QStringLiteral("&"));

  // The output to a lit LED: a triangle on a bar, two small arrows for its light.
  p.drawLine(350, 128, 420, 128);
  const QColor rood = vbColor(0x0000FF);
  p.setBrush(rood);
  QPainterPath led;
  led.moveTo(420, 96);
  led.lineTo(420, 160);
  led.lineTo(472, 128);
  led.closeSubpath();
  p.drawPath(led);
  p.drawLine(474, 94, 474, 162);
  p.drawLine(474, 128, 530, 128);
  p.setPen(QPen(rood, 5, Qt::SolidLine, Qt::RoundCap));
  for (int dx : {0, 26}) {
    p.drawLine(450 + dx, 86, 476 + dx, 56);
    p.drawLine(476 + dx, 56, 462 + dx, 60);
    p.drawLine(476 + dx, 56, 474 + dx, 70);
  }
  return logo;
}

}  // namespace kwil
