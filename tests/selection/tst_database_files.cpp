// What the student database layer makes of files that are not what it expects, and that
// the file is unreadable without its key.
#define SQLITE_HAS_CODEC 1
#include <sqlcipher/sqlite3.h>

#include <QDir>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTest>

#include "selection/database/dbkey.h"
#include "selection/database/dbkeyderivation.h"
#include "selection/database/studentdatabase.h"
#include "support/db_testfiles.h"

Q_DECLARE_METATYPE(kwil::DbError)

using namespace kwil;

namespace {

// A database made directly through the engine, optionally keyed with another password or
// another raw key ("x'<hex>'").
void makeForeignDatabase(const QString& path, const QByteArray& key) {
  sqlite3* raw = nullptr;
  sqlite3_open_v2(path.toUtf8().constData(), &raw, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr);
  if (!key.isEmpty()) sqlite3_key(raw, key.constData(), int(key.size()));
  const int rc = sqlite3_exec(raw, "CREATE TABLE leerlingen (klas TEXT); CREATE TABLE data (x INTEGER);", nullptr,
                              nullptr, nullptr);
  sqlite3_close(raw);
  if (rc != SQLITE_OK) qFatal("cannot make %s", qPrintable(path));
}

}  // namespace

class TestDatabaseFiles : public QObject {
  Q_OBJECT

  QTemporaryDir dir_;

 private Q_SLOTS:
  // Every kind of wrong file gives its own error to every operation, and the file stays as it was.
  void wrongFilesAreReportedAndLeftAlone_data() {
    QTest::addColumn<QString>("kind");
    QTest::addColumn<DbError>("error");
    QTest::newRow("missing") << "missing" << DbError::FileMissing;
    QTest::newRow("text file") << "text" << DbError::NotADatabase;
    QTest::newRow("other key") << "otherkey" << DbError::NotADatabase;
    QTest::newRow("other raw key") << "otherrawkey" << DbError::NotADatabase;
    QTest::newRow("program key one digit off") << "nearkey" << DbError::NotADatabase;
    QTest::newRow("no key") << "nokey" << DbError::NotADatabase;
    QTest::newRow("folder") << "folder" << DbError::CannotOpen;
    QTest::newRow("empty file") << "empty" << DbError::WrongLayout;
    QTest::newRow("damaged") << "damaged" << DbError::NotADatabase;
  }
  void wrongFilesAreReportedAndLeftAlone() {
    QFETCH(QString, kind);
    QFETCH(DbError, error);
    const QString path = dir_.filePath(kind + QStringLiteral(".db"));
    if (kind == QLatin1String("text")) dbtest::writeFile(path, "klas;naam\n3B;Piet\n");
    if (kind == QLatin1String("otherkey")) makeForeignDatabase(path, "anders");
    if (kind == QLatin1String("otherrawkey")) makeForeignDatabase(path, databaseKeyFor("anders"));
    if (kind == QLatin1String("nearkey")) {
      QByteArray key = databaseKey();
      key[key.size() - 2] = key[key.size() - 2] == '0' ? '1' : '0';
      makeForeignDatabase(path, key);
    }
    if (kind == QLatin1String("nokey")) makeForeignDatabase(path, {});
    if (kind == QLatin1String("folder")) QVERIFY(QDir(dir_.path()).mkpath(path));
    if (kind == QLatin1String("empty")) dbtest::writeFile(path, {});
    if (kind == QLatin1String("damaged")) {
      dbtest::freshDatabase(path);
      QByteArray bytes = dbtest::fileBytes(path);
      for (qsizetype i = 0; i < 64; ++i) bytes[i] = char(~bytes[i]);
      dbtest::writeFile(path, bytes);
    }
    const QByteArray before = dbtest::fileBytes(path);
    const StudentDatabase db(path);
    const NewPupil p{"3B", "Piet", "", "Jansen", QDate(2026, 1, 2), QTime(3, 4, 5)};
    const QList<DbStatus> outcomes = {
        db.readSettings().status,      db.classes().status,
        db.registerPupil(p).status,    db.storeTestResult("3B", "Jansen Piet", 1, "AAAAAAAAAA", 1).status,
        db.setTeacherPassword("x"),    db.updatePupilFields(1, {{"klas", "4C"}}).status,
        db.deletePupil(1).status,
    };
    for (const DbStatus& s : outcomes) {
      QCOMPARE(s.error, error);
      QVERIFY(!s.message().isEmpty());
    }
    QCOMPARE(dbtest::fileBytes(path), before);
    QCOMPARE(QFileInfo::exists(path), kind != QLatin1String("missing"));
  }

