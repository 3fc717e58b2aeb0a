#pragma once
// Lesson 5 shown through the registry in a program folder with its pictures.
#include "frame/les_omgeving.h"
#include "lessons/les5/binstel.h"

namespace kwil::lestest {

inline QStringList les5Plaatjes() {
  return {"ImgAuto.jpg",      "ImgGooglePorsche.bmp", "ImgGeheugen.jpg",          "ImgHardDisk.jpg",
          "ImgBitBinair.bmp", "ImgBinBitmap.bmp",     "ImgBitBinairInverted.bmp", "ImgCodeTekst.jpg"};
}

inline Binstel& toonLes5(int stap) {
  state().Hoofdstuk = 5;
  state().Stap = stap;
  registerWindow(WindowId::Binstel, [] { return std::make_unique<Binstel>(); });
  auto* les = windowAs<Binstel>(WindowId::Binstel);
  les->Show();
  return *les;
}

// The frames of lesson 5 that are visible, in index order.
inline QList<int> zichtbareLijsten5(Binstel& les) {
  QList<int> uit;
  for (int p : {5, 7, 8, 9, 43, 48, 50})
    if (les.panelen()(p).Visible()) uit.append(p);
  return uit;
}

// The byte as the bit boxes show it (bit 7 first), e.g. "10011001".
inline QString bitVakken(Binstel& les) {
  QString uit;
  for (int b = 7; b >= 0; --b) uit += les.panelen()(34 + b).Caption();
  return uit;
}

}  // namespace kwil::lestest
