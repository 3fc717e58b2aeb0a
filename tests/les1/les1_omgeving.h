#pragma once
// Lesson 1 shown through the registry in a program folder with its pictures.
#include "frame/les_omgeving.h"
#include "lessons/les1/nietenof.h"

namespace kwil::lestest {

inline QStringList les1Plaatjes() {
  return {"ImgBeltrafo.jpg", "ImgLedAnodeKathode.jpg", "ImgLedGeel.jpg", "ImgLedGroen.jpg", "ImgLedOranje.jpg",
          "ImgLedRood.jpg", "ImgLumiLed.jpg", "ImgRatelbel.jpg", "ImgSchemaBelBediend.bmp",
          "ImgSchemaBelEnOnbediend.bmp", "ImgSchemaBelNietOnbediend.bmp", "ImgSchemaBelOfOnbediend.bmp",
          "ImgSchemaBelOnbediend.bmp", "ImgSchemaLedOnbediend.bmp", "ImgSchemaLedsE1E2E3s1s2Onbediend.bmp",
          "ImgSymboolBel.bmp", "ImgSymboolEnkpBediend.bmp", "ImgSymboolEnkpOnbediend.bmp",
          "ImgSymboolNietEnkpOnbediend.bmp", "ImgSymboolTrafo.bmp", "ImgInterfaceGroot.jpg", "ImgInterfaceKlein.jpg"};
}

inline NietEnOf& toonLes1(int stap) {
  state().Hoofdstuk = 1;
  state().Stap = stap;
  registerWindow(WindowId::NietEnOf, [] { return std::make_unique<NietEnOf>(); });
  auto* les = windowAs<NietEnOf>(WindowId::NietEnOf);
  les->Show();
  return *les;
}

// The picture frames of lesson 1 that are visible, in index order.
inline QList<int> zichtbareLijsten(NietEnOf& les) {
  QList<int> uit;
  for (int p : {4, 14, 16, 20, 23, 26})
    if (les.panelen()(p).Visible()) uit.append(p);
  return uit;
}

}  // namespace kwil::lestest
