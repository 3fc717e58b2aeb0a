// Finding the student database at start-up, the way back when it is not found, and the
// tool that makes a fresh database.
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include "selection/database/databaselocation.h"
#include "shared/kwilstate.h"
#include "support/db_testfiles.h"
#include "support/fakes.h"

using namespace kwil;

namespace {

const QString kNotFound = QStringLiteral("Het database bestand is niet gevonden.\rGeef een nieuw pad op.");
const QString kWrongFile = QStringLiteral("Dit is niet het juiste database bestand.");
QString pathSet(const QString& path) {
  return QStringLiteral("Het pad naar de gegevens is ingesteld op: \r") + path + QStringLiteral("\rStart het programma opnieuw");
}

// Also keeps the file type the dialog was asked to show.
class FilterRecordingDialogs : public fake::FakeDialogs {
 public:
  QString openFile(const QString& title, const QString& filter, const QString& startDir) override {
    filters.append(filter);
    return FakeDialogs::openFile(title, filter, startDir);
  }
  QStringList filters;
};

}  // namespace

class TestDatabaseStartup : public QObject {
  Q_OBJECT

  QString toolPath_;
  QTemporaryDir programDir_;

  // Makes a database of the given kind at path.
  static void placeDatabase(const QString& path, const QString& kind) {
    QDir().mkpath(QFileInfo(path).path());
    if (kind == QLatin1String("text")) return dbtest::writeFile(path, "geen database");
    dbtest::freshDatabase(path);
    if (kind == QLatin1String("good")) dbtest::query(path, "UPDATE data SET Inverteer = 1, USB = 1");
    if (kind == QLatin1String("null USB")) dbtest::query(path, "UPDATE data SET Inverteer = 1, USB = NULL");
    if (kind == QLatin1String("null Inverteer")) dbtest::query(path, "UPDATE data SET Inverteer = NULL, USB = 1");
    if (kind == QLatin1String("no settings row")) dbtest::query(path, "DELETE FROM data");
    if (kind == QLatin1String("no data table")) dbtest::query(path, "DROP TABLE data");
  }

 private Q_SLOTS:
  void initTestCase() {
    toolPath_ = programFolder() + QStringLiteral("/kwilmora-initdb");
    QVERIFY(programDir_.isValid());
    qputenv("KWIL_PROGRAM_DIR", programDir_.path().toUtf8());
  }

  void startupFindsTheDatabaseOrAsksForIt_data() {
    QTest::addColumn<QString>("dataPath");   // the DataPath setting, relative to the program folder
    QTest::addColumn<QString>("fileAt");     // where a database lies, relative to the program folder
    QTest::addColumn<QString>("fileKind");
    QTest::addColumn<int>("kindBefore");     // 3 when an Arduino answered
    QTest::addColumn<QString>("chosen");     // answer of the file dialog
    QTest::addColumn<bool>("found");
    QTest::addColumn<int>("kindAfter");
    QTest::addColumn<QString>("storedPath");  // DataPath afterwards
    QTest::addColumn<QStringList>("messages");

    const QString def = QStringLiteral("KWILDB/Kwilmora.db");
    const QString chosen = QStringLiteral("/schijf/klas/Kwilmora.db");
    QTest::newRow("default path") << "" << def << "good" << 0 << "" << true << 1 << "" << QStringList{};
    QTest::newRow("setting wins") << "elders/Kwilmora.db" << "elders/Kwilmora.db" << "good" << 0 << "" << true << 1
                                  << "elders/Kwilmora.db" << QStringList{};
    QTest::newRow("arduino keeps 3") << "" << def << "good" << 3 << "" << true << 3 << "" << QStringList{};
    QTest::newRow("arduino skips null USB") << "" << def << "null USB" << 3 << "" << true << 3 << "" << QStringList{};
    QTest::newRow("null USB") << "" << def << "null USB" << 0 << "" << false << 0 << "" << QStringList{kNotFound, kWrongFile};
    QTest::newRow("null Inverteer") << "" << def << "null Inverteer" << 3 << "" << false << 3 << ""
                                    << QStringList{kNotFound, kWrongFile};
    QTest::newRow("no settings row") << "" << def << "no settings row" << 0 << "" << false << 0 << ""
                                     << QStringList{kNotFound, kWrongFile};
    QTest::newRow("no data table") << "" << def << "no data table" << 0 << "" << false << 0 << ""
                                   << QStringList{kNotFound, kWrongFile};
    QTest::newRow("not a database") << "" << def << "text" << 0 << "" << false << 0 << ""
                                    << QStringList{kNotFound, kWrongFile};
    QTest::newRow("setting to a lost file") << "weg/Kwilmora.db" << def << "good" << 0 << chosen << false << 0
                                            << chosen << QStringList{kNotFound, pathSet(chosen)};
    QTest::newRow("none, cancelled") << "" << "" << "" << 0 << "" << false << 0 << "" << QStringList{kNotFound, kWrongFile};
    QTest::newRow("none, right name") << "" << "" << "" << 0 << chosen << false << 0 << chosen
                                      << QStringList{kNotFound, pathSet(chosen)};
    QTest::newRow("none, name inside a longer one") << "" << "" << "" << 0 << "/d/OudKwilmora.db.bak" << false << 0
                                                    << "/d/OudKwilmora.db.bak"
                                                    << QStringList{kNotFound, pathSet("/d/OudKwilmora.db.bak")};
    QTest::newRow("none, other letter case") << "" << "" << "" << 0 << "/d/kwilmora.db" << false << 0 << ""
                                             << QStringList{kNotFound, kWrongFile};
    QTest::newRow("none, other extension") << "" << "" << "" << 0 << "/d/Kwilmora.sqlite" << false << 0 << ""
                                         << QStringList{kNotFound, kWrongFile};
  }
  void startupFindsTheDatabaseOrAsksForIt() {
    QFETCH(QString, dataPath);
    QFETCH(QString, fileAt);
    QFETCH(QString, fileKind);
    QFETCH(int, kindBefore);
    QFETCH(QString, chosen);
    QFETCH(bool, found);
    QFETCH(int, kindAfter);
    QFETCH(QString, storedPath);
    QFETCH(QStringList, messages);

    QTemporaryDir folder;
    qputenv("KWIL_PROGRAM_DIR", folder.path().toUtf8());
    const fake::Fakes fakes = fake::installBasicFakes();
    auto dialogs = std::make_unique<FilterRecordingDialogs>();
    FilterRecordingDialogs* shown = dialogs.get();
    platform().dialogs = std::move(dialogs);
    auto inFolder = [&](const QString& rel) { return rel.startsWith('/') ? rel : folder.filePath(rel); };
    if (!dataPath.isEmpty()) fakes.settings->values.insert("DataPath", inFolder(dataPath));
    if (!fileAt.isEmpty()) placeDatabase(folder.filePath(fileAt), fileKind);
    if (!chosen.isEmpty()) shown->fileAnswers.push_back(chosen);
    state().InterfaceSoort = std::int16_t(kindBefore);

    int ended = 0;
    QCOMPARE(findDatabaseAndReadSettings([&] { ++ended; }), found);

    QCOMPARE(ended, found ? 0 : 1);
    QCOMPARE(state().DatabasePad, inFolder(dataPath.isEmpty() ? QStringLiteral("KWILDB/Kwilmora.db") : dataPath));
    QCOMPARE(int(state().InterfaceSoort), kindAfter);
    QCOMPARE(state().UitgangenInverteren, found);
    QStringList texts;
    for (const fake::FakeDialogs::Shown& m : shown->messages) {
      texts.append(m.text);
      QCOMPARE(m.buttons, 0);
      QCOMPARE(m.title, QStringLiteral("Kwilmora"));
    }
    QCOMPARE(texts, messages);
    QCOMPARE(shown->filters, found ? QStringList{} : QStringList{QStringLiteral("*.db")});
    QCOMPARE(shown->fileDialogs, found ? QStringList{} : QStringList{QString()});
    const QString expectedSetting = storedPath.isEmpty() ? QString() : inFolder(storedPath);
    QCOMPARE(fakes.settings->values.value("DataPath"), expectedSetting);
  }

