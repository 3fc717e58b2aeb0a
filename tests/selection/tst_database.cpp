// The student database's operations on a real encrypted file.
#include <QTemporaryDir>
#include <QTest>

#include "selection/database/studentdatabase.h"
#include "support/db_testfiles.h"

using namespace kwil;
using dbtest::cell;

namespace {

const QDate kDate(2026, 12, 7);
const QTime kTime(14, 3, 22);

NewPupil pupil(const QString& klas, const QString& voornaam, const QString& achternaam,
               const QString& tussenvoegsel = QString()) {
  return NewPupil{klas, voornaam, tussenvoegsel, achternaam, kDate, kTime};
}

}  // namespace

class TestDatabase : public QObject {
  Q_OBJECT

  QTemporaryDir dir_;
  QString path_;

  StudentDatabase db() const { return StudentDatabase(path_); }
  qint64 add(const NewPupil& p) const {
    const DbResult<qint64> r = db().registerPupil(p);
    if (!r.ok()) qFatal("registration failed: %s", qPrintable(r.status.detail));
    return r.value;
  }
  QVariant field(qint64 id, const QString& name) const {
    return cell(path_, QStringLiteral("SELECT %1 FROM leerlingen WHERE id = ?").arg(name), {id});
  }

 private Q_SLOTS:
  void init() {
    QVERIFY(dir_.isValid());
    path_ = dir_.filePath(QStringLiteral("%1.db").arg(QTest::currentDataTag() ? QTest::currentDataTag() : "x")
                              .replace(QLatin1Char('/'), QLatin1Char('_')));
    QFile::remove(path_);
    dbtest::freshDatabase(path_);
  }

  // Every kind of text is stored, listed and found back byte for byte.
  void registeredPupilIsListedAndFound_data() {
    QTest::addColumn<QString>("klas");
    QTest::addColumn<QString>("voornaam");
    QTest::addColumn<QString>("tussenvoegsel");
    QTest::addColumn<QString>("achternaam");
    QTest::addColumn<QString>("storedTussenvoegsel");
    QTest::newRow("plain") << "3B" << "Piet" << "" << "Jansen" << " ";
    QTest::newRow("prefix") << "3B" << "Anna" << "van de" << "Berg" << "van de";
    QTest::newRow("quotes") << "3'B" << "D'Arcy" << "" << "O'Brien \"Bob\"" << " ";
    QTest::newRow("accents") << "2é" << "Zoë" << "" << "Ærøskøbing-Müller" << " ";
    QTest::newRow("emoji") << "🙂klas" << "Lotte🚀" << "🙂" << "de 👍" << "🙂";
    QTest::newRow("blanks") << " 4 A " << "  Jan" << "   " << "Vries  " << "   ";
    QTest::newRow("sql text") << "x' OR '1'='1" << "'; DROP TABLE leerlingen; --" << "" << "Robert" << " ";
  }
  void registeredPupilIsListedAndFound() {
    QFETCH(QString, klas);
    QFETCH(QString, voornaam);
    QFETCH(QString, tussenvoegsel);
    QFETCH(QString, achternaam);
    QFETCH(QString, storedTussenvoegsel);
    add(pupil(QStringLiteral("anders"), QStringLiteral("Iemand"), QStringLiteral("Anders")));
    const qint64 id = add(pupil(klas, voornaam, achternaam, tussenvoegsel));
    const QString listed = achternaam + QLatin1Char(' ') + voornaam;

    QCOMPARE(db().classes().value, QStringList({QStringLiteral("anders"), klas}));
    QCOMPARE(db().pupilsOfClass(klas).value, QStringList{listed});
    const DbResult<std::optional<PupilLogin>> found = db().findPupil(klas, listed);
    QVERIFY(found.ok());
    QVERIFY(found.value.has_value());
    QCOMPARE(found.value->id, id);
    QCOMPARE(found.value->voornaam, voornaam);
    QCOMPARE(found.value->achternaam, achternaam);
    QVERIFY(!found.value->wachtwoord.has_value());
    QCOMPARE(found.value->cijfers, (std::array<int, 6>{}));

    QCOMPARE(field(id, QStringLiteral("klas")).toString(), klas);
    QCOMPARE(field(id, QStringLiteral("tussenvoegsel")).toString(), storedTussenvoegsel);
    QCOMPARE(field(id, QStringLiteral("Aanmaakdatum")).toString(), QStringLiteral("2026-12-07"));
    QCOMPARE(field(id, QStringLiteral("Aanmaaktijd")).toString(), QStringLiteral("14:03:22"));
    for (const QString& untouched : {QStringLiteral("wachtwoord"), QStringLiteral("computernaam"),
                                     QStringLiteral("AntwLes1"), QStringLiteral("CijferLes5"), QStringLiteral("cijferles8")})
      QVERIFY2(!field(id, untouched).isValid(), qPrintable(untouched));
    QCOMPARE(db().pupilRows(klas).value.size(), 1);
    QCOMPARE(db().pupilRows(klas).value.first().value(QStringLiteral("VOORNAAM")).toString(), voornaam);
  }

