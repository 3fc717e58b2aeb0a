#pragma once
// Drawn pictures of real things (a bell, a transformer, LEDs, the interfaces) and symbols
// that are not part of a circuit, in the same style as the schemas.
#include <QImage>
#include <QList>
#include <QPainter>
#include <QString>

#include <functional>

namespace kwil::media {

struct Illustration {
  QString fileName;
  std::function<QImage()> render;
};

const QList<Illustration>& illustrations();

// Draws at design size `size` on the pictures' backdrop and renders it scaled by `scale`, so
// that a large and a small version of a picture are the same drawing.
QImage renderDrawing(QSize size, const std::function<void(QPainter&)>& draw, double scale = 1.0);

// The pictures of lesson 5 (illustrations_les5.cpp).
QList<Illustration> les5Illustrations();

}  // namespace kwil::media
