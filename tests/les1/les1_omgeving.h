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

inline NietEnOf& toonLes1(int stap) { return toonLes<NietEnOf>(WindowId::NietEnOf, 1, stap); }

// Walks lesson 1 from the page it shows to the hand-over to the test, the F-keys standing in
// for the interface (held together, then let go, and the polling sees the release) on the
// pages that ask for a switch, Yes to every workbook question. vragen counts the questions.
inline void loopLes1MetFToetsen(NietEnOf& les, fake::FakeDialogs& dialogen, int& vragen) {
  const QMap<int, QList<QList<int>>> taken = {
      {5, {{1}}}, {6, {{3}}}, {10, {{1}}}, {12, {{1}}}, {13, {{1}}}, {16, {{2}}},
      {18, {{1, 2}}}, {20, {{1, 2}}}, {25, {{1}}}, {26, {{1}}}};
  jaOpElkeVraag(dialogen, &vragen);
  while (les.isVisible()) {
    const int stap = state().Stap;
    QVERIFY2(stap <= 34, "the lesson does not end");
    for (const QList<int>& samen : taken.value(stap)) {
      for (int f : samen) les.keyDown(vbKeyF1 + f - 1, 0);
      for (int f : samen) les.keyUp(vbKeyF1 + f - 1, 0);
      les.timer().fire();
    }
    les.Command_Click(1);
    QVERIFY2(state().Stap == stap + 1, qPrintable(QStringLiteral("refused on step %1").arg(stap)));
  }
  dialogen.onMessage = nullptr;
}

// The picture frames of lesson 1 that are visible, in index order.
inline QList<int> zichtbareLijsten(NietEnOf& les) { return zichtbarePanelen(les, {4, 14, 16, 20, 23, 26}); }

}  // namespace kwil::lestest
