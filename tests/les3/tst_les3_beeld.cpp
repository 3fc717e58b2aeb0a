// Lesson 3 on the screen sizes it must be readable on: the drawing of every page stays inside
// the window and above the page text. With KWIL_SCREENSHOT_DIR set, each page is also saved as
// a picture there, for a person to look at.
#include <QtTest>

#include "les3/les3_omgeving.h"

using namespace kwil;

class Les3Schermen : public QObject {
  Q_OBJECT
  lestest::LesOmgeving omgeving;

 private Q_SLOTS:
  void initTestCase() { omgeving.maakProgrammaMap({}); }
  void init() { omgeving.begin(); }
  void cleanup() { omgeving.end(); }

  void paginas_data() {
    QTest::addColumn<QSize>("scherm");
    QTest::newRow("640x480") << QSize(640, 480);
    QTest::newRow("800x600") << QSize(800, 600);
    QTest::newRow("1024x768") << QSize(1024, 768);
    QTest::newRow("1920x1080") << QSize(1920, 1080);
  }
  void paginas() {
    QFETCH(QSize, scherm);
    omgeving.basis.screen->size = scherm;
    LogSchak& les = lestest::toonLes3(1);
    const QString map = qEnvironmentVariable("KWIL_SCREENSHOT_DIR");
    const QRect venster(0, 0, scherm.width(), scherm.height());
    for (int stap = 1; stap <= kLes3Paginas; ++stap) {
      state().Stap = stap;
      les.Plaatstekst();
      les.plaatjes()(4).image() = les.plaatjes()(1).image().copy(0, 0, les.plaatjes()(4).width(), les.plaatjes()(4).height());
      const kwil::Panel& lijst = les.panelen()(3);
      QCOMPARE(lijst.Visible(), les3Beeld(stap) != Les3Beeld::Geen);
      if (lijst.Visible()) {
        const QRect rand = lijst.widget()->geometry();
        QVERIFY2(venster.contains(rand), qPrintable(QStringLiteral("drawing on step %1").arg(stap)));
        QVERIFY2(rand.bottom() < les.panelen()(2).widget()->geometry().top(),
                 qPrintable(QStringLiteral("drawing over the text on step %1").arg(stap)));
      }
      if (!map.isEmpty())
        les.grab().save(QStringLiteral("%1/les3-%2x%3-stap%4.png").arg(map).arg(scherm.width()).arg(scherm.height()).arg(stap));
    }
  }
};

QTEST_MAIN(Les3Schermen)
#include "tst_les3_beeld.moc"
