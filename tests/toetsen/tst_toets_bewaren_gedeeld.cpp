// Four copies of the program storing test results in one database on a slow share: no
// finished test may be lost. Each copy is this program started again as a writer process; its
// database engine goes through a file system whose syncs, writes and locks are slowed down as
// on a busy network share, and it stores its results through the test window's own save path.
// A writer answers "no" to every "Opnieuw proberen?", so a question counts as a lost result.
#include <QCoreApplication>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <cstdio>

#include "platform/real/systemclock.h"
#include "shared/kwilstate.h"
#include "support/db_testfiles.h"
#include "support/fakes.h"
#include "support/slow_vfs.h"
#include "toetsen/toetsresultaat.h"

using namespace kwil;

namespace {

constexpr char kSchrijver[] = "--schrijver";
constexpr int kSchrijvers = 4;
const sim::Traagheid kTrageShare{20, 1, 1};

QString leerling(int i) { return QStringLiteral("A N%1").arg(i); }

// The writer process: schrijver DATABASE KLAS AANTAL. Prints "bewaard verloren vragen".
int schrijver(const QString& database, const QString& klas, int aantal) {
  sim::installSlowFileSystem(kTrageShare);
  const fake::Fakes fakes = fake::installBasicFakes();
  fakes.events->runRealEvents = false;
  platform().clock = std::make_unique<SystemClock>();
  int bewaard = 0, verloren = 0;
  for (int i = 0; i < aantal; ++i) {
    KwilState& s = state();
    s.DatabasePad = database;
    s.Klas = klas;
    s.LeerlingNaam = leerling(i);
    s.LesNummer = 1 + i % 5;
    s.GegevenAntwoorden = QStringLiteral("ABCDabcdAB");
    (BewaarToetsResultaat().bewaard == Bewaard::Ja ? bewaard : verloren)++;
  }
  std::printf("%d %d %d\n", bewaard, verloren, int(fakes.dialogs->messages.size()));
  return 0;
}

}  // namespace

class TestToetsBewarenGedeeld : public QObject {
  Q_OBJECT
  QTemporaryDir dir_;

 private Q_SLOTS:
  void vierKopieenOpEenTrageShare() {
    const int perSchrijver = qEnvironmentVariableIntValue("KWIL_RESULTATEN_PER_SCHRIJVER") > 0
                                 ? qEnvironmentVariableIntValue("KWIL_RESULTATEN_PER_SCHRIJVER")
                                 : 25;
    const QString db = dbtest::freshDatabase(dir_.filePath(QStringLiteral("Kwilmora.db")));
    {
      DbConnection opzet;
      QVERIFY(opzet.open(db, 5000).ok());
      QVERIFY(opzet
                  .inTransaction([&] {
                    DbStatus st;
                    for (int k = 0; k < kSchrijvers && st.ok(); ++k)
                      for (int i = 0; i < perSchrijver && st.ok(); ++i)
                        st = opzet.run(QStringLiteral("INSERT INTO leerlingen (klas, voornaam, achternaam) "
                                                      "VALUES (?, ?, 'A')"),
                                       {QStringLiteral("K%1").arg(k), QStringLiteral("N%1").arg(i)});
                    return st;
                  })
                  .ok());
    }

    QElapsedTimer tijd;
    tijd.start();
    std::vector<std::unique_ptr<QProcess>> kopieen;
    for (int k = 0; k < kSchrijvers; ++k) {
      auto p = std::make_unique<QProcess>();
      p->setProcessChannelMode(QProcess::ForwardedErrorChannel);
      p->start(QCoreApplication::applicationFilePath(),
               {QString::fromLatin1(kSchrijver), db, QStringLiteral("K%1").arg(k), QString::number(perSchrijver)});
      kopieen.push_back(std::move(p));
    }
    int bewaard = 0, verloren = 0, vragen = 0;
    for (auto& p : kopieen) {
      QVERIFY(p->waitForFinished(280000));
      QCOMPARE(p->exitCode(), 0);
      const QList<QByteArray> getallen = p->readAllStandardOutput().trimmed().split(' ');
      QCOMPARE(getallen.size(), 3);
      bewaard += getallen[0].toInt();
      verloren += getallen[1].toInt();
      vragen += getallen[2].toInt();
    }
    const int inBestand =
        dbtest::cell(db, QStringLiteral("SELECT count(*) FROM leerlingen WHERE coalesce(CijferLes1, CijferLes2, "
                                        "CijferLes3, CijferLes4, CijferLes5) = 6"))
            .toInt();
    qInfo("%d copies, %d results in %.1f s: %d stored, %d lost, %d times asked to try again, %d in the file",
          kSchrijvers, kSchrijvers * perSchrijver, tijd.elapsed() / 1000.0, bewaard, verloren, vragen, inBestand);
    QCOMPARE(verloren, 0);
    QCOMPARE(vragen, 0);
    QCOMPARE(inBestand, kSchrijvers * perSchrijver);
  }
};

int main(int argc, char* argv[]) {
  if (argc == 5 && qstrcmp(argv[1], kSchrijver) == 0)
    return schrijver(QString::fromLocal8Bit(argv[2]), QString::fromLocal8Bit(argv[3]), std::atoi(argv[4]));
  QCoreApplication app(argc, argv);
  TestToetsBewarenGedeeld test;
  return QTest::qExec(&test, argc, argv);
}

#include "tst_toets_bewaren_gedeeld.moc"
