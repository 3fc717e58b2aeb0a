#pragma once
// Drawn pictures of real things (a bell, a transformer, LEDs, the interfaces) and symbols
// that are not part of a circuit, in the same style as the schemas.
#include <QImage>
#include <QList>
#include <QString>

#include <functional>

namespace kwil::media {

struct Illustration {
  QString fileName;
  std::function<QImage()> render;
};

const QList<Illustration>& illustrations();

}  // namespace kwil::media
