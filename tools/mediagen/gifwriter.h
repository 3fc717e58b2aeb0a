#pragma once
// Qt reads GIF pictures but cannot write them, so the menu pictures are written with giflib.
#include <QImage>
#include <QString>

namespace kwil::media {

// Writes the picture as a single-frame GIF. A picture of at most 256 colours keeps its
// colours exactly; a richer one is reduced to a palette of 256 colours. Returns false (and
// leaves no file) when the file cannot be written.
bool writeGif(const QImage& picture, const QString& path);

}  // namespace kwil::media
