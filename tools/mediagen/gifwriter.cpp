#include "gifwriter.h"

#include <QFile>
#include <QHash>
#include <gif_lib.h>

#include <vector>

namespace kwil::media {
namespace {

struct IndexedPicture {
  std::vector<GifColorType> palette;
  std::vector<GifByteType> pixels;
};

// Drawings with few colours get their own exact palette.
bool indexExactly(const QImage& rgb, IndexedPicture& out) {
  QHash<QRgb, GifByteType> indexOf;
  out.pixels.reserve(size_t(rgb.width()) * size_t(rgb.height()));
  for (int y = 0; y < rgb.height(); ++y) {
    const auto* line = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
    for (int x = 0; x < rgb.width(); ++x) {
      const QRgb colour = line[x] & 0xFFFFFFu;
      auto found = indexOf.constFind(colour);
      if (found == indexOf.constEnd()) {
        if (indexOf.size() == 256) return false;
        found = indexOf.insert(colour, GifByteType(indexOf.size()));
        out.palette.push_back(GifColorType{GifByteType(qRed(colour)), GifByteType(qGreen(colour)),
                                           GifByteType(qBlue(colour))});
      }
      out.pixels.push_back(found.value());
    }
  }
  return true;
}

bool quantise(const QImage& rgb, IndexedPicture& out) {
  const size_t count = size_t(rgb.width()) * size_t(rgb.height());
  std::vector<GifByteType> red(count), green(count), blue(count);
  size_t i = 0;
  for (int y = 0; y < rgb.height(); ++y) {
    const auto* line = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
    for (int x = 0; x < rgb.width(); ++x, ++i) {
      red[i] = GifByteType(qRed(line[x]));
      green[i] = GifByteType(qGreen(line[x]));
      blue[i] = GifByteType(qBlue(line[x]));
    }
  }
  int paletteSize = 256;
  out.palette.assign(256, GifColorType{0, 0, 0});
  out.pixels.assign(count, 0);
  if (GifQuantizeBuffer(unsigned(rgb.width()), unsigned(rgb.height()), &paletteSize, red.data(),
                        green.data(), blue.data(), out.pixels.data(), out.palette.data()) != GIF_OK)
    return false;
  out.palette.resize(size_t(paletteSize));
  return true;
}

bool writeIndexed(const IndexedPicture& picture, int width, int height, const QByteArray& path) {
  // giflib wants a palette whose size is a power of two.
  int mapSize = 2;
  while (mapSize < int(picture.palette.size())) mapSize *= 2;
  std::vector<GifColorType> colours(size_t(mapSize), GifColorType{0, 0, 0});
  std::copy(picture.palette.begin(), picture.palette.end(), colours.begin());

  int error = 0;
  GifFileType* file = EGifOpenFileName(path.constData(), false, &error);
  if (!file) return false;
  ColorMapObject* map = GifMakeMapObject(mapSize, colours.data());
  bool ok = map && EGifPutScreenDesc(file, width, height, 8, 0, map) == GIF_OK &&
            EGifPutImageDesc(file, 0, 0, width, height, false, nullptr) == GIF_OK;
  for (int y = 0; ok && y < height; ++y) {
    auto* line = const_cast<GifByteType*>(picture.pixels.data() + size_t(y) * size_t(width));
    ok = EGifPutLine(file, line, width) == GIF_OK;
  }
  GifFreeMapObject(map);
  ok = EGifCloseFile(file, &error) == GIF_OK && ok;
  return ok;
}

}  // namespace

bool writeGif(const QImage& picture, const QString& path) {
  if (picture.isNull()) return false;
  const QImage rgb = picture.convertToFormat(QImage::Format_RGB32);
  IndexedPicture indexed;
  if (!indexExactly(rgb, indexed)) {
    indexed = IndexedPicture();
    if (!quantise(rgb, indexed)) return false;
  }
  const QByteArray nativePath = QFile::encodeName(path);
  if (writeIndexed(indexed, rgb.width(), rgb.height(), nativePath)) return true;
  QFile::remove(path);
  return false;
}

}  // namespace kwil::media
