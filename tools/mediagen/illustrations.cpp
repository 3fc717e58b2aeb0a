#include "illustrations.h"

#include "style.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

namespace kwil::media {
namespace {

const QColor kBackdrop(236, 241, 246);

using Drawing = std::function<void(QPainter&)>;

}  // namespace

QImage renderDrawing(QSize size, const std::function<void(QPainter&)>& draw, double scale) {
  QImage image(QSize(int(size.width() * scale + 0.5), int(size.height() * scale + 0.5)), QImage::Format_RGB32);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  p.setRenderHint(QPainter::TextAntialiasing);
  p.scale(scale, scale);
  QLinearGradient backdrop(0, 0, 0, size.height());
  backdrop.setColorAt(0, kBackdrop.lighter(104));
  backdrop.setColorAt(1, kBackdrop.darker(106));
  p.fillRect(QRectF(QPointF(0, 0), QSizeF(size)), backdrop);
  draw(p);
  return image;
}

namespace {

QImage render(QSize size, const Drawing& draw, double scale = 1.0) { return renderDrawing(size, draw, scale); }

void text(QPainter& p, const QRectF& box, const QString& words, int pixelSize = 15, QColor colour = style::kInk,
          int align = Qt::AlignCenter) {
  p.setFont(style::labelFont(pixelSize));
  p.setPen(colour);
  p.drawText(box, align, words);
}

void screw(QPainter& p, QPointF centre, double r = 7) {
  QRadialGradient metal(centre - QPointF(r / 3, r / 3), r * 1.4);
  metal.setColorAt(0, QColor(250, 250, 250));
  metal.setColorAt(1, QColor(140, 140, 145));
  p.setPen(QPen(QColor(90, 90, 95), 1));
  p.setBrush(metal);
  p.drawEllipse(centre, r, r);
  p.setPen(QPen(QColor(70, 70, 75), 2));
  p.drawLine(centre + QPointF(-r * 0.6, 0), centre + QPointF(r * 0.6, 0));
}

void board(QPainter& p, const QRectF& area, QColor colour) {
  p.setPen(QPen(colour.darker(150), 2));
  p.setBrush(colour);
  p.drawRoundedRect(area, 8, 8);
  for (QPointF corner : {area.topLeft() + QPointF(12, 12), area.topRight() + QPointF(-12, 12),
                         area.bottomLeft() + QPointF(12, -12), area.bottomRight() + QPointF(-12, -12)}) {
    p.setPen(QPen(QColor(200, 190, 120), 2));
    p.setBrush(kBackdrop);
    p.drawEllipse(corner, 5, 5);
  }
}

void chip(QPainter& p, const QRectF& body, const QString& name) {
  p.setPen(QPen(QColor(190, 190, 190), 2));
  const int pins = int(body.width() / 10);
  for (int i = 0; i < pins; ++i) {
    const double x = body.left() + 6 + i * (body.width() - 12) / std::max(1, pins - 1);
    p.drawLine(QPointF(x, body.top() - 5), QPointF(x, body.top()));
    p.drawLine(QPointF(x, body.bottom()), QPointF(x, body.bottom() + 5));
  }
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(35, 35, 38));
  p.drawRect(body);
  text(p, body, name, 12, QColor(220, 220, 220));
}

void smallLed(QPainter& p, QPointF centre, QColor colour, bool lit = false) {
  if (lit) {
    QRadialGradient glow(centre, 16);
    glow.setColorAt(0, colour);
    glow.setColorAt(1, QColor(colour.red(), colour.green(), colour.blue(), 0));
    p.setPen(Qt::NoPen);
    p.setBrush(glow);
    p.drawEllipse(centre, 16, 16);
  }
  p.setPen(QPen(colour.darker(170), 1.5));
  p.setBrush(lit ? colour.lighter(130) : colour.darker(150));
  p.drawEllipse(centre, 6.5, 6.5);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(255, 255, 255, 150));
  p.drawEllipse(centre + QPointF(-2, -2), 2, 2);
}

