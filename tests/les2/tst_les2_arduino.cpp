// Lesson 2 started from the main menu with the push button s2 of a simulated Arduino on a
// pseudo-terminal and walked to its test: the real serial driver carries every poll and every
// write, the board's buttons fill every table and its LED E1 follows each circuit.
#include <QTest>

#include "frame/les_arduino.h"
#include "les2/les2_omgeving.h"
#include "selection/hoofdmenu.h"

using namespace kwil;

class Les2Arduino : public QObject {
  Q_OBJECT
  lestest::LesOmgeving omgeving;
  lestest::ArduinoLes arduino;

 private Q_SLOTS:
  void initTestCase() { lestest::maakLes2Map(omgeving); }
  void init() {
    omgeving.begin();
    arduino.begin(omgeving);
    QCOMPARE(state().InterfaceSoort, SoortArduino);
  }
  void cleanup() {
    arduino.end();
    omgeving.end();
  }

  void vanHoofdmenuTotToets() {
    registerWindow(WindowId::Hoofdmenu, [] { return std::make_unique<Hoofdmenu>(); });
    registerWindow(WindowId::Waarheidstabel, [] { return std::make_unique<Waarheidstabel>(); });
    state().Hoofdstuk = 0;
    auto& menu = *windowAs<Hoofdmenu>(WindowId::Hoofdmenu);
    menu.Show();
    // s2 held until the menu has lit LED E2, then let go: the menu starts lesson 2.
    arduino.bord->setButtons(2);
    arduino.bijPompen([this] {
      if (arduino.bord->outputs() == 2) arduino.bord->setButtons(0);
    });
    for (int tik = 0; tik < 6 && state().Hoofdstuk != 2; ++tik) menu.TijdInterval.fire();
    arduino.bijPompen();
    QCOMPARE(state().Hoofdstuk, 2);
    auto* les = windowAs<Waarheidstabel>(WindowId::Waarheidstabel);
    QVERIFY(les->isVisible());
    QVERIFY(!menu.isVisible());
    QCOMPARE(int(state().Stap), 1);
    arduino.houdVast(*les, 0);  // the menu's last poll still answers with s2: the lesson catches up

    int vragen = 0, namen = 0;
    omgeving.basis.dialogs->onMessage = [&](const fake::FakeDialogs::Shown& m) {
      if (m.title == QStringLiteral("Vraagje")) {
        ++vragen;
        omgeving.basis.dialogs->answers.push_back(DialogService::Yes);
      } else if (m.text.startsWith(QStringLiteral("Goed zo!"))) {
        ++namen;
      } else {
        QFAIL(qPrintable(m.text));
      }
    };
    while (les->isVisible()) {
      const int stap = state().Stap;
      QVERIFY2(stap <= 30, "the lesson does not end");
      arduino.bord->pump();
      const TabelPagina p = tabelOpPagina(stap);
      const int n = gegevens(p.schakeling).schakelaars;
      const bool interactief = waarheidstabelConfig().timerStappen.count(stap) > 0;
      if (!interactief) QCOMPARE(arduino.bord->outputs(), 0);
      if (p.weergave == Weergave::Voorspellen)
        for (int rij = 1; rij <= aantalRijen(n); ++rij)
          for (int klik = 0; klik <= int(uitgangInRij(p.schakeling, rij - 1)); ++klik)
            les->celKlik(Waarheidstabel::celIndex(rij, n + 1));
      for (int rij = 0; interactief && rij < aantalRijen(n); ++rij) {
        arduino.houdVast(*les, lestest::knoppenVanRij(n, rij));
        if (QTest::currentTestFailed()) return;
        const QString waar = QStringLiteral("step %1, row %2").arg(stap).arg(rij);
        QVERIFY2(arduino.bord->outputs() == (uitgangInRij(p.schakeling, rij) ? 1 : 0), qPrintable(waar));
      }
      if (interactief) {
        arduino.houdVast(*les, 0);
        QVERIFY2(les->voortgang(stap).vol(), qPrintable(QString::number(stap)));
      }
      if (p.weergave == Weergave::Raden)
        for (int knop = Waarheidstabel::kEersteNaamKnop; knop < Waarheidstabel::kEersteNaamKnop + 4; ++knop)
          if (les->knoppen()(knop).Caption() == QString::fromLatin1(gegevens(p.schakeling).naam)) les->Command_Click(knop);
      les->Command_Click(1);
      QVERIFY2(state().Stap == stap + 1, qPrintable(QStringLiteral("refused on step %1").arg(stap)));
    }
    QCOMPARE(state().Stap, 30);
    QCOMPARE(state().LesNummer, 2);
    QVERIFY(existingWindow(WindowId::Toetsen)->isVisible());
    QCOMPARE(vragen, 3);
    QCOMPARE(namen, 2);
    QVERIFY(state().InterfaceGebruikt);
    arduino.bord->pump();
    QCOMPARE(arduino.bord->outputs(), 0);
  }
};

QTEST_MAIN(Les2Arduino)
#include "tst_les2_arduino.moc"
