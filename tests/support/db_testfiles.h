#pragma once
// Student database files for tests, and direct reads and writes that bypass the layer under
// test so a test can check what really is in the file.
#include <QFile>
#include <QString>
#include <QVariant>
#include <QTest>

#include "selection/database/dbconnection.h"
#include "selection/database/dbschema.h"

namespace kwil::dbtest {

// A fresh database at path (teacher password "leraar"); the test fails when it cannot be made.
inline QString freshDatabase(const QString& path) {
  const DbStatus status = createDatabase(path, QStringLiteral("leraar"));
  if (!status.ok()) qFatal("cannot create test database %s: %s", qPrintable(path), qPrintable(status.detail));
  return path;
}

// Runs one statement on its own connection; gives every row.
inline QList<QVariantList> query(const QString& path, const QString& sql, const QVariantList& params = {}) {
  DbConnection db;
  DbStatus status = db.open(path, 5000);
  QList<QVariantList> rows;
  if (status.ok()) status = db.run(sql, params, [&](const QVariantList& row) { rows.append(row); });
  if (!status.ok()) qFatal("test query failed: %s: %s", qPrintable(sql), qPrintable(status.detail));
  return rows;
}

// The first column of the first row, or an invalid QVariant when there is no row.
inline QVariant cell(const QString& path, const QString& sql, const QVariantList& params = {}) {
  const QList<QVariantList> rows = query(path, sql, params);
  return rows.isEmpty() ? QVariant() : rows.first().value(0);
}

inline QByteArray fileBytes(const QString& path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

inline void writeFile(const QString& path, const QByteArray& bytes) {
  QFile f(path);
  if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size()) qFatal("cannot write %s", qPrintable(path));
}

}  // namespace kwil::dbtest
