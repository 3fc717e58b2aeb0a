// Lesson 2 on the screen sizes it must be readable on: on every page the grid and the circuit
// stay inside the window, clear of each other and of the page text. With KWIL_SCREENSHOT_DIR
// set, each page is also saved as a picture there, for a person to look at.
#include <QTest>

#include "frame/les_beeld.h"
#include "les2/les2_omgeving.h"

using namespace kwil;

class Les2Beeld : public QObject {
  Q_OBJECT
  lestest::LesOmgeving omgeving;

 private Q_SLOTS:
  void initTestCase() { lestest::maakLes2Map(omgeving); }
  void init() { omgeving.begin(); }
  void cleanup() { omgeving.end(); }

  void paginas_data() { lestest::schermMaten(); }
  void paginas() {
    const lestest::SchermProef scherm(omgeving);
    Waarheidstabel& les = lestest::toonLes2(1);
    const QRect tekst = les.panelen()(2).widget()->geometry();
    scherm.elkePagina(les, QStringLiteral("les2"), kLes2Paginas, [&](int stap) {
      // Half the rows tried, so the picture shows a filled table with a row lit.
      if (stap == 20)
        for (int rij = 1; rij <= 4; ++rij) les.celKlik(Waarheidstabel::celIndex(rij, 3));
      lestest::opInterface(les, 1);
      lestest::opInterface(les, 3);
      lestest::vulPlaatje(les, 3);
      QList<QRect> lijsten;
      for (int p : {Waarheidstabel::kTabelPaneel, Waarheidstabel::kPlaatjePaneel, Waarheidstabel::kRaadPaneel}) {
        if (!les.panelen()(p).Visible()) continue;
        const QRect lijst = les.panelen()(p).widget()->geometry();
        const QString waar = QStringLiteral("frame %1 on step %2").arg(p).arg(stap);
        QVERIFY2(scherm.venster.contains(lijst), qPrintable(waar));
        QVERIFY2(!lijst.intersects(tekst), qPrintable(waar + " covers the text"));
        for (const QRect& ander : lijsten) QVERIFY2(!lijst.intersects(ander), qPrintable(waar + " overlaps"));
        lijsten.append(lijst);
      }
    });
  }
};

QTEST_MAIN(Les2Beeld)
#include "tst_les2_beeld.moc"