  // Find, password change and result storage all match the same way: exactly.
  void pupilKeyMatchesExactly_data() {
    QTest::addColumn<QString>("klas");
    QTest::addColumn<QString>("naam");
    QTest::addColumn<bool>("matches");
    QTest::newRow("exact") << "3B" << "Jansen Zoë" << true;
    QTest::newRow("class case") << "3b" << "Jansen Zoë" << false;
    QTest::newRow("name case") << "3B" << "jansen Zoë" << false;
    QTest::newRow("two blanks") << "3B" << "Jansen  Zoë" << false;
    QTest::newRow("trailing blank class") << "3B " << "Jansen Zoë" << false;
    QTest::newRow("decomposed accent") << "3B" << QStringLiteral("Jansen Zoe\u0308") << false;
    QTest::newRow("first name first") << "3B" << "Zoë Jansen" << false;
    QTest::newRow("injection") << "x' OR '1'='1" << "x' OR '1'='1" << false;
    QTest::newRow("empty") << "" << " " << false;
  }
  void pupilKeyMatchesExactly() {
    QFETCH(QString, klas);
    QFETCH(QString, naam);
    QFETCH(bool, matches);
    const qint64 id = add(pupil(QStringLiteral("3B"), QStringLiteral("Zoë"), QStringLiteral("Jansen")));
    QCOMPARE(db().findPupil(klas, naam).value.has_value(), matches);
    QCOMPARE(db().setPupilPassword(klas, naam, QStringLiteral("geheim")).value, matches);
    QCOMPARE(db().storeTestResult(klas, naam, 1, QStringLiteral("ABCDabcdAB"), 6).value, matches);
    QCOMPARE(field(id, QStringLiteral("wachtwoord")).isValid(), matches);
    QCOMPARE(field(id, QStringLiteral("CijferLes1")).isValid(), matches);
  }

  // The class filter takes the class as a value: quotes select nothing more than that class.
  void classFilterTakesTheClassLiterally_data() {
    QTest::addColumn<QString>("klas");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("quote in class") << "3'B" << QStringList{"Een A", "Drie C"};
    QTest::newRow("always true") << "x' OR '1'='1" << QStringList{"Twee B"};
    QTest::newRow("quoted empty") << "' OR ''='" << QStringList{};
    QTest::newRow("unknown") << "3B" << QStringList{};
  }
  void classFilterTakesTheClassLiterally() {
    QFETCH(QString, klas);
    QFETCH(QStringList, expected);
    add(pupil(QStringLiteral("3'B"), QStringLiteral("A"), QStringLiteral("Een")));
    add(pupil(QStringLiteral("x' OR '1'='1"), QStringLiteral("B"), QStringLiteral("Twee")));
    add(pupil(QStringLiteral("3'B"), QStringLiteral("C"), QStringLiteral("Drie")));
    QCOMPARE(db().pupilsOfClass(klas).value, expected);
    QStringList fromRows;
    for (const PupilRow& row : db().pupilRows(klas).value)
      fromRows.append(row.value(QStringLiteral("achternaam")).toString() + QLatin1Char(' ') +
                      row.value(QStringLiteral("voornaam")).toString());
    QCOMPARE(fromRows, expected);
  }

  void classesAreDistinctInFirstOccurrenceOrder() {
    for (const char* klas : {"4A", "3B", "4A", "3b", "3B"}) add(pupil(QString::fromUtf8(klas), "V", "A"));
    const qint64 noClass = add(pupil(QStringLiteral("weg"), "V", "A"));
    QVERIFY(db().updatePupilFields(noClass, {{QStringLiteral("klas"), QVariant()}}).value);
    QCOMPARE(db().classes().value, QStringList({"4A", "3B", "3b"}));
    QCOMPARE(db().allPupilRows().value.size(), 6);
  }