void pushButton(QPainter& p, QPointF centre) {
  p.setPen(QPen(QColor(60, 60, 60), 1.5));
  p.setBrush(QColor(215, 215, 215));
  p.drawRect(QRectF(centre - QPointF(11, 11), QSizeF(22, 22)));
  p.setBrush(QColor(40, 40, 40));
  p.drawEllipse(centre, 7, 7);
}

// A row of LEDs (the outputs) above their names, E1 to E8 as every picture and window calls
// them.
void outputRow(QPainter& p, QPointF start, double step, int count, QColor labels) {
  for (int i = 0; i < count; ++i) {
    const QPointF at = start + QPointF(i * step, 0);
    smallLed(p, at, QColor(230, 30, 30), i == 0);
    text(p, QRectF(at.x() - 20, at.y() + 8, 40, 18), "E" + QString::number(i + 1), step < 30 ? 11 : 12, labels);
  }
}

// A row of push buttons (the inputs) above their names.
void inputRow(QPainter& p, QPointF start, double step, int count, QColor labels) {
  for (int i = 0; i < count; ++i) {
    const QPointF at = start + QPointF(i * step, 0);
    pushButton(p, at);
    text(p, QRectF(at.x() - 20, at.y() + 13, 40, 18), "s" + QString::number(i + 1), 13, labels);
  }
}

void usbSocket(QPainter& p, const QRectF& body) {
  QLinearGradient metal(body.topLeft(), body.bottomLeft());
  metal.setColorAt(0, QColor(235, 235, 240));
  metal.setColorAt(1, QColor(150, 150, 160));
  p.setPen(QPen(QColor(90, 90, 95), 1.5));
  p.setBrush(metal);
  p.drawRect(body);
  p.setBrush(QColor(60, 60, 60));
  p.drawRect(body.adjusted(body.width() * 0.25, body.height() * 0.3, -body.width() * 0.2, -body.height() * 0.3));
}

void terminalBlock(QPainter& p, QPointF topLeft, int screws, QColor colour) {
  p.setPen(QPen(colour.darker(150), 1.5));
  p.setBrush(colour);
  p.drawRect(QRectF(topLeft, QSizeF(screws * 20.0, 22)));
  for (int i = 0; i < screws; ++i) screw(p, topLeft + QPointF(10 + i * 20, 11), 6);
}

void wireCurve(QPainter& p, QPointF from, QPointF to, QColor colour) {
  QPainterPath path(from);
  path.cubicTo(from + QPointF(-40, 10), to + QPointF(40, -10), to);
  p.setPen(QPen(colour, 4, Qt::SolidLine, Qt::RoundCap));
  p.setBrush(Qt::NoBrush);
  p.drawPath(path);
}

// --- the bell and the transformer -------------------------------------------------------

