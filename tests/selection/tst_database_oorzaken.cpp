// Each way a database write can fail is reported with its own cause: a folder that may not be
// written (no journal) is not a file that cannot be opened, and a damaged page is found when
// the file is opened, before any write is reported as stored. New files are for the owner and
// the pupils' group only.
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QDir>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTest>
#include <functional>

#include "selection/database/studentdatabase.h"
#include "support/db_testfiles.h"

Q_DECLARE_METATYPE(kwil::DbError)

using namespace kwil;

namespace {

constexpr int kPagina = 1024;  // the page size of the engine's files
constexpr uid_t kNobody = 65534;

// Runs work in a child process as an ordinary account (nobody when the test runs as root,
// who may write anywhere) and gives its exit code, or -1 when it did not end normally.
int alsGewoneGebruiker(const std::function<int()>& work) {
  const pid_t pid = ::fork();
  if (pid == 0) {
    if (::geteuid() == 0 && (::setgid(kNobody) != 0 || ::setuid(kNobody) != 0)) ::_exit(255);
    ::_exit(work());
  }
  int status = 0;
  if (pid < 0 || ::waitpid(pid, &status, 0) != pid || !WIFEXITED(status)) return -1;
  return WEXITSTATUS(status);
}

int modeOf(const QString& path) {
  struct stat st {};
  return ::stat(QFile::encodeName(path).constData(), &st) == 0 ? int(st.st_mode & 07777) : -1;
}

void setMode(const QString& path, int mode) {
  if (::chmod(QFile::encodeName(path).constData(), mode_t(mode)) != 0) qFatal("chmod %s", qPrintable(path));
}

// A database with so many pupils that their rows fill many pages.
void vulMetLeerlingen(const QString& path, int aantal) {
  DbConnection db;
  if (!db.open(path, 5000).ok()) qFatal("cannot open %s", qPrintable(path));
  db.inTransaction([&] {
    DbStatus st;
    for (int i = 0; i < aantal && st.ok(); ++i)
      st = db.run(QStringLiteral("INSERT INTO leerlingen (klas, voornaam, achternaam, AntwLes1, CijferLes1) "
                                 "VALUES ('3B', ?, 'Jansen', 'ABCDabcdAB', 7)"),
                  {QStringLiteral("Leerling %1").arg(i)});
    return st;
  });
}

}  // namespace

class TestDatabaseOorzaken : public QObject {
  Q_OBJECT
  QTemporaryDir dir_;

 private Q_SLOTS:
  void initTestCase() {
    // The child that runs as another account must reach the files.
    setMode(dir_.path(), 0777);
  }

  // A read and a write, made by an ordinary account, on a file in each state.
  void elkeOorzaakEigenMelding_data() {
    QTest::addColumn<QString>("toestand");
    QTest::addColumn<DbError>("lezen");
    QTest::addColumn<DbError>("schrijven");
    QTest::newRow("alles in orde") << "orde" << DbError::None << DbError::None;
    QTest::newRow("map alleen-lezen, bestand beschrijfbaar") << "map" << DbError::None << DbError::FolderReadOnly;
    QTest::newRow("bestand alleen-lezen") << "bestand" << DbError::None << DbError::ReadOnly;
    QTest::newRow("beschadigde pagina buiten wat geschreven wordt")
        << "beschadigd" << DbError::Damaged << DbError::Damaged;
  }
  void elkeOorzaakEigenMelding() {
    QFETCH(QString, toestand);
    QFETCH(DbError, lezen);
    QFETCH(DbError, schrijven);
    const QString map = dir_.filePath(toestand);
    QVERIFY(QDir().mkpath(map));
    const QString pad = dbtest::freshDatabase(map + QStringLiteral("/Kwilmora.db"));
    vulMetLeerlingen(pad, 300);
    setMode(pad, toestand == QLatin1String("bestand") ? 0444 : 0666);
    setMode(map, toestand == QLatin1String("map") ? 0555 : 0777);
    if (toestand == QLatin1String("beschadigd")) {
      // The last page holds pupils; the settings row that is written lives on an early page.
      QByteArray bytes = dbtest::fileBytes(pad);
      QVERIFY(bytes.size() >= 8 * kPagina);
      const qsizetype laatste = bytes.size() - kPagina;
      for (qsizetype i = laatste + 100; i < laatste + 200; ++i) bytes[i] = char(~bytes[i]);
      dbtest::writeFile(pad, bytes);
    }
    const QByteArray voor = dbtest::fileBytes(pad);

    const int uitkomst = alsGewoneGebruiker([&] {
      const StudentDatabase db(pad, 100);
      const DbError gelezen = db.readSettings().status.error;
      const DbError geschreven = db.setTeacherPassword(QStringLiteral("nieuw")).error;
      return int(gelezen) * 16 + int(geschreven);
    });
    setMode(map, 0777);
    QVERIFY(uitkomst >= 0);
    QCOMPARE(DbError(uitkomst / 16), lezen);
    QCOMPARE(DbError(uitkomst % 16), schrijven);
    if (schrijven != DbError::None) QCOMPARE(dbtest::fileBytes(pad), voor);
    const DbStatus melding{schrijven, {}};
    QVERIFY(!melding.message().contains(QStringLiteral("kan niet geopend worden")));
  }

  // Whatever the account's umask, a new database and the journal the engine makes beside it
  // during a write are for the owner and the group only.
  void nieuweBestandenVoorEigenaarEnGroep_data() {
    QTest::addColumn<int>("umask");
    QTest::newRow("022") << 022;
    QTest::newRow("077") << 077;
    QTest::newRow("002") << 002;
  }
  void nieuweBestandenVoorEigenaarEnGroep() {
    QFETCH(int, umask);
    const mode_t oud = ::umask(mode_t(umask));
    const QString pad = dir_.filePath(QStringLiteral("umask %1.db").arg(umask, 3, 8, QLatin1Char('0')));
    const DbStatus gemaakt = createDatabase(pad, QStringLiteral("leraar"));
    int journaal = -1;
    if (gemaakt.ok()) {
      DbConnection db;
      QVERIFY(db.open(pad, 5000).ok());
      QVERIFY(db.inTransaction([&] {
                  const DbStatus st = db.run(QStringLiteral("UPDATE data SET wachtwoord = 'x'"));
                  journaal = modeOf(pad + QStringLiteral("-journal"));
                  return st;
                }).ok());
    }
    ::umask(oud);
    QVERIFY(gemaakt.ok());
    QCOMPARE(modeOf(pad), 0660);
    QCOMPARE(journaal, 0660);
  }

  // Checking every page on every opening must stay cheap for a large school.
  void controleBijOpenenIsGoedkoop() {
    const QString pad = dbtest::freshDatabase(dir_.filePath(QStringLiteral("Groot.db")));
    vulMetLeerlingen(pad, 2000);
    const StudentDatabase db(pad);
    QElapsedTimer timer;
    timer.start();
    constexpr int kKeer = 20;
    for (int i = 0; i < kKeer; ++i) QVERIFY(db.readSettings().ok());
    const double perKeer = double(timer.elapsed()) / kKeer;
    qInfo("2000 pupils, %lld bytes: %.1f ms per opening", qlonglong(QFileInfo(pad).size()), perKeer);
    QVERIFY2(perKeer < 50, qPrintable(QString::number(perKeer)));
  }
};

QTEST_GUILESS_MAIN(TestDatabaseOorzaken)
#include "tst_database_oorzaken.moc"
