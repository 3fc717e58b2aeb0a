// Lesson 2 on the screen sizes it must be readable on: on every page the grid and the circuit
// stay inside the window, clear of each other and of the page text. With KWIL_SCREENSHOT_DIR
// set, each page is also saved as a picture there, for a person to look at.
#include <QtTest>

#include "les2/les2_omgeving.h"

using namespace kwil;

class Les2Beeld : public QObject {
  Q_OBJECT
  lestest::LesOmgeving omgeving;

 private Q_SLOTS:
  void initTestCase() { lestest::maakLes2Map(omgeving); }
  void init() { omgeving.begin(); }
  void cleanup() { omgeving.end(); }

  void paginas_data() {
    QTest::addColumn<QSize>("scherm");
    QTest::newRow("800x600") << QSize(800, 600);
    QTest::newRow("1024x768") << QSize(1024, 768);
    QTest::newRow("1920x1080") << QSize(1920, 1080);
  }
  void paginas() {
    QFETCH(QSize, scherm);
    omgeving.basis.screen->size = scherm;
    Waarheidstabel& les = lestest::toonLes2(1);
    const QString map = qEnvironmentVariable("KWIL_SCREENSHOT_DIR");
    const QRect venster(0, 0, scherm.width(), scherm.height());
    const QRect tekst = les.panelen()(2).widget()->geometry();
    for (int stap = 1; stap <= kLes2Paginas; ++stap) {
      state().Stap = stap;
      les.Plaatstekst();
      // Half the rows tried, so the picture shows a filled table with a row lit.
      if (stap == 20)
        for (int rij = 1; rij <= 4; ++rij) les.celKlik(Waarheidstabel::celIndex(rij, 3));
      lestest::opInterface(les, 1);
      lestest::opInterface(les, 3);
      les.plaatjes()(3).image() = les.plaatjes()(1).image().copy(0, 0, les.plaatjes()(3).width(), les.plaatjes()(3).height());
      QList<QRect> lijsten;
      for (int p : {Waarheidstabel::kTabelPaneel, Waarheidstabel::kPlaatjePaneel, Waarheidstabel::kRaadPaneel}) {
        if (!les.panelen()(p).Visible()) continue;
        const QRect lijst = les.panelen()(p).widget()->geometry();
        const QString waar = QStringLiteral("frame %1 on step %2").arg(p).arg(stap);
        QVERIFY2(venster.contains(lijst), qPrintable(waar));
        QVERIFY2(!lijst.intersects(tekst), qPrintable(waar + " covers the text"));
        for (const QRect& ander : lijsten) QVERIFY2(!lijst.intersects(ander), qPrintable(waar + " overlaps"));
        lijsten.append(lijst);
      }
      if (!map.isEmpty())
        les.grab().save(QStringLiteral("%1/les2-%2x%3-stap%4.png").arg(map).arg(scherm.width()).arg(scherm.height()).arg(stap));
    }
  }
};

QTEST_MAIN(Les2Beeld)
#include "tst_les2_beeld.moc"
