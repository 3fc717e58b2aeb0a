#pragma once
// One encrypted connection to the student database file, held only for the length of one
// operation. Statements always take their values as bound parameters, never pasted into the
// text, so names with quotes or any other characters are stored and compared exactly.
#include <QString>
#include <QVariant>
#include <functional>

#include "selection/database/dbstatus.h"

struct sqlite3;

namespace kwil {

class DbConnection {
 public:
  enum class Mode {
    Existing,   // the file must already be there
    CreateNew,  // a new, empty file is made (only the database tool does this)
  };
  using RowHandler = std::function<void(const QVariantList& row)>;

  DbConnection() = default;
  ~DbConnection();
  DbConnection(const DbConnection&) = delete;
  DbConnection& operator=(const DbConnection&) = delete;

  // Opens the file with the database key, waits up to busyTimeoutMs for a lock another copy
  // of the program holds, and checks that the key fits and that no page of the file is
  // damaged before anything else is done.
  DbStatus open(const QString& path, int busyTimeoutMs, Mode mode = Mode::Existing);

  // Runs one statement. A QVariant that is not valid or null is bound as Null; a QDate
  // and a QTime as their stored text forms. Each result row reaches onRow with Null as an
  // invalid QVariant, whole numbers as qint64, real numbers as double and texts as QString.
  DbStatus run(const QString& sql, const QVariantList& params = {}, const RowHandler& onRow = {});

  // Rows changed by the last INSERT, UPDATE or DELETE.
  int changes() const;

  // Runs work as one transaction that takes the write lock at its start; when work fails
  // or the commit fails, everything it did is rolled back.
  DbStatus inTransaction(const std::function<DbStatus()>& work);

 private:
  DbStatus failure(int code) const;
  DbStatus checkIntact();

  QString path_;
  sqlite3* db_ = nullptr;
};

// Date and time fields are stored as text in these forms ("2026-12-07", "14:03:22"), so
// that they read and edit back unchanged.
inline const QString kDateFormat = QStringLiteral("yyyy-MM-dd");
inline const QString kTimeFormat = QStringLiteral("HH:mm:ss");

}  // namespace kwil
