#pragma once
// The reads and writes the windows make on the student database. Every operation opens the
// file, does its work and closes it again, so other copies of the program can use the same
// file between two operations; a lock another copy holds is waited for (busyTimeoutMs).
//
// A pupil is found by class and listed name (achternaam, one blank, voornaam): the first
// row in the order the rows were added whose texts are exactly equal, letter case and
// accents included. A Null name part counts as the empty text.
#include <QDate>
#include <QString>
#include <QStringList>
#include <QTime>
#include <QVariantList>
#include <QVariantMap>
#include <array>
#include <optional>

#include "selection/database/dbstatus.h"

namespace kwil {

class DbConnection;

// The settings row; a Null field reads as nothing.
struct DbSettings {
  std::optional<bool> inverteer;     // outputs written inverted
  std::optional<int> usb;            // stored interface kind
  std::optional<QString> wachtwoord;  // the teacher password
};

// What the selection needs of the pupil it has found.
struct PupilLogin {
  qint64 id = 0;
  QString voornaam;
  QString achternaam;
  std::optional<QString> wachtwoord;  // nothing while the pupil has not chosen one
  std::array<int, 6> cijfers{};       // marks of lessons 1 to 5 (index 0 unused); 0 = none
};

// A pupil as registered in the selection window.
struct NewPupil {
  QString klas;
  QString voornaam;
  QString tussenvoegsel;  // stored as one blank when empty
  QString achternaam;
  QDate aanmaakdatum;
  QTime aanmaaktijd;
};

// One pupil row for the teacher module: every field of pupilFields(), in that order.
struct PupilRow {
  qint64 id = 0;
  QVariantList values;  // Null as an invalid QVariant, marks as qint64, dates as their text

  // The value of the field of that name (letter case ignored); invalid for an unknown name.
  QVariant value(const QString& field) const;
};

class StudentDatabase {
 public:
  static constexpr int kDefaultBusyTimeoutMs = 5000;

  explicit StudentDatabase(QString path, int busyTimeoutMs = kDefaultBusyTimeoutMs);

  const QString& path() const { return path_; }

  // Settings (first row of `data`). A missing row gives WrongLayout.
  DbResult<DbSettings> readSettings() const;
  DbStatus setInverteer(bool inverted) const;
  DbStatus setUsb(int kind) const;
  DbStatus setTeacherPassword(const QString& password) const;

  // Every distinct class once, in the order it first occurs; rows without a class are left out.
  DbResult<QStringList> classes() const;
  // The listed names of the pupils of a class, in stored order; equal names appear twice.
  DbResult<QStringList> pupilsOfClass(const QString& klas) const;
  // The first pupil with this class and listed name, or nothing.
  DbResult<std::optional<PupilLogin>> findPupil(const QString& klas, const QString& leerlingNaam) const;

  // Adds a row; there is no check for an existing pupil of the same name. Gives its id.
  DbResult<qint64> registerPupil(const NewPupil& pupil) const;
  // The next three give false when no pupil matched, and then write nothing.
  DbResult<bool> setPupilPassword(const QString& klas, const QString& leerlingNaam, const QString& password) const;
  // Stores AntwLes<lesson> and CijferLes<lesson>, lesson 1 to 5.
  DbResult<bool> storeTestResult(const QString& klas, const QString& leerlingNaam, int lesson,
                                 const QString& answers, int mark) const;

  // Teacher module: the rows of one class, or of all pupils, in stored order.
  DbResult<QList<PupilRow>> pupilRows(const QString& klas) const;
  DbResult<QList<PupilRow>> allPupilRows() const;
  // Writes only the given fields of row id (names in any letter case), so what another copy
  // of the program stored meanwhile in other fields stays. A null QVariant or an empty text
  // in a mark or date field stores Null; marks must be whole numbers, dates "yyyy-MM-dd",
  // times "HH:mm:ss" (QDate and QTime are taken as well). False when the row is gone.
  DbResult<bool> updatePupilFields(qint64 id, const QVariantMap& changes) const;
  // False when the row was already gone.
  DbResult<bool> deletePupil(qint64 id) const;

 private:
  DbStatus open(DbConnection& db) const;
  DbStatus setSettingsField(const QString& field, const QVariant& value) const;
  DbResult<QList<PupilRow>> pupilRowsWhere(const QString& condition, const QVariantList& params) const;

  QString path_;
  int busyTimeoutMs_;
};

}  // namespace kwil