  // Two rows with the same key: every write goes to the first; deleting it exposes the second.
  void equalPupilsUseTheFirstRow() {
    const qint64 first = add(pupil("3B", "Piet", "Jansen"));
    const qint64 second = add(pupil("3B", "Piet", "Jansen", "van"));
    QCOMPARE(db().pupilsOfClass("3B").value, QStringList({"Jansen Piet", "Jansen Piet"}));
    QVERIFY(db().setPupilPassword("3B", "Jansen Piet", "een").value);
    QVERIFY(db().storeTestResult("3B", "Jansen Piet", 3, "ABCDABCDAB", 10).value);
    QCOMPARE(db().findPupil("3B", "Jansen Piet").value->id, first);
    QVERIFY(!field(second, "wachtwoord").isValid());
    QVERIFY(!field(second, "CijferLes3").isValid());
    QVERIFY(db().deletePupil(first).value);
    QCOMPARE(db().findPupil("3B", "Jansen Piet").value->id, second);
    QVERIFY(!db().findPupil("3B", "Jansen Piet").value->wachtwoord.has_value());
  }

  void testResultGoesToItsLesson_data() {
    QTest::addColumn<int>("lesson");
    QTest::addColumn<bool>("valid");
    for (int n = 1; n <= 5; ++n) QTest::addRow("lesson %d", n) << n << true;
    QTest::newRow("lesson 0") << 0 << false;
    QTest::newRow("lesson 6") << 6 << false;
  }
  void testResultGoesToItsLesson() {
    QFETCH(int, lesson);
    QFETCH(bool, valid);
    const qint64 id = add(pupil("3B", "Piet", "Jansen"));
    const DbResult<bool> stored = db().storeTestResult("3B", "Jansen Piet", lesson, "ABcDABCDaB", 7);
    QCOMPARE(stored.ok(), valid);
    QCOMPARE(stored.value, valid);
    std::array<int, 6> expected{};
    if (valid) expected[std::size_t(lesson)] = 7;
    QCOMPARE(db().findPupil("3B", "Jansen Piet").value->cijfers, expected);
    for (int n = 1; n <= 6; ++n)
      QCOMPARE(field(id, QStringLiteral("AntwLes%1").arg(n)).toString(),
               valid && n == lesson ? QStringLiteral("ABcDABCDaB") : QString());
  }

  void passwordIsStoredAsGiven_data() {
    QTest::addColumn<QString>("password");
    QTest::newRow("blank") << " ";
    QTest::newRow("case") << "GeHeim";
    QTest::newRow("quote and emoji") << "o'k🙂";
  }
  void passwordIsStoredAsGiven() {
    QFETCH(QString, password);
    add(pupil("3B", "Piet", "Jansen"));
    QVERIFY(db().setPupilPassword("3B", "Jansen Piet", password).value);
    QCOMPARE(db().findPupil("3B", "Jansen Piet").value->wachtwoord, std::optional<QString>(password));
  }

