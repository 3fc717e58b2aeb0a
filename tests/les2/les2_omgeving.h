#pragma once
// Lesson 2 shown through the registry in a program folder with its pictures, and the ways a
// test works its switches: through the interface's input value or with F1 to F3.
#include <QFile>

#include "frame/les_omgeving.h"
#include "interface/drivers.h"
#include "lessons/les2/les2schakelingen.h"
#include "lessons/les2/les2teksten.h"
#include "lessons/les2/waarheidstabel.h"

namespace kwil::lestest {

// Every circuit picture lesson 2 can load, by the names the lesson itself computes.
inline QStringList les2Plaatjes() {
  QStringList namen;
  for (int s = 0; s <= static_cast<int>(Schakeling::Pers); ++s) {
    const auto schakeling = static_cast<Schakeling>(s);
    for (int rij = 0; rij < aantalRijen(gegevens(schakeling).schakelaars); ++rij)
      namen.append(plaatjeInRij(schakeling, rij));
  }
  for (int stap = 1; stap <= kLes2Paginas; ++stap) {
    const TabelPagina p = tabelOpPagina(stap);
    if (p.weergave == Weergave::Voorspellen) namen.append(plaatjeZonderStand(p.schakeling));
  }
  return namen;
}

// The program folder with lesson 2's pictures: the generated drawings when the build has
// made them (so their true sizes are laid out), plain images of one size otherwise.
inline void maakLes2Map(LesOmgeving& omgeving) {
  const QString gebouwd = qEnvironmentVariable("KWIL_PROGRAM_DIR") + QStringLiteral("/Afbeeldingen/");
  omgeving.maakProgrammaMap(les2Plaatjes());
  for (const QString& naam : les2Plaatjes()) {
    const QImage echt(gebouwd + naam);
    if (!echt.isNull()) omgeving.bewaarPlaatje(naam, echt, "BMP");
  }
}

// The switches held, as the buttons' bits (s1 = 1), for a row of a table with n switches.
inline int knoppenVanRij(int n, int rij) {
  int knoppen = 0;
  for (int k = 1; k <= n; ++k)
    if (bediendInRij(n, rij, k)) knoppen |= 1 << (k - 1);
  return knoppen;
}

inline Waarheidstabel& toonLes2(int stap) { return toonLes<Waarheidstabel>(WindowId::Waarheidstabel, 2, stap); }

// The switches held on the interface (bit 0 = s1): one tick of the polling, the value taken
// as an Arduino gives it.
inline void opInterface(Waarheidstabel& les, int knoppen) {
  state().InterfaceSoort = SoortArduino;
  state().ToetsEmulatie = false;
  state().Ingangen = static_cast<std::int16_t>(knoppen);
  les.TijdInterval_Timer();
}

// What the grid shows: the output column top to bottom ("-" for an empty cell).
inline QString uitgangKolom(Waarheidstabel& les) {
  const TabelPagina p = tabelOpPagina(state().Stap);
  const int n = gegevens(p.schakeling).schakelaars;
  const int kolom = n + (p.weergave == Weergave::Voorspellen ? 2 : 1);
  QString uit;
  for (int rij = 1; rij <= aantalRijen(n); ++rij) {
    const QString c = les.cel(rij, kolom).Caption();
    uit += c.isEmpty() ? QStringLiteral("-") : c;
  }
  return uit;
}

// The whole lesson from the page it shows to the hand-over: every position of the switches
// tried with F1 to F3 on the pages with a table, the predictions clicked, the circuits named,
// Yes to every workbook question. vragen counts the questions.
inline void loopLes2MetFToetsen(Waarheidstabel& les, fake::FakeDialogs& dialogen, int& vragen) {
  jaOpElkeVraag(dialogen, &vragen);
  while (les.isVisible()) {
    const int stap = state().Stap;
    QVERIFY2(stap <= 30, "the lesson does not end");
    const TabelPagina p = tabelOpPagina(stap);
    const int n = gegevens(p.schakeling).schakelaars;
    if (p.weergave == Weergave::Voorspellen)
      for (int rij = 1; rij <= aantalRijen(n); ++rij) les.celKlik(Waarheidstabel::celIndex(rij, n + 1));
    if (p.weergave == Weergave::Invullen || p.weergave == Weergave::Raden || p.weergave == Weergave::Voorspellen) {
      for (int rij = 0; rij < aantalRijen(n); ++rij) {
        for (int k = 1; k <= n; ++k)
          if (bediendInRij(n, rij, k)) les.keyDown(vbKeyF1 + k - 1, 0);
        for (int k = 1; k <= n; ++k) les.keyUp(vbKeyF1 + k - 1, 0);
        les.timer().fire();
      }
    }
    if (p.weergave == Weergave::Raden) {
      for (int knop = Waarheidstabel::kEersteNaamKnop; knop < Waarheidstabel::kEersteNaamKnop + 4; ++knop)
        if (les.knoppen()(knop).Caption() == QString::fromLatin1(gegevens(p.schakeling).naam)) les.Command_Click(knop);
    }
    les.Command_Click(1);
    QVERIFY2(state().Stap == stap + 1, qPrintable(QStringLiteral("refused on step %1").arg(stap)));
  }
  dialogen.onMessage = nullptr;
}

}  // namespace kwil::lestest
