// The pictures of lesson 5: a car, a search result for a car, a memory module, a hard disk, a
// small figure written as 0/1 digits, the bitmap those digits make, the digits again with the
// ones marked, and a line of letters drawn as a picture beside their character codes. Each is
// drawn at the size the lesson shows it.
#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>

#include "illustrations.h"
#include "style.h"

namespace kwil::media {
namespace {

void label(QPainter& p, const QRectF& box, const QString& words, int pixelSize, QColor colour = style::kInk,
           int align = Qt::AlignCenter, bool bold = true) {
  p.setFont(style::labelFont(pixelSize, bold));
  p.setPen(colour);
  p.drawText(box, align, words);
}

// A sports car seen from the side, nose to the right: body, windows, wheels, headlamp,
// mirror and rear spoiler. `scale` 1 fills 384 x 244.
void car(QPainter& p, QColor paint, double scale = 1.0) {
  p.save();
  p.scale(scale, scale);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(0, 0, 0, 50));
  p.drawEllipse(QRectF(30, 196, 330, 22));  // shadow
  QPainterPath body;
  body.moveTo(22, 180);
  body.lineTo(20, 140);
  body.cubicTo(24, 122, 60, 116, 96, 112);
  body.cubicTo(130, 80, 170, 70, 222, 72);
  body.cubicTo(262, 74, 290, 96, 312, 112);
  body.cubicTo(344, 116, 364, 128, 368, 150);
  body.lineTo(366, 180);
  body.closeSubpath();
  QLinearGradient shine(0, 70, 0, 185);
  shine.setColorAt(0, paint.lighter(150));
  shine.setColorAt(0.45, paint);
  shine.setColorAt(1, paint.darker(160));
  p.setPen(QPen(paint.darker(220), 2));
  p.setBrush(shine);
  p.drawPath(body);
  QPainterPath glass;  // the side windows
  glass.moveTo(112, 112);
  glass.cubicTo(140, 88, 172, 82, 206, 82);
  glass.lineTo(206, 112);
  glass.closeSubpath();
  glass.moveTo(216, 82);
  glass.cubicTo(252, 84, 276, 98, 296, 112);
  glass.lineTo(216, 112);
  glass.closeSubpath();
  QLinearGradient sky(0, 82, 0, 112);
  sky.setColorAt(0, QColor(190, 215, 235));
  sky.setColorAt(1, QColor(70, 90, 110));
  p.setPen(QPen(QColor(40, 40, 45), 2));
  p.setBrush(sky);
  p.drawPath(glass);
  p.setPen(QPen(paint.darker(200), 1.5));
  p.drawLine(QPointF(210, 116), QPointF(210, 176));  // door
  p.drawLine(QPointF(190, 132), QPointF(206, 132));  // handle
  p.setBrush(QColor(40, 40, 45));
  p.drawRect(QRectF(300, 104, 16, 10));            // mirror
  p.drawRect(QRectF(14, 110, 44, 7));              // spoiler
  p.drawRect(QRectF(30, 117, 6, 12));
  p.setBrush(QColor(255, 250, 210));
  p.drawEllipse(QRectF(346, 130, 20, 12));         // headlamp
  p.setBrush(QColor(220, 30, 30));
  p.drawRect(QRectF(20, 140, 8, 14));              // rear light
  for (double x : {92.0, 300.0}) {
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(25, 25, 28));
    p.drawEllipse(QPointF(x, 180), 34, 34);
    QRadialGradient rim(QPointF(x - 6, 174), 26);
    rim.setColorAt(0, QColor(245, 245, 248));
    rim.setColorAt(1, QColor(130, 130, 138));
    p.setBrush(rim);
    p.drawEllipse(QPointF(x, 180), 19, 19);
    p.setPen(QPen(QColor(90, 90, 95), 3));
    for (int spoke = 0; spoke < 5; ++spoke) {
      const double a = spoke * 2 * M_PI / 5;
      p.drawLine(QPointF(x, 180), QPointF(x + 16 * std::cos(a), 180 + 16 * std::sin(a)));
    }
  }
  p.restore();
}

