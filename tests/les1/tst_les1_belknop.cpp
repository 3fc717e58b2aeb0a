// The name plate of the on-screen bell button: "P.Tingel." on the pages about Dhr. Tingel's
// bell, "s2" on the pages where the button stands for switch s2, however the pupil came to
// the page: paging forward or back, and after Stop on a later page and a new start.
#include <QTest>

#include "les1/les1_omgeving.h"

using namespace kwil;

class Les1Belknop : public QObject {
  Q_OBJECT
  lestest::LesOmgeving omgeving;

  // Builds page after page from the page shown to `naar`, as Verder and Terug build them.
  static void loop(NietEnOf& les, int naar) { lestest::bouwPaginas(les, state().Stap, naar); }

 private Q_SLOTS:
  void initTestCase() { omgeving.maakProgrammaMap(lestest::les1Plaatjes()); }
  void init() { omgeving.begin(); }
  void cleanup() { omgeving.end(); }

  // eerder: the page reached before Stop and a new start (0: none); then the pages walked to
  // in order; the plate expected on the last one.
  void naamplaat_data() {
    QTest::addColumn<int>("eerder");
    QTest::addColumn<QList<int>>("route");
    QTest::addColumn<QString>("plaat");
    const QString tingel = QStringLiteral("P.Tingel.");
    const QString s2 = QStringLiteral("s2");
    QTest::newRow("page 10, first time") << 0 << QList<int>{10} << tingel;
    QTest::newRow("page 18, first time") << 0 << QList<int>{18} << s2;
    for (int pagina = 10; pagina <= 13; ++pagina)
      QTest::addRow("page %d after Stop on page 18", pagina) << 18 << QList<int>{pagina} << tingel;
    QTest::newRow("page 12 after Stop on page 21") << 21 << QList<int>{12} << tingel;
    QTest::newRow("back to 11 after Stop on page 18") << 18 << QList<int>{12, 11} << tingel;
    QTest::newRow("back to 14 after Stop on page 19") << 19 << QList<int>{15, 14} << tingel;
    QTest::newRow("page 18 again after Stop on page 18") << 18 << QList<int>{18} << s2;
    QTest::newRow("back to 21 from 22") << 0 << QList<int>{22, 21} << s2;
  }
  void naamplaat() {
    QFETCH(int, eerder);
    QFETCH(QList<int>, route);
    QFETCH(QString, plaat);
    NietEnOf& les = lestest::toonLes1(1);
    if (eerder > 0) {
      loop(les, eerder);
      // Stop: back to the main menu, which starts the lesson anew on page 1.
      les.Hide();
      state().Stap = 1;
      les.Show();
      QCOMPARE(state().Stap, 1);
    }
    for (int pagina : route) loop(les, pagina);
    QVERIFY(les.panelen()(23).Visible());
    QCOMPARE(les.panelen()(21).Caption(), plaat);
  }
};

QTEST_MAIN(Les1Belknop)
#include "tst_les1_belknop.moc"
