// The encryption functions of the engine are only declared with this switch on.
#define SQLITE_HAS_CODEC 1
#include "selection/database/dbconnection.h"

#include "selection/database/dbkey.h"

#include <sqlcipher/sqlite3.h>

#include <QDate>
#include <QFileInfo>
#include <QStringList>
#include <QTime>

namespace kwil {

namespace {

DbError errorOf(int code) {
  switch (code & 0xff) {
    case SQLITE_OK:
    case SQLITE_ROW:
    case SQLITE_DONE:
      return DbError::None;
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
      return DbError::Busy;
    case SQLITE_NOTADB:
      return DbError::NotADatabase;
    case SQLITE_CORRUPT:
      return DbError::Damaged;
    case SQLITE_FULL:
      return DbError::DiskFull;
    case SQLITE_READONLY:
    case SQLITE_PERM:
      return DbError::ReadOnly;
    case SQLITE_IOERR:
      return DbError::IoError;
    case SQLITE_CANTOPEN:
      return DbError::CannotOpen;
    case SQLITE_ERROR:  // our statements are fixed, so this means a missing table or field
      return DbError::WrongLayout;
    case SQLITE_MISMATCH:
    case SQLITE_CONSTRAINT:
      return DbError::InvalidValue;
    default:
      return DbError::Other;
  }
}

int bindValue(sqlite3_stmt* stmt, int index, const QVariant& value) {
  if (!value.isValid() || value.isNull()) return sqlite3_bind_null(stmt, index);
  switch (value.typeId()) {
    case QMetaType::Bool:
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::Short:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
      return sqlite3_bind_int64(stmt, index, value.toLongLong());
    case QMetaType::Double:
    case QMetaType::Float:
      return sqlite3_bind_double(stmt, index, value.toDouble());
    case QMetaType::QDate:
      return bindValue(stmt, index, value.toDate().toString(kDateFormat));
    case QMetaType::QTime:
      return bindValue(stmt, index, value.toTime().toString(kTimeFormat));
    default:
      break;
  }
  const QByteArray text = value.toString().toUtf8();
  // An empty text stays an empty text: the engine would take a null pointer for Null.
  return sqlite3_bind_text(stmt, index, text.isEmpty() ? "" : text.constData(), int(text.size()),
                           SQLITE_TRANSIENT);
}

QVariant columnValue(sqlite3_stmt* stmt, int column) {
  switch (sqlite3_column_type(stmt, column)) {
    case SQLITE_INTEGER:
      return QVariant(qint64(sqlite3_column_int64(stmt, column)));
    case SQLITE_FLOAT:
      return QVariant(sqlite3_column_double(stmt, column));
    case SQLITE_TEXT:
      return QVariant(QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(stmt, column)),
                                        sqlite3_column_bytes(stmt, column)));
    case SQLITE_BLOB:
      return QVariant(QByteArray(static_cast<const char*>(sqlite3_column_blob(stmt, column)),
                                 sqlite3_column_bytes(stmt, column)));
    default:
      return {};
  }
}

}  // namespace

DbConnection::~DbConnection() { sqlite3_close_v2(db_); }

DbStatus DbConnection::failure(int code) const {
  DbStatus status{errorOf(code), db_ ? QString::fromUtf8(sqlite3_errmsg(db_)) : QString::fromUtf8(sqlite3_errstr(code))};
  // The file itself was opened; what cannot be opened now is the journal the engine makes
  // beside it for a write, which fails when the folder may not be written.
  if (status.error == DbError::CannotOpen && db_ && !QFileInfo(QFileInfo(path_).absolutePath()).isWritable())
    status.error = DbError::FolderReadOnly;
  return status;
}

DbStatus DbConnection::checkIntact() {
  // Every page is read (and its key check done) once; a damaged page would otherwise only show
  // when a statement happens to read it, after writes elsewhere had been reported as stored.
  QStringList problems;
  DbStatus status = run(QStringLiteral("PRAGMA quick_check"), {}, [&](const QVariantList& row) {
    if (row.value(0).toString() != QLatin1String("ok")) problems.append(row.value(0).toString());
  });
  // The key already fitted the first page: a page that does not decrypt now is damaged.
  if (status.error == DbError::NotADatabase) status.error = DbError::Damaged;
  if (status.ok() && !problems.isEmpty()) status = DbStatus{DbError::Damaged, problems.join(u'\n')};
  return status;
}

DbStatus DbConnection::open(const QString& path, int busyTimeoutMs, Mode mode) {
  path_ = path;
  const QFileInfo file(path);
  int flags = SQLITE_OPEN_READWRITE;
  if (mode == Mode::Existing) {
    if (!file.exists()) return DbStatus{DbError::FileMissing, path};
    if (!file.isFile()) return DbStatus{DbError::CannotOpen, path};
  } else {
    flags |= SQLITE_OPEN_CREATE;
  }
  int rc = sqlite3_open_v2(path.toUtf8().constData(), &db_, flags, nullptr);
  // The same as PRAGMA key = "x'...'": a raw key, so the engine derives nothing. The file's own
  // random salt still goes into the key that checks each page for tampering.
  const QByteArray& key = databaseKey();
  if (rc == SQLITE_OK) rc = sqlite3_key(db_, key.constData(), int(key.size()));
  if (rc != SQLITE_OK) {
    DbStatus status = failure(rc);
    sqlite3_close_v2(db_);
    db_ = nullptr;
    return status;
  }
  sqlite3_busy_timeout(db_, busyTimeoutMs);
  // The key is only tried on the first read: a wrong key or a foreign file fails here.
  DbStatus status = run(QStringLiteral("SELECT count(*) FROM sqlite_master"));
  return status.ok() ? checkIntact() : status;
}

DbStatus DbConnection::run(const QString& sql, const QVariantList& params, const RowHandler& onRow) {
  if (!db_) return DbStatus{DbError::Other, QStringLiteral("geen verbinding")};
  sqlite3_stmt* stmt = nullptr;
  int rc = sqlite3_prepare_v2(db_, sql.toUtf8().constData(), -1, &stmt, nullptr);
  for (int i = 0; rc == SQLITE_OK && i < params.size(); ++i) rc = bindValue(stmt, i + 1, params[i]);
  while (rc == SQLITE_OK || rc == SQLITE_ROW) {
    rc = sqlite3_step(stmt);
    if (rc == SQLITE_ROW && onRow) {
      QVariantList row;
      for (int c = 0; c < sqlite3_column_count(stmt); ++c) row.append(columnValue(stmt, c));
      onRow(row);
    }
  }
  DbStatus status = rc == SQLITE_DONE ? DbStatus{} : failure(rc);
  sqlite3_finalize(stmt);
  return status;
}

int DbConnection::changes() const { return db_ ? sqlite3_changes(db_) : 0; }

DbStatus DbConnection::inTransaction(const std::function<DbStatus()>& work) {
  DbStatus status = run(QStringLiteral("BEGIN IMMEDIATE"));
  if (!status.ok()) return status;
  status = work();
  if (status.ok()) status = run(QStringLiteral("COMMIT"));
  if (!status.ok()) run(QStringLiteral("ROLLBACK"));
  return status;
}

}  // namespace kwil