// A page of picture search results for the typed file name, one picture with its name.
void searchResult(QPainter& p) {
  p.setPen(QPen(QColor(150, 150, 160), 2));
  p.setBrush(style::kPaper);
  p.drawRoundedRect(QRectF(8, 8, 584, 284), 8, 8);
  p.setBrush(QColor(225, 228, 235));
  p.drawRect(QRectF(8, 8, 584, 30));
  for (int i = 0; i < 3; ++i) {
    p.setBrush(QColor(i == 0 ? 230 : 200, i == 1 ? 190 : 120, 90));
    p.setPen(Qt::NoPen);
    p.drawEllipse(QPointF(26 + 18 * i, 23), 6, 6);
  }
  p.setPen(QPen(QColor(120, 130, 150), 2));
  p.setBrush(style::kPaper);
  p.drawRoundedRect(QRectF(150, 50, 300, 30), 15, 15);
  label(p, QRectF(168, 50, 240, 30), "Porsche carrera", 16, style::kInk, Qt::AlignLeft | Qt::AlignVCenter, false);
  p.setPen(QPen(QColor(60, 90, 200), 3));
  p.drawEllipse(QPointF(424, 63), 7, 7);
  p.drawLine(QPointF(429, 68), QPointF(436, 75));
  label(p, QRectF(30, 88, 300, 20), "Afbeeldingen", 14, QColor(60, 90, 200), Qt::AlignLeft | Qt::AlignVCenter);
  const QColor kleuren[] = {QColor(200, 20, 20), QColor(230, 230, 235), QColor(20, 20, 24), QColor(240, 200, 0)};
  for (int i = 0; i < 4; ++i) {
    const QRectF vak(30 + 138 * i, 116, 126, 126);
    p.setPen(QPen(QColor(190, 190, 200), 1));
    p.setBrush(QColor(236, 241, 246));
    p.drawRect(vak);
    p.save();
    p.translate(vak.left() + 4, vak.top() + 24);
    car(p, kleuren[i], 0.31);
    p.restore();
    label(p, QRectF(vak.left() - 6, 246, 138, 18), "Porsche carrera.jpg", 11, QColor(0, 90, 30),
          Qt::AlignCenter, false);
  }
}

// A memory module: a green board with eight black chips and its gold contacts, lying at a slant.
void memoryModule(QPainter& p) {
  p.translate(100, 100);
  p.rotate(-28);
  const QRectF bord(-92, -30, 184, 60);
  p.setPen(QPen(QColor(20, 90, 40), 2));
  p.setBrush(QColor(30, 130, 60));
  p.drawRoundedRect(bord, 3, 3);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(230, 190, 60));
  for (double x = -86; x < 86; x += 5) p.drawRect(QRectF(x, 20, 3, 9));  // contacts
  p.setBrush(QColor(30, 130, 60));
  p.drawRect(QRectF(-10, 22, 5, 8));  // the key notch
  for (int i = 0; i < 8; ++i) {
    p.setBrush(QColor(30, 30, 34));
    p.drawRect(QRectF(-86 + i * 21.5, -22, 17, 30));
    p.setBrush(QColor(80, 80, 86));
    p.drawEllipse(QPointF(-82 + i * 21.5, -18), 1.5, 1.5);
  }
  label(p, QRectF(-92, -46, 184, 14), "RAM  4 GB", 11, style::kInk);
}

