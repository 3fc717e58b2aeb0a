// Lesson 5 on the screen sizes it must be readable on: every page's frames stay inside the
// window and clear of the page text, "Deci maal" takes two lines, the title slid down hides the
// outline round the bit rows, and the character table fills its box. With KWIL_SCREENSHOT_DIR
// set, each page is also saved as a picture there, for a person to look at.
#include <QTest>

#include "frame/les_beeld.h"
#include "les5/les5_omgeving.h"

using namespace kwil;

class Les5Beeld : public QObject {
  Q_OBJECT
  lestest::LesOmgeving omgeving;

 private Q_SLOTS:
  void initTestCase() { omgeving.maakProgrammaMap(lestest::les5Plaatjes()); }
  void init() { omgeving.begin(); }
  void cleanup() { omgeving.end(); }

  void paginas_data() { lestest::schermMaten(); }
  void paginas() {
    const lestest::SchermProef scherm(omgeving);
    Binstel& les = lestest::toonLes5(1);
    const QRect tekst = les.plaatjes()(3).widget()->geometry();
    scherm.elkePagina(les, QStringLiteral("les5"), kLes5Paginas, [&](int stap) {
      lestest::vulPlaatje(les, 3);
      for (int p : lestest::zichtbareLijsten5(les)) {
        const QRect lijst = les.panelen()(p).widget()->geometry();
        const QString waar = QStringLiteral("frame %1 on step %2").arg(p).arg(stap);
        QVERIFY2(scherm.venster.contains(lijst), qPrintable(waar));
        QVERIFY2(!lijst.intersects(tekst), qPrintable(waar));
      }
      const QString waar = QStringLiteral("step %1").arg(stap);
      if (les.panelen()(43).Visible())
        QVERIFY2(lestest::regelsVanOpschrift(les.panelen()(45)) == 2, qPrintable(waar + ": Deci maal"));
      if (stap >= 12 && stap <= 14)
        QVERIFY2(les.panelen()(44).geometry().bottom() >= les.vormen()(9).geometry().bottom(),
                 qPrintable(waar + ": the outline shows under the title"));
      if (stap >= 35 && stap <= 40) {
        const QImage& tabel = les.plaatjes()(2).image();
        const QRect inkt = lestest::inktVan(tabel, Qt::white);
        QVERIFY2(inkt.width() > tabel.width() * 3 / 4 && inkt.height() > tabel.height() * 3 / 4,
                 qPrintable(waar + ": the table fills " + QString::number(inkt.height()) + " of " +
                            QString::number(tabel.height()) + " pixels"));
      }
    });
  }
};

QTEST_MAIN(Les5Beeld)
#include "tst_les5_beeld.moc"
