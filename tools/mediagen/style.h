#pragma once
// One drawing style for every picture of the course: the look of a school-book schematic,
// black on white, with wires that carry current in red.
#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainter>

namespace kwil::media::style {

inline const QColor kPaper(255, 255, 255);
inline const QColor kInk(20, 20, 20);
inline const QColor kLive(215, 0, 0);
inline const QColor kLiveFill(255, 190, 190);
inline const QColor kLabel(0, 0, 130);
constexpr double kWire = 2.5;
constexpr double kSymbolLine = 2.5;

// Labels are read at natural size on a 1024 x 768 screen.
inline QFont labelFont(int pixelSize = 16, bool bold = true) {
  QFont font("DejaVu Sans");
  font.setPixelSize(pixelSize);
  font.setBold(bold);
  font.setStyleStrategy(QFont::PreferAntialias);
  return font;
}

// A blank sheet to draw a schema on.
inline QImage paper(QSize size) {
  QImage image(size, QImage::Format_RGB32);
  image.fill(kPaper);
  return image;
}

inline void smooth(QPainter& p) {
  p.setRenderHint(QPainter::Antialiasing);
  p.setRenderHint(QPainter::TextAntialiasing);
}

}  // namespace kwil::media::style
