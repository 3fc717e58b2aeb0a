#include "selection/database/dbschema.h"

#include <QFile>
#include <QFileInfo>

#include "selection/database/dbconnection.h"

namespace kwil {

namespace {

std::vector<PupilField> makePupilFields() {
  std::vector<PupilField> fields = {
      {QStringLiteral("klas"), FieldType::Text},         {QStringLiteral("voornaam"), FieldType::Text},
      {QStringLiteral("tussenvoegsel"), FieldType::Text}, {QStringLiteral("achternaam"), FieldType::Text},
      {QStringLiteral("wachtwoord"), FieldType::Text},   {QStringLiteral("Aanmaakdatum"), FieldType::Date},
      {QStringLiteral("Aanmaaktijd"), FieldType::Time},  {QStringLiteral("computernaam"), FieldType::Text},
  };
  for (int n = 1; n <= 5; ++n) fields.push_back({QStringLiteral("AntwLes%1").arg(n), FieldType::Text});
  fields.push_back({QStringLiteral("antwles6"), FieldType::Text});
  for (int n = 1; n <= 5; ++n) fields.push_back({QStringLiteral("CijferLes%1").arg(n), FieldType::Integer});
  for (int n = 6; n <= 8; ++n) fields.push_back({QStringLiteral("cijferles%1").arg(n), FieldType::Integer});
  return fields;
}

QString createPupilTableSql() {
  QStringList columns{QStringLiteral("id INTEGER PRIMARY KEY AUTOINCREMENT")};
  for (const PupilField& f : pupilFields())
    columns.append(f.name + (f.type == FieldType::Integer ? QStringLiteral(" INTEGER") : QStringLiteral(" TEXT")));
  return QStringLiteral("CREATE TABLE leerlingen (%1)").arg(columns.join(QStringLiteral(", ")));
}

DbStatus fillNewDatabase(DbConnection& db, const QString& teacherPassword) {
  return db.inTransaction([&] {
    DbStatus status = db.run(createPupilTableSql());
    if (status.ok()) status = db.run(QStringLiteral("CREATE TABLE data (Inverteer INTEGER, USB INTEGER, wachtwoord TEXT)"));
    if (status.ok())
      status = db.run(QStringLiteral("INSERT INTO data (Inverteer, USB, wachtwoord) VALUES (0, 0, ?)"), {teacherPassword});
    return status;
  });
}

}  // namespace

const std::vector<PupilField>& pupilFields() {
  static const std::vector<PupilField> fields = makePupilFields();
  return fields;
}

std::optional<PupilField> findPupilField(const QString& name) {
  for (const PupilField& f : pupilFields())
    if (f.name.compare(name, Qt::CaseInsensitive) == 0) return f;
  return std::nullopt;
}

DbStatus createDatabase(const QString& path, const QString& teacherPassword) {
  if (QFileInfo::exists(path) || QFileInfo(path).isSymLink())
    return DbStatus{DbError::AlreadyExists, path};
  // Built under a side name and moved into place only when complete, so the real name
  // never points at a half-made file; the move refuses when a file appeared meanwhile.
  const QString building = path + QStringLiteral(".nieuw");
  QFile::remove(building);
  DbStatus status;
  {
    DbConnection db;
    status = db.open(building, 0, DbConnection::Mode::CreateNew);
    if (status.ok()) status = fillNewDatabase(db, teacherPassword);
  }
  // Read and written by every pupil's account through the group of the database folder, and
  // by no one else; the engine gives its journals the mode of the database file.
  if (status.ok() && !QFile::setPermissions(building, kDatabaseFileMode)) status = DbStatus{DbError::ReadOnly, building};
  if (status.ok() && !QFile::rename(building, path))
    status = DbStatus{QFileInfo::exists(path) ? DbError::AlreadyExists : DbError::CannotOpen, path};
  QFile::remove(building);
  QFile::remove(building + QStringLiteral("-journal"));
  return status;
}

}  // namespace kwil
