// Two copies of the program on one database file (a school share): a write that finds the
// file locked waits for the other copy, and nothing either copy stores gets lost.
#include <QTemporaryDir>
#include <QTest>
#include <atomic>
#include <thread>

#include "selection/database/studentdatabase.h"
#include "support/db_lockholder.h"
#include "support/db_testfiles.h"

using namespace kwil;
using dbtest::cell;

using dbtest::LockHolder;

class TestDatabaseSharing : public QObject {
  Q_OBJECT

  QTemporaryDir dir_;
  QString path_;

  qint64 prepare() {
    path_ = dir_.filePath(QStringLiteral("%1 %2.db").arg(QTest::currentTestFunction(), QTest::currentDataTag()));
    dbtest::freshDatabase(path_);
    return StudentDatabase(path_).registerPupil({"3B", "Piet", "", "Jansen", QDate(2026, 1, 2), QTime(3, 4, 5)}).value;
  }

  // One write of each kind the program makes; a pupil row not found counts as a failure.
  static DbStatus write(const StudentDatabase& db, const QString& kind, qint64 id) {
    auto found = [](const DbResult<bool>& r) { return r.ok() && !r.value ? DbStatus{DbError::Other, {}} : r.status; };
    if (kind == QLatin1String("result")) return found(db.storeTestResult("3B", "Jansen Piet", 2, "ABCDABCDAB", 8));
    if (kind == QLatin1String("password")) return found(db.setPupilPassword("3B", "Jansen Piet", "nieuw"));
    if (kind == QLatin1String("registration")) return db.registerPupil({"3B", "An", "", "Bos", {}, {}}).status;
    if (kind == QLatin1String("teacher edit")) return found(db.updatePupilFields(id, {{"computernaam", "PC7"}}));
    if (kind == QLatin1String("delete")) return found(db.deletePupil(id));
    return db.setInverteer(true);
  }
  // Whether the write of that kind is in the file.
  bool written(const QString& kind, qint64 id) const {
    auto value = [&](const char* sql) { return cell(path_, QString::fromLatin1(sql), {id}); };
    if (kind == QLatin1String("result")) return value("SELECT CijferLes2 FROM leerlingen WHERE id = ?") == 8;
    if (kind == QLatin1String("password")) return value("SELECT wachtwoord FROM leerlingen WHERE id = ?") == "nieuw";
    if (kind == QLatin1String("registration")) return value("SELECT count(*) FROM leerlingen WHERE id <> ?") == 1;
    if (kind == QLatin1String("teacher edit")) return value("SELECT computernaam FROM leerlingen WHERE id = ?") == "PC7";
    if (kind == QLatin1String("delete")) return value("SELECT count(*) FROM leerlingen WHERE id = ?") == 0;
    return cell(path_, "SELECT Inverteer FROM data") == 1;
  }

  static void kinds() {
    QTest::addColumn<QString>("kind");
    for (const char* kind : {"result", "password", "registration", "teacher edit", "delete", "settings"})
      QTest::newRow(kind) << QString::fromLatin1(kind);
  }

 private Q_SLOTS:
  void writeWaitsForTheOtherCopy_data() { kinds(); }
  void writeWaitsForTheOtherCopy() {
    QFETCH(QString, kind);
    const qint64 id = prepare();
    LockHolder other(path_, 300);
    QCOMPARE(write(StudentDatabase(path_, 5000), kind, id).error, DbError::None);
    QVERIFY(other.finishedWell());
    QVERIFY(written(kind, id));
    QCOMPARE(cell(path_, "SELECT wachtwoord FROM data").toString(), QStringLiteral("andere kopie"));
  }

  void lockHeldTooLongIsReportedAndNothingIsHalfDone_data() { kinds(); }
  void lockHeldTooLongIsReportedAndNothingIsHalfDone() {
    QFETCH(QString, kind);
    const qint64 id = prepare();
    LockHolder other(path_, -1);
    QCOMPARE(write(StudentDatabase(path_, 100), kind, id).error, DbError::Busy);
    QVERIFY(other.finishedWell());
    QVERIFY(!written(kind, id));
    QCOMPARE(cell(path_, "SELECT wachtwoord FROM data").toString(), QStringLiteral("andere kopie"));
  }

  // Two copies registering and storing results at the same moment: every row arrives.
  void twoCopiesWritingAtOnceLoseNothing() {
    path_ = dbtest::freshDatabase(dir_.filePath("two copies.db"));
    constexpr int kPerCopy = 25;
    std::atomic<int> failures{0};
    auto copy = [&](const QString& klas) {
      const StudentDatabase db(path_);
      for (int i = 0; i < kPerCopy; ++i) {
        const QString name = QStringLiteral("N%1").arg(i);
        if (!db.registerPupil({klas, name, "", "A", {}, {}}).ok()) ++failures;
        if (!db.storeTestResult(klas, "A " + name, 1, "ABCDABCDAB", 1 + i % 10).value) ++failures;
      }
    };
    std::thread first(copy, QStringLiteral("1A"));
    std::thread second(copy, QStringLiteral("2A"));
    first.join();
    second.join();
    QCOMPARE(failures.load(), 0);
    QCOMPARE(cell(path_, "SELECT count(*) FROM leerlingen WHERE CijferLes1 IS NOT NULL").toInt(), 2 * kPerCopy);
  }
};

QTEST_GUILESS_MAIN(TestDatabaseSharing)
#include "tst_database_sharing.moc"
