// The title panel of the byte frame: how many steps each movement takes and where it ends at
// two screen heights, the 5 ms pause after each step and the typed title painted a character
// at a time.
#include <QTest>

#include "les5/les5_omgeving.h"

using namespace kwil;

namespace {
// Counts the paint events a widget gets.
class Verversingen : public QObject {
 public:
  int aantal = 0;
  bool eventFilter(QObject*, QEvent* e) override {
    if (e->type() == QEvent::Paint) ++aantal;
    return false;
  }
};
}  // namespace

class Les5Animatie : public QObject {
  Q_OBJECT
  lestest::LesOmgeving omgeving;

 private Q_SLOTS:
  void initTestCase() { omgeving.maakProgrammaMap(lestest::les5Plaatjes()); }
  void init() { omgeving.begin(); }
  void cleanup() { omgeving.end(); }

  void titel_data() {
    QTest::addColumn<QSize>("scherm");
    QTest::addColumn<int>("van");
    QTest::addColumn<int>("naar");
    QTest::addColumn<QList<int>>("stappen");    // per movement
    QTest::addColumn<QList<float>>("einden");   // last value per movement, twips
    QTest::addColumn<QString>("titel");
    const QSize klein(800, 600), middel(1024, 768);  // SchaalY 1.25 and 1.6
    using I = QList<int>;
    using F = QList<float>;
    // 1275 x 1.25 = 1593.75 down to 37.5 in steps of 5: 312 values, the last 38.75.
    QTest::newRow("1.25: 11 from 12") << klein << 12 << 11 << I{312} << F{38.75f} << "8 bit's = 1 Byte.";
    QTest::newRow("1.25: 12 from 11") << klein << 11 << 12 << I{313} << F{1597.5f} << "Machtsverheffen.";
    QTest::newRow("1.25: 14 from 15") << klein << 15 << 14 << I{142, 313} << F{1555, 1597.5f} << "Machtsverheffen.";
    QTest::newRow("1.25: 15 from 14") << klein << 14 << 15 << I{312, 142} << F{38.75f, 851.25f}
                                      << "Het Binaire Stelsel.";
    QTest::newRow("1.6: 11 from 12") << middel << 12 << 11 << I{399} << F{50} << "8 bit's = 1 Byte.";
    QTest::newRow("1.6: 12 from 11") << middel << 11 << 12 << I{401} << F{2048} << "Machtsverheffen.";
    QTest::newRow("1.6: 14 from 15") << middel << 15 << 14 << I{181, 401} << F{1988, 2048} << "Machtsverheffen.";
    QTest::newRow("1.6: 15 from 14") << middel << 14 << 15 << I{399, 181} << F{50, 1092} << "Het Binaire Stelsel.";
  }
  void titel() {
    QFETCH(QSize, scherm);
    QFETCH(int, van);
    QFETCH(int, naar);
    QFETCH(QList<int>, stappen);
    QFETCH(QList<float>, einden);
    QFETCH(QString, titel);
    omgeving.basis.screen->size = scherm;
    Binstel& les = lestest::toonLes5(1);
    for (int stap = 2; stap <= 15; ++stap) {
      state().Stap = stap;
      les.Plaatstekst();
    }
    state().Stap = van;
    les.Plaatstekst();
    omgeving.basis.clock->sleeps.clear();
    const int pompen = omgeving.basis.events->calls;
    QList<int> pompenBijTypen;  // the typewriter lets no events run between its characters
    omgeving.basis.clock->onSleep = [&](int ms) {
      if (ms == 100) pompenBijTypen.append(omgeving.basis.events->calls);
    };
    Verversingen verversingen;
    kwil::Panel& paneel = les.panelen()(44);
    paneel.installEventFilter(&verversingen);
    state().Stap = naar;
    les.Plaatstekst();
    const QList<TitelBeweging>& bewegingen = les.titelBewegingen();
    QCOMPARE(bewegingen.size(), stappen.size());
    int totaal = 0;
    for (int i = 0; i < stappen.size(); ++i) {
      QCOMPARE(bewegingen[i].stappen, stappen[i]);
      QCOMPARE(bewegingen[i].laatste, einden[i]);
      totaal += stappen[i];
    }
    // The panel stands where the last step put it (to the nearest pixel).
    const bool hoogteLaatst = naar == 15;
    QVERIFY(qAbs((hoogteLaatst ? paneel.Height() : paneel.Top()) - einden.last()) <= 7.5f);
    const QList<int>& slaap = omgeving.basis.clock->sleeps;
    QCOMPARE(int(slaap.count(5)), totaal);
    QCOMPARE(int(slaap.count(100)), int(titel.size()));
    QVERIFY(omgeving.basis.events->calls - pompen >= totaal);  // events run after each step
    QCOMPARE(pompenBijTypen.size(), int(titel.size()));
    QCOMPARE(pompenBijTypen.first(), pompenBijTypen.last());
    QCOMPARE(paneel.Caption(), titel);
    QVERIFY(verversingen.aantal >= titel.size());  // every typed character is painted
  }
};

QTEST_MAIN(Les5Animatie)
#include "tst_les5_animatie.moc"
