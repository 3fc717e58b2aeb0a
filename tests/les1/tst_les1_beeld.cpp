// Lesson 1 on the screen sizes it must be readable on: every page's frames stay inside the
// window and clear of the page text. With KWIL_SCREENSHOT_DIR set, each page is also saved as
// a picture there, for a person to look at.
#include <QtTest>

#include "les1/les1_omgeving.h"

using namespace kwil;

class Les1Beeld : public QObject {
  Q_OBJECT
  lestest::LesOmgeving omgeving;

 private Q_SLOTS:
  void initTestCase() { omgeving.maakProgrammaMap(lestest::les1Plaatjes()); }
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
    NietEnOf& les = lestest::toonLes1(1);
    const QString map = qEnvironmentVariable("KWIL_SCREENSHOT_DIR");
    const QRect venster(0, 0, scherm.width(), scherm.height());
    for (int stap = 1; stap <= 33; ++stap) {
      state().Stap = stap;
      les.Plaatstekst();
      les.plaatjes()(7).image() = les.plaatjes()(1).image().copy(0, 0, les.plaatjes()(7).width(), les.plaatjes()(7).height());
      for (int p : lestest::zichtbareLijsten(les)) {
        const QRect lijst = les.panelen()(p).widget()->geometry();
        QVERIFY2(venster.contains(lijst), qPrintable(QStringLiteral("frame %1 on step %2").arg(p).arg(stap)));
      }
      if (!map.isEmpty())
        les.grab().save(QStringLiteral("%1/les1-%2x%3-stap%4.png").arg(map).arg(scherm.width()).arg(scherm.height()).arg(stap));
    }
  }
};

QTEST_MAIN(Les1Beeld)
#include "tst_les1_beeld.moc"
