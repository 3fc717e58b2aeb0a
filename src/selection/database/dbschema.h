#pragma once
// The two tables of the student database: a row per pupil in `leerlingen` and the program's
// settings in the first row of `data`.
#include <QFileDevice>
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

#include "selection/database/dbstatus.h"

namespace kwil {

enum class FieldType { Text, Integer, Date, Time };

struct PupilField {
  QString name;  // as the table spells it; every lookup ignores letter case
  FieldType type;
};

// The fields of `leerlingen` after its key `id`, in table order: klas, voornaam,
// tussenvoegsel, achternaam, wachtwoord, Aanmaakdatum, Aanmaaktijd, computernaam,
// AntwLes1..AntwLes5, antwles6, CijferLes1..CijferLes5, cijferles6..cijferles8.
// `id` numbers the rows in the order they were added and is never given out twice, so a
// row the teacher has on screen keeps its address while others are added and deleted.
const std::vector<PupilField>& pupilFields();

// The field of that name, letter case ignored; nothing for a name that is not a field.
std::optional<PupilField> findPupilField(const QString& name);

// The mode of a new database file: 0660, for its owner and the group of the pupils' accounts.
inline constexpr QFileDevice::Permissions kDatabaseFileMode =
    QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadUser | QFileDevice::WriteUser |
    QFileDevice::ReadGroup | QFileDevice::WriteGroup;

// Makes a new database file at path with both tables and the settings row (outputs not
// inverted, parallel port, the given teacher password), with kDatabaseFileMode. Refuses, leaving the file alone,
// when anything already exists at path; a half-made file is never left behind.
DbStatus createDatabase(const QString& path, const QString& teacherPassword);

}  // namespace kwil
