#include "selection/database/studentdatabase.h"

#include "selection/database/dbconnection.h"
#include "selection/database/dbschema.h"

namespace kwil {

namespace {

// The pupil key: class and "achternaam voornaam", compared exactly.
const QString kListedName = QStringLiteral("COALESCE(achternaam, '') || ' ' || COALESCE(voornaam, '')");
const QString kPupilMatch = QStringLiteral("klas = ? AND %1 = ?").arg(kListedName);
const QString kFirstPupilId =
    QStringLiteral("(SELECT id FROM leerlingen WHERE %1 ORDER BY id LIMIT 1)").arg(kPupilMatch);
const QString kFirstSettingsRow = QStringLiteral("rowid = (SELECT min(rowid) FROM data)");

QString pupilColumns() {
  QStringList names{QStringLiteral("id")};
  for (const PupilField& f : pupilFields()) names.append(f.name);
  return names.join(QStringLiteral(", "));
}

bool isNull(const QVariant& v) { return !v.isValid() || v.isNull(); }

DbStatus invalidValue(const QString& field, const QVariant& v) {
  return DbStatus{DbError::InvalidValue, QStringLiteral("%1: %2").arg(field, v.toString())};
}

// The value as the field stores it, or InvalidValue.
DbResult<QVariant> storedForm(const PupilField& field, const QVariant& v) {
  if (isNull(v)) return {};
  if (field.type == FieldType::Text) return {{}, QVariant(v.toString())};
  const QString text = v.toString().trimmed();
  if (text.isEmpty() && v.typeId() == QMetaType::QString) return {};
  switch (field.type) {
    case FieldType::Integer: {
      bool whole = false;
      const qint64 n = text.toLongLong(&whole);
      if (whole) return {{}, QVariant(n)};
      break;
    }
    case FieldType::Date: {
      const QDate d = v.typeId() == QMetaType::QDate ? v.toDate() : QDate::fromString(text, kDateFormat);
      if (d.isValid()) return {{}, QVariant(d.toString(kDateFormat))};
      break;
    }
    case FieldType::Time: {
      const QTime t = v.typeId() == QMetaType::QTime ? v.toTime() : QTime::fromString(text, kTimeFormat);
      if (t.isValid()) return {{}, QVariant(t.toString(kTimeFormat))};
      break;
    }
    case FieldType::Text:
      break;
  }
  return {invalidValue(field.name, v), {}};
}

std::optional<QString> optionalText(const QVariant& v) {
  if (isNull(v)) return std::nullopt;
  return v.toString();
}

int markOf(const QVariant& v) { return isNull(v) ? 0 : v.toInt(); }

PupilRow toPupilRow(const QVariantList& row) {
  return PupilRow{row.value(0).toLongLong(), row.mid(1)};
}

}  // namespace

QVariant PupilRow::value(const QString& field) const {
  const std::vector<PupilField>& fields = pupilFields();
  for (std::size_t i = 0; i < fields.size(); ++i)
    if (fields[i].name.compare(field, Qt::CaseInsensitive) == 0) return values.value(qsizetype(i));
  return {};
}

StudentDatabase::StudentDatabase(QString path, int busyTimeoutMs) : path_(std::move(path)), busyTimeoutMs_(busyTimeoutMs) {}

DbStatus StudentDatabase::open(DbConnection& db) const { return db.open(path_, busyTimeoutMs_); }

DbResult<DbSettings> StudentDatabase::readSettings() const {
  DbConnection db;
  if (DbStatus opened = open(db); !opened.ok()) return {opened};
  std::optional<QVariantList> first;
  DbStatus status = db.run(
      QStringLiteral("SELECT Inverteer, USB, wachtwoord FROM data WHERE %1").arg(kFirstSettingsRow), {},
      [&](const QVariantList& row) { first = row; });
  if (!status.ok()) return {status};
  if (!first) return {DbStatus{DbError::WrongLayout, QStringLiteral("geen instellingen")}};
  DbSettings settings;
  bool numeric = true;
  if (!isNull(first->at(0))) settings.inverteer = first->at(0).toLongLong(&numeric) != 0;
  if (numeric && !isNull(first->at(1))) settings.usb = first->at(1).toInt(&numeric);
  if (!numeric) return {DbStatus{DbError::InvalidValue, QStringLiteral("Inverteer of USB")}};
  settings.wachtwoord = optionalText(first->at(2));
  return {{}, settings};
}

DbStatus StudentDatabase::setSettingsField(const QString& field, const QVariant& value) const {
  DbConnection db;
  DbStatus status = open(db);
  if (status.ok())
    status = db.run(QStringLiteral("UPDATE data SET %1 = ? WHERE %2").arg(field, kFirstSettingsRow), {value});
  if (status.ok() && db.changes() == 0) status = DbStatus{DbError::WrongLayout, QStringLiteral("geen instellingen")};
  return status;
}

DbStatus StudentDatabase::setInverteer(bool inverted) const {
  return setSettingsField(QStringLiteral("Inverteer"), inverted ? 1 : 0);
}

DbStatus StudentDatabase::setUsb(int kind) const {
  return setSettingsField(QStringLiteral("USB"), kind);
}

DbStatus StudentDatabase::setTeacherPassword(const QString& password) const {
  return setSettingsField(QStringLiteral("wachtwoord"), password);
}

DbResult<QStringList> StudentDatabase::classes() const {
  DbConnection db;
  if (DbStatus opened = open(db); !opened.ok()) return {opened};
  QStringList found;
  DbStatus status = db.run(QStringLiteral("SELECT klas FROM leerlingen WHERE klas IS NOT NULL ORDER BY id"), {},
                           [&](const QVariantList& row) {
                             const QString klas = row[0].toString();
                             if (!found.contains(klas, Qt::CaseSensitive)) found.append(klas);
                           });
  return {status, status.ok() ? found : QStringList()};
}

DbResult<QStringList> StudentDatabase::pupilsOfClass(const QString& klas) const {
  DbConnection db;
  if (DbStatus opened = open(db); !opened.ok()) return {opened};
  QStringList names;
  DbStatus status =
      db.run(QStringLiteral("SELECT %1 FROM leerlingen WHERE klas = ? ORDER BY id").arg(kListedName), {klas},
             [&](const QVariantList& row) { names.append(row[0].toString()); });
  return {status, status.ok() ? names : QStringList()};
}

DbResult<std::optional<PupilLogin>> StudentDatabase::findPupil(const QString& klas, const QString& leerlingNaam) const {
  DbConnection db;
  if (DbStatus opened = open(db); !opened.ok()) return {opened};
  std::optional<PupilLogin> pupil;
  const QString sql = QStringLiteral(
                          "SELECT id, voornaam, achternaam, wachtwoord, CijferLes1, CijferLes2, CijferLes3, "
                          "CijferLes4, CijferLes5 FROM leerlingen WHERE %1 ORDER BY id LIMIT 1")
                          .arg(kPupilMatch);
  DbStatus status = db.run(sql, {klas, leerlingNaam}, [&](const QVariantList& row) {
    PupilLogin p;
    p.id = row[0].toLongLong();
    p.voornaam = row[1].toString();
    p.achternaam = row[2].toString();
    p.wachtwoord = optionalText(row[3]);
    for (int n = 1; n <= 5; ++n) p.cijfers[std::size_t(n)] = markOf(row[3 + n]);
    pupil = p;
  });
  return {status, status.ok() ? pupil : std::nullopt};
}

DbResult<qint64> StudentDatabase::registerPupil(const NewPupil& pupil) const {
  DbConnection db;
  if (DbStatus opened = open(db); !opened.ok()) return {opened};
  qint64 id = 0;
  DbStatus status = db.run(
        QStringLiteral("INSERT INTO leerlingen (klas, voornaam, tussenvoegsel, achternaam, Aanmaakdatum, "
                       "Aanmaaktijd) VALUES (?, ?, ?, ?, ?, ?)"),
        {pupil.klas, pupil.voornaam, pupil.tussenvoegsel.isEmpty() ? QStringLiteral(" ") : pupil.tussenvoegsel,
         pupil.achternaam, pupil.aanmaakdatum.isValid() ? QVariant(pupil.aanmaakdatum) : QVariant(),
         pupil.aanmaaktijd.isValid() ? QVariant(pupil.aanmaaktijd) : QVariant()});
  if (status.ok())
    status = db.run(QStringLiteral("SELECT last_insert_rowid()"), {},
                    [&](const QVariantList& row) { id = row[0].toLongLong(); });
  return {status, id};
}

DbResult<bool> StudentDatabase::setPupilPassword(const QString& klas, const QString& leerlingNaam,
                                                 const QString& password) const {
  DbConnection db;
  if (DbStatus opened = open(db); !opened.ok()) return {opened};
  DbStatus status = db.run(QStringLiteral("UPDATE leerlingen SET wachtwoord = ? WHERE id = %1").arg(kFirstPupilId),
                           {password, klas, leerlingNaam});
  return {status, status.ok() && db.changes() > 0};
}

DbResult<bool> StudentDatabase::storeTestResult(const QString& klas, const QString& leerlingNaam, int lesson,
                                                const QString& answers, int mark) const {
  if (lesson < 1 || lesson > 5)
    return {DbStatus{DbError::InvalidValue, QStringLiteral("les %1").arg(lesson)}, false};
  DbConnection db;
  if (DbStatus opened = open(db); !opened.ok()) return {opened};
  const QString sql = QStringLiteral("UPDATE leerlingen SET AntwLes%1 = ?, CijferLes%1 = ? WHERE id = %2")
                          .arg(lesson)
                          .arg(kFirstPupilId);
  DbStatus status = db.run(sql, {answers, mark, klas, leerlingNaam});
  return {status, status.ok() && db.changes() > 0};
}

DbResult<QList<PupilRow>> StudentDatabase::pupilRowsWhere(const QString& condition, const QVariantList& params) const {
  DbConnection db;
  if (DbStatus opened = open(db); !opened.ok()) return {opened};
  QList<PupilRow> rows;
  DbStatus status =
      db.run(QStringLiteral("SELECT %1 FROM leerlingen WHERE %2 ORDER BY id").arg(pupilColumns(), condition), params,
             [&](const QVariantList& row) { rows.append(toPupilRow(row)); });
  return {status, status.ok() ? rows : QList<PupilRow>()};
}

DbResult<QList<PupilRow>> StudentDatabase::pupilRows(const QString& klas) const {
  return pupilRowsWhere(QStringLiteral("klas = ?"), {klas});
}

DbResult<QList<PupilRow>> StudentDatabase::allPupilRows() const { return pupilRowsWhere(QStringLiteral("1"), {}); }

DbResult<bool> StudentDatabase::updatePupilFields(qint64 id, const QVariantMap& changes) const {
  QStringList assignments;
  QVariantList params;
  for (auto it = changes.cbegin(); it != changes.cend(); ++it) {
    const std::optional<PupilField> field = findPupilField(it.key());
    if (!field) return {DbStatus{DbError::InvalidValue, it.key()}, false};
    DbResult<QVariant> stored = storedForm(*field, it.value());
    if (!stored.ok()) return {stored.status, false};
    assignments.append(field->name + QStringLiteral(" = ?"));
    params.append(stored.value);
  }
  params.append(id);
  DbConnection db;
  if (DbStatus opened = open(db); !opened.ok()) return {opened};
  if (assignments.isEmpty()) {
    bool exists = false;
    DbStatus status = db.run(QStringLiteral("SELECT 1 FROM leerlingen WHERE id = ?"), params,
                             [&](const QVariantList&) { exists = true; });
    return {status, exists};
  }
  DbStatus status = db.run(
      QStringLiteral("UPDATE leerlingen SET %1 WHERE id = ?").arg(assignments.join(QStringLiteral(", "))), params);
  return {status, status.ok() && db.changes() > 0};
}

DbResult<bool> StudentDatabase::deletePupil(qint64 id) const {
  DbConnection db;
  if (DbStatus opened = open(db); !opened.ok()) return {opened};
  DbStatus status = db.run(QStringLiteral("DELETE FROM leerlingen WHERE id = ?"), {id});
  return {status, status.ok() && db.changes() > 0};
}

}  // namespace kwil
