// What the student database layer makes of files that are not what it expects, and that
// the file is unreadable without its key.
#define SQLITE_HAS_CODEC 1
#include <sqlcipher/sqlite3.h>

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

#include "selection/database/studentdatabase.h"
#include "support/db_testfiles.h"

Q_DECLARE_METATYPE(kwil::DbError)

using namespace kwil;

namespace {

// A database made directly through the engine, optionally keyed with another password.
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

    sqlite3* raw = nullptr;
    QCOMPARE(sqlite3_open_v2(path.toUtf8().constData(), &raw, SQLITE_OPEN_READONLY, nullptr), SQLITE_OK);
    const int rc = sqlite3_exec(raw, "SELECT count(*) FROM leerlingen", nullptr, nullptr, nullptr);
    sqlite3_close(raw);
    QCOMPARE(rc, SQLITE_NOTADB);

    const QByteArray bytes = dbtest::fileBytes(path);
    for (const char* plain : {"SQLite format 3", "Vermeulen", "Wilhelmina", "Zwaardvis", "leerlingen", "leraar"})
      QVERIFY2(!bytes.contains(plain), plain);
  }
};

QTEST_GUILESS_MAIN(TestDatabaseFiles)
#include "tst_database_files.moc"