  // Without the key the file is noise: the engine refuses it and no name shows in its bytes.
  void fileIsUnreadableWithoutTheKey() {
    const QString path = dbtest::freshDatabase(dir_.filePath("Kwilmora.db"));
    const StudentDatabase db(path);
    QVERIFY(db.registerPupil({"Klas Geheim", "Wilhelmina", "", "Vermeulen", QDate(2026, 1, 2), QTime(3, 4, 5)}).ok());
    QVERIFY(db.setPupilPassword("Klas Geheim", "Vermeulen Wilhelmina", "Zwaardvis").value);

    // The same plain read fails without the key and works with the key given as a statement,
    // the way the engine's own command-line tool would be given it.
    const auto plainRead = [&](const QByteArray& keyStatement) {
      sqlite3* raw = nullptr;
      int rc = sqlite3_open_v2(path.toUtf8().constData(), &raw, SQLITE_OPEN_READONLY, nullptr);
      if (rc == SQLITE_OK && !keyStatement.isEmpty()) rc = sqlite3_exec(raw, keyStatement, nullptr, nullptr, nullptr);
      if (rc == SQLITE_OK) rc = sqlite3_exec(raw, "SELECT count(*) FROM leerlingen", nullptr, nullptr, nullptr);
      sqlite3_close(raw);
      return rc;
    };
    QCOMPARE(plainRead({}), SQLITE_NOTADB);
    QCOMPARE(plainRead("PRAGMA key = \"" + databaseKey() + "\""), SQLITE_OK);

    const QByteArray bytes = dbtest::fileBytes(path);
    for (const char* plain : {"SQLite format 3", "Vermeulen", "Wilhelmina", "Zwaardvis", "leerlingen", "leraar"})
      QVERIFY2(!bytes.contains(plain), plain);
  }

  // Files written by any earlier build must keep opening: the key may never change, and
  // different passwords give different keys.
  void keyIsFixedForItsPassword_data() {
    QTest::addColumn<QByteArray>("key");
    QTest::addColumn<QByteArray>("expected");
    QTest::newRow("program password") << databaseKey()
                                      << QByteArray("x'd14c88b3b8a2953d4034a8a620bcf7cf23c2cba773230b161302517f061b3c28'");
    QTest::newRow("program password stretched now")
        << databaseKeyFor("plonkar") << QByteArray("x'd14c88b3b8a2953d4034a8a620bcf7cf23c2cba773230b161302517f061b3c28'");
    QTest::newRow("other password") << databaseKeyFor("anders")
                                    << QByteArray("x'57c29ad24eb92666ce17081c3351eada1d87bffa9b5e44c286b42ad61a867fbb'");
    QTest::newRow("empty password") << databaseKeyFor({})
                                    << QByteArray("x'8d1f4ee385f0b99c0b20dd9223503cff76f7bd8c750f3c6edb38270d65d8582e'");
  }
  void keyIsFixedForItsPassword() {
    QFETCH(QByteArray, key);
    QFETCH(QByteArray, expected);
    QCOMPARE(key, expected);
  }

  // A school's database made by an earlier build, whose key was stretched at every start, opens
  // with the key compiled in now: read, written, and read again.
  void databaseOfAnEarlierBuildOpens() {
    const QString path = dir_.filePath(QStringLiteral("Eerder.db"));
    QVERIFY(QFile::copy(qEnvironmentVariable("KWIL_TEST_DATA") + QStringLiteral("/database/oude-sleutel.db"), path));
    QVERIFY(QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner));
    const StudentDatabase db(path);
    const auto settings = db.readSettings();
    QVERIFY2(settings.ok(), qPrintable(settings.status.message()));
    QCOMPARE(settings.value.wachtwoord, std::optional<QString>(QStringLiteral("meester")));
    QCOMPARE(db.classes().value, QStringList{QStringLiteral("2B")});
    QVERIFY(db.registerPupil({"3C", "Piet", "", "Bakker", QDate(2026, 1, 2), QTime(3, 4, 5)}).ok());
    QCOMPARE(StudentDatabase(path).classes().value, (QStringList{QStringLiteral("2B"), QStringLiteral("3C")}));
  }

  // Every click in the selection window opens the file once or twice; the slow key stretching
  // happens once per run, not on every open.
  void openingIsCheap() {
    const QString path = dbtest::freshDatabase(dir_.filePath("Snel.db"));
    const StudentDatabase db(path);
    QVERIFY(db.registerPupil({"3B", "Piet", "", "Jansen", QDate(2026, 1, 2), QTime(3, 4, 5)}).ok());
    QElapsedTimer timer;
    timer.start();
    for (int i = 0; i < 20; ++i) QCOMPARE(db.classes().value, QStringList{"3B"});
    QVERIFY2(timer.elapsed() < 500, qPrintable(QStringLiteral("20 opens took %1 ms").arg(timer.elapsed())));
  }
};

QTEST_GUILESS_MAIN(TestDatabaseFiles)
#include "tst_database_files.moc"
