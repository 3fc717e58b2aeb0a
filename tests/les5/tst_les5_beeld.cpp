// Lesson 5 on the screen sizes it must be readable on: every page's frames stay inside the
// window and clear of the page text. With KWIL_SCREENSHOT_DIR set, each page is also saved as
// a picture there, for a person to look at.
#include <QtTest>

#include "les5/les5_omgeving.h"

using namespace kwil;

class Les5Beeld : public QObject {
  Q_OBJECT
  lestest::LesOmgeving omgeving;

 private Q_SLOTS:
  void initTestCase() { omgeving.maakProgrammaMap(lestest::les5Plaatjes()); }
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
    Binstel& les = lestest::toonLes5(1);
    const QString map = qEnvironmentVariable("KWIL_SCREENSHOT_DIR");
    const QRect venster(0, 0, scherm.width(), scherm.height());
    const QRect tekst = les.plaatjes()(3).widget()->geometry();
    for (int stap = 1; stap <= kLes5Paginas; ++stap) {
      state().Stap = stap;
      les.Plaatstekst();
      les.plaatjes()(3).image() = les.plaatjes()(1).image().copy(0, 0, les.plaatjes()(3).width(), les.plaatjes()(3).height());
      for (int p : lestest::zichtbareLijsten5(les)) {
        const QRect lijst = les.panelen()(p).widget()->geometry();
        const QString waar = QStringLiteral("frame %1 on step %2").arg(p).arg(stap);
        QVERIFY2(venster.contains(lijst), qPrintable(waar));
        QVERIFY2(!lijst.intersects(tekst), qPrintable(waar));
      }
      if (!map.isEmpty())
        les.grab().save(QStringLiteral("%1/les5-%2x%3-stap%4.png").arg(map).arg(scherm.width()).arg(scherm.height()).arg(stap));
    }
  }
};

QTEST_MAIN(Les5Beeld)
#include "tst_les5_beeld.moc"