  // The teacher's edits: stored in the field's own form, or refused with nothing written.
  void teacherEditIsCheckedPerField_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QVariant>("value");
    QTest::addColumn<QVariant>("stored");  // invalid = Null; a refused edit leaves "before"
    QTest::addColumn<bool>("accepted");
    QTest::newRow("mark as text") << "cijferles1" << QVariant("7") << QVariant(qint64(7)) << true;
    QTest::newRow("mark any case") << "CIJFERLES6" << QVariant(8) << QVariant(qint64(8)) << true;
    QTest::newRow("mark cleared") << "CijferLes2" << QVariant("") << QVariant() << true;
    QTest::newRow("mark words") << "cijferles3" << QVariant("zeven") << QVariant(qint64(5)) << false;
    QTest::newRow("mark fraction") << "cijferles3" << QVariant(7.5) << QVariant(qint64(5)) << false;
    QTest::newRow("date") << "aanmaakdatum" << QVariant("2027-01-31") << QVariant("2027-01-31") << true;
    QTest::newRow("date other form") << "aanmaakdatum" << QVariant("31-1-2027") << QVariant("2026-12-07") << false;
    QTest::newRow("time") << "AANMAAKTIJD" << QVariant("08:15:00") << QVariant("08:15:00") << true;
    QTest::newRow("time impossible") << "aanmaaktijd" << QVariant("25:00:00") << QVariant("14:03:22") << false;
    QTest::newRow("text") << "computernaam" << QVariant("PC 12's") << QVariant("PC 12's") << true;
    QTest::newRow("text emptied") << "antwles6" << QVariant("") << QVariant("") << true;
    QTest::newRow("password removed") << "wachtwoord" << QVariant() << QVariant() << true;
    QTest::newRow("password kept") << "wachtwoord" << QVariant(" ") << QVariant(" ") << true;
    QTest::newRow("row key") << "id" << QVariant(99) << QVariant() << false;
    QTest::newRow("unknown field") << "cijferles9" << QVariant(1) << QVariant() << false;
  }
  void teacherEditIsCheckedPerField() {
    QFETCH(QString, name);
    QFETCH(QVariant, value);
    QFETCH(QVariant, stored);
    QFETCH(bool, accepted);
    const qint64 id = add(pupil("3B", "Piet", "Jansen"));
    QVERIFY(db().storeTestResult("3B", "Jansen Piet", 3, "ABCDABCDAB", 5).value);
    QVERIFY(db().setPupilPassword("3B", "Jansen Piet", "pw").value);
    const DbResult<bool> edit = db().updatePupilFields(id, {{name, value}, {QStringLiteral("voornaam"), "Pieter"}});
    QCOMPARE(edit.ok(), accepted);
    QCOMPARE(edit.value, accepted);
    if (!accepted) QCOMPARE(edit.status.error, DbError::InvalidValue);
    QCOMPARE(field(id, "voornaam").toString(), accepted ? QStringLiteral("Pieter") : QStringLiteral("Piet"));
    if (findPupilField(name)) QCOMPARE(field(id, name), stored);
    QCOMPARE(field(id, "id").toLongLong(), id);
  }

  // A result stored by another copy of the program while the teacher edits survives the edit.
  void teacherEditKeepsResultStoredMeanwhile() {
    const qint64 id = add(pupil("3B", "Piet", "Jansen"));
    const PupilRow onScreen = db().pupilRows("3B").value.first();
    QVERIFY(!onScreen.value("CijferLes2").isValid());
    const StudentDatabase otherCopy(path_);
    QVERIFY(otherCopy.storeTestResult("3B", "Jansen Piet", 2, "ABCDABCDAB", 9).value);
    QVERIFY(db().updatePupilFields(onScreen.id, {{"computernaam", "PC3"}, {"cijferles1", "4"}}).value);
    const PupilRow now = db().pupilRows("3B").value.first();
    QCOMPARE(now.id, id);
    QCOMPARE(now.value("CijferLes2"), QVariant(qint64(9)));
    QCOMPARE(now.value("AntwLes2"), QVariant("ABCDABCDAB"));
    QCOMPARE(now.value("CijferLes1"), QVariant(qint64(4)));
    QCOMPARE(now.value("computernaam"), QVariant("PC3"));
  }

  void deletedRowsStayGoneAndIdsAreNotReused() {
    const qint64 a = add(pupil("3B", "A", "Een"));
    const qint64 b = add(pupil("3B", "B", "Twee"));
    QVERIFY(db().deletePupil(b).value);
    QVERIFY(!db().deletePupil(b).value);
    QVERIFY(!db().updatePupilFields(b, {{"klas", "4C"}}).value);
    QVERIFY(!db().updatePupilFields(b, {}).value);
    QVERIFY(db().updatePupilFields(a, {}).value);
    const qint64 c = add(pupil("3B", "C", "Drie"));
    QVERIFY(c != b);
    QCOMPARE(db().pupilsOfClass("3B").value, QStringList({"Een A", "Drie C"}));
  }

  void settingsAreReadAndWrittenInTheFirstRow() {
    DbResult<DbSettings> s = db().readSettings();
    QVERIFY(s.ok());
    QCOMPARE(s.value.inverteer, std::optional<bool>(false));
    QCOMPARE(s.value.usb, std::optional<int>(0));
    QCOMPARE(s.value.wachtwoord, std::optional<QString>("leraar"));
    dbtest::query(path_, "INSERT INTO data VALUES (1, 2, 'tweede rij')");
    QVERIFY(db().setInverteer(true).ok());
    QVERIFY(db().setUsb(3).ok());
    QVERIFY(db().setTeacherPassword("Nieuw 'wacht' 🙂").ok());
    s = db().readSettings();
    QCOMPARE(s.value.inverteer, std::optional<bool>(true));
    QCOMPARE(s.value.usb, std::optional<int>(3));
    QCOMPARE(s.value.wachtwoord, std::optional<QString>("Nieuw 'wacht' 🙂"));
    QCOMPARE(cell(path_, "SELECT wachtwoord FROM data WHERE rowid = 2").toString(), QStringLiteral("tweede rij"));
    dbtest::query(path_, "UPDATE data SET Inverteer = NULL, wachtwoord = NULL WHERE rowid = 1");
    s = db().readSettings();
    QVERIFY(!s.value.inverteer.has_value());
    QVERIFY(!s.value.wachtwoord.has_value());
    QCOMPARE(s.value.usb, std::optional<int>(3));
  }

  void missingSettingsRowIsAnError() {
    dbtest::query(path_, "DELETE FROM data");
    QCOMPARE(db().readSettings().status.error, DbError::WrongLayout);
    QCOMPARE(db().setUsb(1).error, DbError::WrongLayout);
    QCOMPARE(db().setTeacherPassword("x").error, DbError::WrongLayout);
  }
};

QTEST_GUILESS_MAIN(TestDatabase)
#include "tst_database.moc"
