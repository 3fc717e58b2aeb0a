#pragma once
// Lesson 5 shown through the registry in a program folder with its pictures.
#include "frame/les_omgeving.h"
#include "lessons/les5/binstel.h"

namespace kwil::lestest {

inline QStringList les5Plaatjes() {
  return {"ImgAuto.jpg",      "ImgGooglePorsche.bmp", "ImgGeheugen.jpg",          "ImgHardDisk.jpg",
          "ImgBitBinair.bmp", "ImgBinBitmap.bmp",     "ImgBitBinairInverted.bmp", "ImgCodeTekst.jpg"};
}

inline Binstel& toonLes5(int stap) { return toonLes<Binstel>(WindowId::Binstel, 5, stap); }

// The frames of lesson 5 that are visible, in index order.
inline QList<int> zichtbareLijsten5(Binstel& les) { return zichtbarePanelen(les, {5, 7, 8, 9, 43, 48, 50}); }

// The byte as the bit boxes show it (bit 7 first), e.g. "10011001".
inline QString bitVakken(Binstel& les) {
  QString uit;
  for (int b = 7; b >= 0; --b) uit += les.panelen()(34 + b).Caption();
  return uit;
}

}  // namespace kwil::lestest
