// Two copies of the program on one database file at the same time, as on a school share:
// this test starts itself a second time, and both register pupils and make their first
// passwords through the selection window. Everything both stored must be there.
#include <QProcess>
#include <QProcessEnvironment>

#include "tst_selectie_support.h"

using namespace kwil;
using seltest::Omgeving;

namespace {

const char* kTweedeDb = "KWIL_TWEEDE_PROGRAMMA_DB";
constexpr int kLeerlingenPerProgramma = 6;
const QString kKlas = QStringLiteral("2P");

void enter(ControlArray<TextBox>& tekst, int index) {
  int toets = 13;
  tekst.events().KeyPress(index, toets);
}

void kiesRegel(Selectie& s, const QString& regel) {
  const QList<QListWidgetItem*> items = s.List->findItems(regel, Qt::MatchExactly);
  QVERIFY2(!items.isEmpty(), qPrintable(regel));
  s.List->setCurrentItem(items.first());
  s.List->events().MouseDown(0, 1, 0, 0, 0);
}

// One pupil of this copy of the program: registered, chosen, first password made, logged
// in, and back at the selection window.
void registreerEnLogIn(Selectie& s, const QString& voornaam) {
  s.Command.events().Click(4);  // "my class is not in the list" (the class may exist by now)
  QCOMPARE(int(state().SelectieStap), 5);
  s.Text(5).setText(kKlas);
  enter(s.Text, 5);
  s.Text(1).setText(voornaam);
  s.Text(3).setText(QStringLiteral("Gedeeld"));
  enter(s.Text, 3);
  QCOMPARE(int(state().SelectieStap), 1);
  kiesRegel(s, kKlas);
  kiesRegel(s, QStringLiteral("Gedeeld ") + voornaam);
  QCOMPARE(int(state().SelectieStap), 3);
  s.Text(4).setText(QStringLiteral("pw-") + voornaam);
  enter(s.Text, 4);
  QVERIFY(!s.isVisible());
  s.Show();
}

void speelProgramma(const QString& dbPad, const QString& voorvoegsel) {
  Omgeving o;
  QVERIFY(QFile::remove(o.db));
  o.settings->values.insert(QStringLiteral("DataPath"), dbPad);
  o.registreerNepVenster(WindowId::Hoofdmenu);
  Selectie* s = o.start();
  QVERIFY(s);
  for (int i = 1; i <= kLeerlingenPerProgramma; ++i) {
    registreerEnLogIn(*s, voorvoegsel + QString::number(i));
    if (QTest::currentTestFailed()) return;
  }
  // Nothing went wrong on either side: no database message was shown.
  QStringList onverwacht;
  for (const QString& t : o.meldingen())
    if (t != QStringLiteral("Je gegevens zijn toegevoegd.") && !t.startsWith(QStringLiteral("Je hebt nog geen")))
      onverwacht.append(t);
  QCOMPARE(onverwacht, QStringList{});
}

}  // namespace

class TestSelectieTweeProgrammas : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void initTestCase() { installFontSubstitutes(); }

  void bothCopiesStore() {
    if (qEnvironmentVariableIsSet(kTweedeDb)) QSKIP("this is the second copy");
    QTemporaryDir map;
    const QString pad = dbtest::freshDatabase(map.filePath(QStringLiteral("Kwilmora.db")));

    QProcess tweede;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QString::fromLatin1(kTweedeDb), pad);
    tweede.setProcessEnvironment(env);
    tweede.setProcessChannelMode(QProcess::MergedChannels);
    tweede.start(QCoreApplication::applicationFilePath(), {QStringLiteral("secondCopy")});
    QVERIFY(tweede.waitForStarted());

    speelProgramma(pad, QStringLiteral("Een"));
    QVERIFY(tweede.waitForFinished(240000));
    QVERIFY2(tweede.exitCode() == 0, tweede.readAll().constData());

    const QList<QVariantList> rijen = dbtest::query(
        pad, QStringLiteral("SELECT voornaam, wachtwoord, klas FROM leerlingen ORDER BY voornaam"));
    QCOMPARE(rijen.size(), 2 * kLeerlingenPerProgramma);
    for (const QVariantList& r : rijen) {
      QCOMPARE(r[1].toString(), QStringLiteral("pw-") + r[0].toString());
      QCOMPARE(r[2].toString(), kKlas);
    }
  }

  // The second copy of the program, started by the test above.
  void secondCopy() {
    if (!qEnvironmentVariableIsSet(kTweedeDb)) QSKIP("only as the second copy");
    speelProgramma(qEnvironmentVariable(kTweedeDb), QStringLiteral("Twee"));
  }
};

QTEST_MAIN(TestSelectieTweeProgrammas)
#include "tst_selectie_tweeprogrammas.moc"
