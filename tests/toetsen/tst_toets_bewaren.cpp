// Storing a finished test when the database is busy or away: the result is tried again for a
// round, the window keeps running in between, and the pupil is asked whether to try again
// before the result is given up.
#include <memory>

#include "support/db_lockholder.h"
#include "toets_omgeving.h"
#include "toetsen/toetsresultaat.h"

using namespace kwil;
using namespace kwil::toetstest;

namespace {

constexpr int kJa = DialogService::Yes;
constexpr int kNee = DialogService::No;
// A short round, so that a lock held through a whole round costs the test half a second.
constexpr Geduld kKorteRonde{5, 100, 10};

enum Probleem { Geen, KortBezet, BezetTotVraag, BestandWeg, LeerlingWeg };

}  // namespace

class TestToetsBewaren : public QObject {
  Q_OBJECT
  ToetsOmgeving o;

 private Q_SLOTS:
  void init() { o.begin(); }
  void cleanup() { o.end(); }

  void bewarenOnderDruk_data() {
    QTest::addColumn<int>("probleem");
    QTest::addColumn<int>("losBijVraag");        // the question at which the problem goes away (0: never)
    QTest::addColumn<QList<int>>("antwoorden");  // to "Opnieuw proberen?"
    QTest::addColumn<int>("bewaard");
    QTest::addColumn<int>("pogingenVoorVraag");  // tries made before the first question
    using A = QList<int>;
    QTest::newRow("vrij") << int(Geen) << 0 << A{} << int(Bewaard::Ja) << -1;
    QTest::newRow("langer bezet dan een poging wacht") << int(KortBezet) << 0 << A{} << int(Bewaard::Ja) << -1;
    QTest::newRow("bezet tot de vraag, ja") << int(BezetTotVraag) << 1 << A{kJa} << int(Bewaard::Ja) << 5;
    QTest::newRow("bezet tot de tweede vraag, twee keer ja")
        << int(BezetTotVraag) << 2 << A{kJa, kJa} << int(Bewaard::Ja) << 5;
    QTest::newRow("bezet, nee") << int(BezetTotVraag) << 1 << A{kNee} << int(Bewaard::DatabaseFout) << 5;
    QTest::newRow("bestand weg, terug bij de vraag, ja")
        << int(BestandWeg) << 1 << A{kJa} << int(Bewaard::Ja) << 1;
    QTest::newRow("bestand weg, nee") << int(BestandWeg) << 0 << A{kNee} << int(Bewaard::DatabaseFout) << 1;
    QTest::newRow("leerling weg: niets te proberen")
        << int(LeerlingWeg) << 0 << A{} << int(Bewaard::LeerlingOnbekend) << -1;
  }
  void bewarenOnderDruk() {
    QFETCH(int, probleem);
    QFETCH(int, losBijVraag);
    QFETCH(QList<int>, antwoorden);
    QFETCH(int, bewaard);
    QFETCH(int, pogingenVoorVraag);
    KwilState& s = state();
    s.LesNummer = 1;
    s.GegevenAntwoorden = QStringLiteral("ABCDAbcdAB");
    const QString weg = o.db + QStringLiteral(".weg");

    std::unique_ptr<dbtest::LockHolder> andereKopie;
    if (probleem == KortBezet) andereKopie = std::make_unique<dbtest::LockHolder>(o.db, 250);
    if (probleem == BezetTotVraag) andereKopie = std::make_unique<dbtest::LockHolder>(o.db, -1);
    if (probleem == BestandWeg) QVERIFY(QFile::rename(o.db, weg));
    if (probleem == LeerlingWeg) dbtest::query(o.db, QStringLiteral("DELETE FROM leerlingen"));

    // Every try after the first lets the window run once; each question is counted too.
    int vragen = 0;
    int pogingenBijEersteVraag = -1;
    o.basis.dialogs->answers.assign(antwoorden.cbegin(), antwoorden.cend());
    o.basis.dialogs->onMessage = [&](const fake::FakeDialogs::Shown& vraag) {
      ++vragen;
      QVERIFY(vraag.text.startsWith(QStringLiteral("Het cijfer kon nog niet bewaard worden.\r")));
      QVERIFY(vraag.text.endsWith(QStringLiteral("\r\rOpnieuw proberen?")));
      QCOMPARE(vraag.buttons, int(DialogService::YesNo));
      QCOMPARE(vraag.title, QStringLiteral("Vraagje"));
      if (vragen == 1) pogingenBijEersteVraag = o.basis.events->calls + 1;
      if (vragen != losBijVraag) return;
      if (andereKopie) andereKopie->release();
      if (probleem == BestandWeg) QVERIFY(QFile::rename(weg, o.db));
    };

    const BewaarUitslag uitslag = BewaarToetsResultaat(kKorteRonde);
    if (andereKopie) QVERIFY(andereKopie->finishedWell());
    if (probleem == BestandWeg && QFile::exists(weg)) QVERIFY(QFile::rename(weg, o.db));

    QCOMPARE(int(uitslag.bewaard), bewaard);
    QCOMPARE(vragen, int(antwoorden.size()));
    QCOMPARE(pogingenBijEersteVraag, pogingenVoorVraag);
    const bool opgeslagen = bewaard == int(Bewaard::Ja);
    QCOMPARE(s.Cijfers[1], opgeslagen ? 7 : 0);
    if (probleem != LeerlingWeg) QCOMPARE(o.veld(QStringLiteral("CijferLes1")), opgeslagen ? QVariant(7) : QVariant());
    if (probleem == KortBezet) QVERIFY2(o.basis.events->calls >= 1, "the window runs while the result waits");
  }
};

QTEST_MAIN(TestToetsBewaren)
#include "tst_toets_bewaren.moc"