void rattleBell(QPainter& p) {
  p.setPen(QPen(QColor(60, 45, 30), 2));
  p.setBrush(QColor(120, 85, 55));
  p.drawRoundedRect(QRectF(40, 140, 230, 95), 10, 10);  // the base plate
  QRadialGradient chrome(QPointF(95, 70), 90);
  chrome.setColorAt(0, QColor(255, 255, 255));
  chrome.setColorAt(0.5, QColor(190, 195, 205));
  chrome.setColorAt(1, QColor(110, 115, 125));
  p.setPen(QPen(QColor(80, 85, 95), 2));
  p.setBrush(chrome);
  p.drawEllipse(QPointF(115, 95), 70, 70);  // the dome
  p.setBrush(QColor(90, 90, 95));
  p.drawEllipse(QPointF(115, 95), 8, 8);
  for (double x : {175.0, 215.0}) {  // the two coils of the electromagnet
    QLinearGradient copper(x, 0, x + 30, 0);
    copper.setColorAt(0, QColor(150, 80, 30));
    copper.setColorAt(0.5, QColor(235, 150, 80));
    copper.setColorAt(1, QColor(140, 70, 25));
    p.setPen(QPen(QColor(100, 50, 20), 1.5));
    p.setBrush(copper);
    p.drawRoundedRect(QRectF(x, 165, 30, 55), 5, 5);
  }
  p.setPen(QPen(QColor(70, 70, 75), 6, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(QPointF(250, 158), QPointF(178, 158));  // the armature
  p.drawLine(QPointF(178, 158), QPointF(168, 138));  // the hammer arm
  p.setPen(QPen(QColor(50, 50, 55), 1.5));
  p.setBrush(QColor(90, 90, 100));
  p.drawEllipse(QPointF(166, 132), 9, 9);  // the hammer
  screw(p, QPointF(70, 215));
  screw(p, QPointF(105, 215));
  wireCurve(p, QPointF(70, 215), QPointF(0, 250), QColor(200, 30, 30));
  wireCurve(p, QPointF(105, 215), QPointF(0, 258), QColor(40, 40, 40));
}

void bellTransformer(QPainter& p) {
  p.setPen(QPen(QColor(150, 150, 150), 1));
  p.setBrush(QColor(180, 185, 190));
  p.drawRect(QRectF(20, 122, 220, 16));  // the rail it clips on
  QLinearGradient plastic(0, 30, 0, 240);
  plastic.setColorAt(0, QColor(250, 250, 248));
  plastic.setColorAt(1, QColor(215, 215, 210));
  p.setPen(QPen(QColor(120, 120, 120), 2));
  p.setBrush(plastic);
  p.drawRoundedRect(QRectF(60, 25, 140, 215), 8, 8);
  terminalBlock(p, QPointF(90, 38), 2, QColor(230, 230, 225));
  text(p, QRectF(60, 62, 140, 20), "230 V ~", 14);
  text(p, QRectF(60, 98, 140, 20), "Beltrafo", 16, style::kLabel);
  text(p, QRectF(60, 140, 140, 20), "8 V / 12 V ~", 14);
  text(p, QRectF(60, 160, 140, 18), "kortsluitvast", 12, QColor(80, 80, 80));
  text(p, QRectF(70, 180, 120, 18), "0     8    12", 12);
  terminalBlock(p, QPointF(100, 200), 3, QColor(230, 230, 225));
}

// The transformer symbol: two coils of half circles on an iron core.
void transformerSymbol(QPainter& p) {
  QPen pen(style::kInk, style::kSymbolLine, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
  auto coil = [&](double x, double direction) {
    QPainterPath path(QPointF(x, 45));
    for (int i = 0; i < 4; ++i) {
      const QRectF arc(x - 10, 45 + i * 20, 20, 20);
      path.arcTo(arc, 90, -180 * direction);
    }
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    p.drawPath(path);
  };
  coil(95, 1);
  coil(145, -1);
  p.setPen(QPen(style::kInk, 3));
  p.drawLine(QPointF(115, 38), QPointF(115, 132));
  p.drawLine(QPointF(125, 38), QPointF(125, 132));
  p.setPen(pen);
  for (double y : {45.0, 125.0}) {
    p.drawLine(QPointF(95, y), QPointF(40, y));
    p.drawLine(QPointF(145, y), QPointF(200, y));
    p.setBrush(style::kPaper);
    p.drawEllipse(QPointF(36, y), 4, 4);
    p.drawEllipse(QPointF(204, y), 4, 4);
  }
  text(p, QRectF(0, 10, 110, 22), "230 V ~", 16);
  text(p, QRectF(140, 10, 100, 22), "12 V ~", 16);
  text(p, QRectF(0, 142, 240, 22), "T", 16, style::kLabel);
}

// --- LEDs --------------------------------------------------------------------------------

// A 5 mm LED standing on its two legs: the anode leg is the longer one, and the rim is
// flattened on the cathode side.
void fiveMillimetreLed(QPainter& p, double cx, QColor colour, bool lit) {
  const double top = 40;
  if (lit) {
    QRadialGradient glow(QPointF(cx, top + 30), 85);
    glow.setColorAt(0, QColor(colour.red(), colour.green(), colour.blue(), 200));
    glow.setColorAt(0.4, QColor(colour.red(), colour.green(), colour.blue(), 90));
    glow.setColorAt(1, QColor(colour.red(), colour.green(), colour.blue(), 0));
    p.setPen(Qt::NoPen);
    p.setBrush(glow);
    p.drawEllipse(QPointF(cx, top + 30), 85, 85);
  }
  p.setPen(QPen(QColor(150, 150, 155), 4, Qt::SolidLine, Qt::FlatCap));
  p.drawLine(QPointF(cx - 10, top + 100), QPointF(cx - 10, top + 190));  // anode, long
  p.drawLine(QPointF(cx + 10, top + 100), QPointF(cx + 10, top + 160));  // cathode, short
  QPainterPath body;
  body.moveTo(cx - 24, top + 95);
  body.lineTo(cx - 24, top + 24);
  body.arcTo(QRectF(cx - 24, top, 48, 48), 180, -180);
  body.lineTo(cx + 24, top + 95);
  body.closeSubpath();
  QLinearGradient shade(cx - 24, 0, cx + 24, 0);
  const QColor base = lit ? colour.lighter(115) : colour.darker(140);
  shade.setColorAt(0, base.darker(120));
  shade.setColorAt(0.35, lit ? QColor(255, 255, 240) : base.lighter(150));
  shade.setColorAt(1, base.darker(130));
  p.setPen(QPen(colour.darker(200), 1.5));
  p.setBrush(shade);
  p.drawPath(body);
  p.drawRect(QRectF(cx - 29, top + 92, 55, 9));  // the rim, flat on the right
}

void ledPhoto(QPainter& p, QColor colour) { fiveMillimetreLed(p, 85, colour, true); }

void ledLeads(QPainter& p) {
  fiveMillimetreLed(p, 90, QColor(230, 30, 30), false);
  p.setPen(QPen(style::kLabel, 1.5));
  p.drawLine(QPointF(82, 215), QPointF(140, 215));
  p.drawLine(QPointF(102, 185), QPointF(140, 185));
  text(p, QRectF(143, 173, 115, 24), "Kathode (-)", 15, style::kLabel, Qt::AlignLeft | Qt::AlignVCenter);
  text(p, QRectF(143, 203, 115, 24), "Anode (+)", 15, style::kLabel, Qt::AlignLeft | Qt::AlignVCenter);
  text(p, QRectF(143, 130, 115, 40), "platte kant =\nkathode", 12, QColor(60, 60, 60), Qt::AlignLeft | Qt::AlignVCenter);
  p.setPen(QPen(QColor(60, 60, 60), 1));
  p.drawLine(QPointF(118, 137), QPointF(140, 150));
}

// A high-power LED on its star-shaped aluminium board, lit.
void powerLed(QPainter& p) {
  const QPointF centre(100, 115);
  QRadialGradient glow(centre, 110);
  glow.setColorAt(0, QColor(255, 255, 255));
  glow.setColorAt(0.3, QColor(220, 235, 255, 200));
  glow.setColorAt(1, QColor(220, 235, 255, 0));
  QPainterPath star;
  for (int i = 0; i < 12; ++i) {
    const double angle = i * 30.0 * 3.14159265 / 180.0;
    const double r = (i % 2 == 0) ? 80 : 58;
    const QPointF point = centre + QPointF(r * std::cos(angle), r * std::sin(angle));
    i == 0 ? star.moveTo(point) : star.lineTo(point);
  }
  star.closeSubpath();
  p.setPen(QPen(QColor(120, 120, 125), 2));
  p.setBrush(QColor(205, 208, 212));
  p.drawPath(star);
  text(p, QRectF(centre.x() - 72, centre.y() - 12, 24, 24), "+", 18);
  text(p, QRectF(centre.x() + 48, centre.y() - 12, 24, 24), "-", 18);
  p.setPen(Qt::NoPen);
  p.setBrush(glow);
  p.drawEllipse(centre, 110, 110);
  p.setPen(QPen(QColor(200, 200, 170), 2));
  p.setBrush(QColor(255, 255, 235));
  p.drawEllipse(centre, 26, 26);
}

// --- the interfaces ------------------------------------------------------------------------

const QColor kSilk(245, 245, 245);

void parallelBox(QPainter& p) {
  QPainterPath lid;
  lid.moveTo(40, 70);
  lid.lineTo(70, 40);
  lid.lineTo(370, 40);
  lid.lineTo(340, 70);
  lid.closeSubpath();
  p.setPen(QPen(QColor(90, 90, 90), 2));
  p.setBrush(QColor(205, 200, 190));
  p.drawPath(lid);
  p.setBrush(QColor(225, 220, 210));
  p.drawRect(QRectF(40, 70, 300, 190));
  QPainterPath side;
  side.moveTo(340, 70);
  side.lineTo(370, 40);
  side.lineTo(370, 230);
  side.lineTo(340, 260);
  side.closeSubpath();
  p.setBrush(QColor(185, 180, 170));
  p.drawPath(side);
  text(p, QRectF(40, 78, 300, 22), "INTERFACE", 17, style::kLabel);
  outputRow(p, QPointF(75, 125), 33, 8, style::kInk);
  inputRow(p, QPointF(90, 195), 50, 5, style::kInk);
  p.setPen(QPen(QColor(50, 50, 50), 7, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(QPointF(370, 140), QPointF(395, 140));
  p.setPen(QPen(QColor(80, 80, 85), 1.5));
  p.setBrush(QColor(170, 170, 178));
  p.drawRect(QRectF(393, 120, 20, 40));  // the plug for the printer port
}

void usbCard(QPainter& p) {
  board(p, QRectF(30, 40, 360, 225), QColor(30, 120, 60));
  usbSocket(p, QRectF(18, 130, 42, 36));
  terminalBlock(p, QPointF(90, 50), 9, QColor(40, 110, 190));
  terminalBlock(p, QPointF(90, 233), 9, QColor(40, 110, 190));
  chip(p, QRectF(90, 110, 90, 34), "USB");
  text(p, QRectF(200, 108, 170, 20), "USB interface", 15, kSilk);
  outputRow(p, QPointF(200, 150), 24, 8, kSilk);
  inputRow(p, QPointF(95, 195), 42, 5, kSilk);
}

void icp12Board(QPainter& p) {
  board(p, QRectF(50, 50, 320, 200), QColor(20, 70, 150));
  usbSocket(p, QRectF(38, 128, 34, 26));
  chip(p, QRectF(100, 80, 110, 36), "iCP12");
  text(p, QRectF(225, 86, 130, 20), "USB interface", 14, kSilk);
  outputRow(p, QPointF(110, 150), 30, 8, kSilk);
  inputRow(p, QPointF(120, 205), 45, 5, kSilk);
}

void sevenSegmentDigit(QPainter& p, QPointF at) {
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(40, 10, 10));
  p.drawRect(QRectF(at, QSizeF(28, 40)));
  const QColor off(90, 25, 25), on(255, 40, 40);
  const QRectF segments[] = {{at.x() + 6, at.y() + 4, 16, 3},  {at.x() + 21, at.y() + 6, 3, 13},
                             {at.x() + 21, at.y() + 21, 3, 13}, {at.x() + 6, at.y() + 33, 16, 3},
                             {at.x() + 4, at.y() + 21, 3, 13},  {at.x() + 4, at.y() + 6, 3, 13},
                             {at.x() + 6, at.y() + 18.5, 16, 3}};
  for (int i = 0; i < 7; ++i) {
    p.setBrush(i == 6 ? on : off);
    p.drawRect(segments[i]);
  }
}

void tm1638Board(QPainter& p) {
  board(p, QRectF(20, 40, 380, 225), QColor(25, 60, 140));
  text(p, QRectF(30, 48, 360, 20), "LED & KEY  TM1638", 14, kSilk);
  outputRow(p, QPointF(52, 85), 45, 8, kSilk);
  for (int i = 0; i < 8; ++i) sevenSegmentDigit(p, QPointF(38 + i * 45, 120));
  for (int i = 0; i < 8; ++i) {
    pushButton(p, QPointF(52 + i * 45, 205));
    text(p, QRectF(32 + i * 45, 218, 40, 18), "s" + QString::number(i + 1), 13, kSilk);
  }
}

void arduinoWithAdapter(QPainter& p) {
  board(p, QRectF(30, 50, 360, 215), QColor(0, 120, 130));  // the controller board
  usbSocket(p, QRectF(16, 70, 50, 42));
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(30, 30, 30));
  p.drawRect(QRectF(18, 205, 44, 36));  // the power socket
  board(p, QRectF(80, 62, 300, 190), QColor(40, 140, 70));  // the adapter plugged on top
  text(p, QRectF(90, 70, 280, 20), "Arduino + adapter", 15, kSilk);
  outputRow(p, QPointF(110, 115), 32, 8, kSilk);
  inputRow(p, QPointF(125, 180), 50, 5, kSilk);
  chip(p, QRectF(120, 225, 130, 16), "");
}

// The interface pictures come large and small; the small one is the same drawing at 70 %.
void addInterface(QList<Illustration>& list, const QString& stem, void (*draw)(QPainter&)) {
  const QSize size(420, 290);
  list.append({stem + "Groot.jpg", [=] { return render(size, draw); }});
  list.append({stem + "Klein.jpg", [=] { return render(size, draw, 0.7); }});
}

QList<Illustration> makeIllustrations() {
  QList<Illustration> list = {
      {"ImgRatelbel.jpg", [] { return render({300, 260}, rattleBell); }},
      {"ImgBeltrafo.jpg", [] { return render({260, 260}, bellTransformer); }},
      {"ImgSymboolTrafo.bmp",
       [] {
         QImage image = render({240, 170}, [](QPainter& p) {
           p.fillRect(QRectF(0, 0, 240, 170), style::kPaper);
           transformerSymbol(p);
         });
         return image;
       }},
      {"ImgLedRood.jpg", [] { return render({170, 240}, [](QPainter& p) { ledPhoto(p, QColor(240, 20, 20)); }); }},
      {"ImgLedOranje.jpg", [] { return render({170, 240}, [](QPainter& p) { ledPhoto(p, QColor(255, 130, 0)); }); }},
      {"ImgLedGroen.jpg", [] { return render({170, 240}, [](QPainter& p) { ledPhoto(p, QColor(20, 200, 40)); }); }},
      {"ImgLedGeel.jpg", [] { return render({170, 240}, [](QPainter& p) { ledPhoto(p, QColor(250, 220, 0)); }); }},
      {"ImgLumiLed.jpg", [] { return render({200, 240}, powerLed); }},
      {"ImgLedAnodeKathode.jpg", [] { return render({260, 260}, ledLeads); }},
  };
  addInterface(list, "ImgInterface", parallelBox);
  addInterface(list, "ImgUSBInterface", usbCard);
  addInterface(list, "ImgUSBIcp12", icp12Board);
  addInterface(list, "ImgUSBTM1638", tm1638Board);
  addInterface(list, "ImgUSBArduinoAda", arduinoWithAdapter);
  list.append(les5Illustrations());
  return list;
}

}  // namespace

const QList<Illustration>& illustrations() {
  static const QList<Illustration> list = makeIllustrations();
  return list;
}

}  // namespace kwil::media