  void toolMakesAFreshDatabaseAndNeverOverwrites_data() {
    QTest::addColumn<QStringList>("arguments");  // "@" stands for the database path
    QTest::addColumn<QByteArray>("before");       // file content beforehand; empty = no file
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("teacherPassword");
    QTest::newRow("default password") << QStringList{"@"} << QByteArray() << 0 << "leraar";
    QTest::newRow("given password") << QStringList{"--teacher-password", "Ge heim'🙂", "@"} << QByteArray() << 0
                                    << "Ge heim'🙂";
    QTest::newRow("existing file") << QStringList{"@"} << QByteArray("pupils of many years") << 1 << "";
    QTest::newRow("no path") << QStringList{"--teacher-password", "x"} << QByteArray() << 1 << "";
    QTest::newRow("two paths") << QStringList{"@", "@"} << QByteArray() << 1 << "";
    QTest::newRow("unknown option") << QStringList{"--overwrite", "@"} << QByteArray() << 1 << "";
    // The login box takes 10 characters: a longer or an empty password would lock the teacher out.
    QTest::newRow("password of 11 characters")
        << QStringList{"--teacher-password", "0123456789A", "@"} << QByteArray() << 1 << "";
    QTest::newRow("empty password") << QStringList{"--teacher-password", "", "@"} << QByteArray() << 1 << "";
  }
  void toolMakesAFreshDatabaseAndNeverOverwrites() {
    QFETCH(QStringList, arguments);
    QFETCH(QByteArray, before);
    QFETCH(int, exitCode);
    QFETCH(QString, teacherPassword);
    QVERIFY2(QFileInfo::exists(toolPath_), qPrintable(toolPath_ + " is not built"));
    QTemporaryDir folder;
    const QString path = folder.filePath("Kwilmora.db");
    if (!before.isEmpty()) dbtest::writeFile(path, before);
    arguments.replaceInStrings(QRegularExpression("^@$"), path);

    QProcess tool;
    tool.start(toolPath_, arguments);
    QVERIFY(tool.waitForFinished(30000));
    QCOMPARE(tool.exitCode(), exitCode);
    if (!before.isEmpty()) QCOMPARE(dbtest::fileBytes(path), before);
    if (exitCode != 0) {
      QVERIFY(!tool.readAllStandardError().isEmpty());
      QCOMPARE(QDir(folder.path()).entryList(QDir::Files), before.isEmpty() ? QStringList{} : QStringList{"Kwilmora.db"});
      return;
    }
    const DbResult<DbSettings> settings = StudentDatabase(path).readSettings();
    QVERIFY(settings.ok());
    QCOMPARE(settings.value.inverteer, std::optional<bool>(false));
    QCOMPARE(settings.value.usb, std::optional<int>(0));
    QCOMPARE(settings.value.wachtwoord, std::optional<QString>(teacherPassword));
    QCOMPARE(StudentDatabase(path).allPupilRows().value.size(), 0);
    QCOMPARE(QDir(folder.path()).entryList(QDir::Files), QStringList{"Kwilmora.db"});
  }
};

QTEST_GUILESS_MAIN(TestDatabaseStartup)
#include "tst_database_startup.moc"
