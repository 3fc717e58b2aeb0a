#pragma once
// The outcome of one database operation, in a form a window can turn into a message box.
#include <QString>

namespace kwil {

enum class DbError {
  None,
  FileMissing,   // there is no file at the path
  CannotOpen,    // the file exists but cannot be opened (a folder, no access rights)
  NotADatabase,  // not a database, or a database with another key
  Busy,          // another copy of the program kept the file locked past the waiting time
  Damaged,       // the file is corrupt
  DiskFull,
  ReadOnly,      // the file may not be written
  FolderReadOnly,  // the file may be written, but its folder not: no journal can be made beside it
  IoError,       // reading or writing failed (a network share gone away)
  WrongLayout,   // a table, a field or the settings row is missing
  InvalidValue,  // a value that does not fit its field (a mark that is no number)
  AlreadyExists,  // a new database would overwrite a file
  Other,
};

struct DbStatus {
  DbError error = DbError::None;
  QString detail;  // the engine's own words, for whoever looks into a problem

  bool ok() const { return error == DbError::None; }
  // One Dutch sentence for the user; empty when all went well.
  QString message() const;
};

// A value together with the status of the operation that produced it; the value is only
// meaningful when ok().
template <typename T>
struct DbResult {
  DbStatus status;
  T value{};

  bool ok() const { return status.ok(); }
};

}  // namespace kwil