// A hard disk with its cover off: the shining platter, the spindle and the read arm.
void hardDisk(QPainter& p) {
  const QRectF kast(30, 14, 240, 172);
  p.setPen(QPen(QColor(90, 90, 96), 2));
  QLinearGradient metaal(kast.topLeft(), kast.bottomRight());
  metaal.setColorAt(0, QColor(200, 202, 208));
  metaal.setColorAt(1, QColor(140, 142, 150));
  p.setBrush(metaal);
  p.drawRoundedRect(kast, 8, 8);
  const QPointF midden(128, 100);
  QRadialGradient schijf(midden - QPointF(20, 20), 90);
  schijf.setColorAt(0, QColor(250, 250, 252));
  schijf.setColorAt(0.6, QColor(185, 190, 200));
  schijf.setColorAt(1, QColor(120, 125, 135));
  p.setBrush(schijf);
  p.drawEllipse(midden, 76, 76);
  p.setBrush(QColor(100, 100, 106));
  p.drawEllipse(midden, 14, 14);
  p.setPen(QPen(QColor(60, 60, 64), 7, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(QPointF(238, 160), QPointF(160, 70));  // the arm over the platter
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(60, 60, 64));
  p.drawEllipse(QPointF(238, 160), 14, 14);
  for (QPointF schroef : {kast.topLeft() + QPointF(12, 12), kast.topRight() + QPointF(-12, 12),
                          kast.bottomLeft() + QPointF(12, -12), kast.bottomRight() + QPointF(-12, -12)}) {
    p.setBrush(QColor(230, 230, 235));
    p.drawEllipse(schroef, 5, 5);
  }
}

// The figure: a heart on a grid of 16 x 16 bits (1 = part of the figure).
const char* const kFiguur[16] = {
    "0000000000000000", "0011110000111100", "0111111001111110", "1111111111111111",
    "1111111111111111", "1111111111111111", "1111111111111111", "0111111111111110",
    "0011111111111100", "0001111111111000", "0000111111110000", "0000011111100000",
    "0000001111000000", "0000000110000000", "0000000000000000", "0000000000000000"};

enum class Weergave { Cijfers, Blokjes, EnenGemarkeerd };

// The figure on 320 x 320: as digits, as black and white blocks, or as digits with the ones
// drawn white on marked cells.
void bitFiguur(QPainter& p, Weergave weergave) {
  const double cel = 20;
  p.fillRect(QRectF(0, 0, 320, 320), style::kPaper);
  for (int rij = 0; rij < 16; ++rij) {
    for (int kolom = 0; kolom < 16; ++kolom) {
      const bool een = kFiguur[rij][kolom] == '1';
      const QRectF vak(kolom * cel, rij * cel, cel, cel);
      if (weergave == Weergave::Blokjes) {
        p.fillRect(vak, een ? style::kInk : style::kPaper);
        continue;
      }
      if (weergave == Weergave::EnenGemarkeerd && een) p.fillRect(vak, QColor(200, 30, 30));
      const QColor inkt = weergave == Weergave::EnenGemarkeerd && een ? style::kPaper : style::kInk;
      label(p, vak, een ? "1" : "0", 14, inkt, Qt::AlignCenter, weergave == Weergave::EnenGemarkeerd && een);
    }
  }
  p.setPen(QPen(QColor(200, 200, 205), 1));
  for (int i = 1; i < 16; ++i) {
    p.drawLine(QPointF(i * cel, 0), QPointF(i * cel, 320));
    p.drawLine(QPointF(0, i * cel), QPointF(320, i * cel));
  }
}

// A line of letters as a picture (crooked, on a noisy ground, as a sign-up form shows them)
// beside the character codes that store the same letters as numbers.
void codeTekst(QPainter& p) {
  const QString woord = QStringLiteral("k7Rw3a");
  p.setPen(QPen(QColor(150, 150, 160), 1));
  p.setBrush(QColor(240, 236, 220));
  p.drawRect(QRectF(6, 10, 170, 80));
  p.setPen(QPen(QColor(170, 160, 140), 1.5));
  for (int i = 0; i < 7; ++i) p.drawLine(QPointF(6, 16 + i * 12), QPointF(176, 30 + i * 9));  // noise
  const QColor kleuren[] = {QColor(30, 60, 150), QColor(150, 30, 40), QColor(20, 110, 50)};
  for (int i = 0; i < woord.size(); ++i) {
    p.save();
    p.translate(22 + i * 26, 56 + (i % 2 ? -6 : 6));
    p.rotate(i % 2 ? 14 : -17);
    p.shear(i % 3 ? 0.2 : -0.25, 0);
    label(p, QRectF(-14, -22, 28, 44), woord.mid(i, 1), 30, kleuren[i % 3]);
    p.restore();
  }
  p.setPen(QPen(QColor(40, 40, 40), 2));
  p.drawLine(QPointF(12, 70), QPointF(170, 44));  // the line through the letters
  label(p, QRectF(180, 34, 20, 30), "=", 20);
  QStringList codes;
  for (QChar c : woord) codes.append(QString::number(c.unicode()));
  p.setPen(QPen(QColor(150, 150, 160), 1));
  p.setBrush(style::kPaper);
  p.drawRect(QRectF(202, 22, 92, 56));
  label(p, QRectF(204, 24, 88, 26), codes.mid(0, 3).join(' '), 13, style::kLabel);
  label(p, QRectF(204, 50, 88, 26), codes.mid(3).join(' '), 13, style::kLabel);
}

}  // namespace

QList<Illustration> les5Illustrations() {
  return {
      {"ImgAuto.jpg", [] { return renderDrawing({384, 244}, [](QPainter& p) { car(p, QColor(200, 20, 20)); }); }},
      {"ImgGooglePorsche.bmp", [] { return renderDrawing({600, 300}, searchResult); }},
      {"ImgGeheugen.jpg", [] { return renderDrawing({200, 200}, memoryModule); }},
      {"ImgHardDisk.jpg", [] { return renderDrawing({300, 200}, hardDisk); }},
      {"ImgBitBinair.bmp", [] { return renderDrawing({320, 320}, [](QPainter& p) { bitFiguur(p, Weergave::Cijfers); }); }},
      {"ImgBinBitmap.bmp", [] { return renderDrawing({320, 320}, [](QPainter& p) { bitFiguur(p, Weergave::Blokjes); }); }},
      {"ImgBitBinairInverted.bmp",
       [] { return renderDrawing({320, 320}, [](QPainter& p) { bitFiguur(p, Weergave::EnenGemarkeerd); }); }},
      {"ImgCodeTekst.jpg", [] { return renderDrawing({300, 100}, codeTekst); }},
  };
}

}  // namespace kwil::media
