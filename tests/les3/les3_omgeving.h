#pragma once
// Lesson 3 shown through the registry, and how a test works its circuits.
#include "frame/les_omgeving.h"
#include "lessons/frame/invoer.h"
#include "lessons/les3/logschak.h"

namespace kwil::lestest {

inline LogSchak& toonLes3(int stap) { return toonLes<LogSchak>(WindowId::LogSchak, 3, stap); }

// E1 of each circuit page for combination 0, 1, 2 ... (bit 0 = s1, bit 1 = s2, bit 2 = s3),
// worked out by hand from what the page says.
inline const QMap<int, QString>& waarheidstabellen() {
  static const QMap<int, QString> tabellen = {
      {4, "0001"},      {5, "0111"},      {6, "10"},        {8, "1110"},      {9, "1110"},
      {10, "1000"},     {11, "1000"},     {12, "00000001"}, {13, "01111111"}, {14, "00011111"},
      {15, "00010101"}, {16, "0010"},     {17, "1000"},     {18, "1000"},     {19, "0110"},
      {20, "0100"},     {25, "01110000"}};
  return tabellen;
}

// The buttons held in combination `stand` (bit k-1 for s<k>).
inline std::array<bool, 5> knoppenVan(int stand) {
  std::array<bool, 5> held{};
  for (int k = 0; k < 5; ++k) held[static_cast<std::size_t>(k)] = stand & (1 << k);
  return held;
}

// Holds the buttons of `stand` on the parallel interface, all at once, and lets the polling
// read them; 0 lets go of every button.
inline void houdOpInterface(LesOmgeving& omgeving, LogSchak& les, int stand) {
  omgeving.hw->parallel->answer = static_cast<std::int16_t>(ingangenVanFToetsen(SoortParallel, knoppenVan(stand)));
  les.timer().fire();
}

// The buttons of combination `stand` (bit k-1 for s<k>) as a bit list of F keys.
inline QList<int> fToetsenVan(int stand) {
  QList<int> uit;
  for (int k = 0; k < 5; ++k)
    if (stand & (1 << k)) uit.append(k + 1);
  return uit;
}

// Holds the F keys of `stand` down (the frame ticks at every key), then lets them go.
inline void drukFToetsen(LogSchak& les, int stand) {
  const QList<int> toetsen = fToetsenVan(stand);
  for (int f : toetsen) les.keyDown(vbKeyF1 + f - 1, 0);
}
inline void laatFToetsenLos(LogSchak& les, int stand) {
  for (int f : fToetsenVan(stand)) les.keyUp(vbKeyF1 + f - 1, 0);
  les.timer().fire();
}

// The number of combinations of a step's circuit (2, 4 or 8), 0 on a step without one.
inline int standen(int stap) {
  const Les3Schakeling* s = les3Schakeling(stap);
  if (!s) return 0;
  QString fout;
  return 1 << SchakelExpressie::lees(s->formule, fout)->hoogsteKnop();
}

// Walks lesson 3 from the page it shows to the hand-over, every combination of each circuit
// held with the F keys, Yes to the workbook question. vragen counts the questions.
inline void loopLes3MetFToetsen(LogSchak& les, fake::FakeDialogs& dialogen, int& vragen) {
  jaOpElkeVraag(dialogen, &vragen);
  while (les.isVisible()) {
    const int stap = state().Stap;
    QVERIFY2(stap <= 31, "the lesson does not end");
    for (int stand = standen(stap) - 1; stand >= 1; --stand) {
      drukFToetsen(les, stand);
      laatFToetsenLos(les, stand);
    }
    les.Command_Click(1);
    QVERIFY2(state().Stap == stap + 1, qPrintable(QStringLiteral("refused on step %1").arg(stap)));
  }
  dialogen.onMessage = nullptr;
}

}  // namespace kwil::lestest
