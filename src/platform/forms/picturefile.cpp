#include "platform/forms/picturefile.h"

#include <QDir>
#include <QFileInfo>
#include <QImageReader>

namespace kwil {

namespace {

QString trimmedRight(const QString& s) {
  qsizetype end = s.size();
  while (end > 0 && s.at(end - 1) == QLatin1Char(' ')) --end;
  return s.left(end);
}

// The entry of `folder` whose name equals `name` apart from letter case and trailing blanks.
QString matchingEntry(const QString& folder, const QString& name) {
  const QString wanted = trimmedRight(name);
  const QStringList entries = QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
  for (const QString& entry : entries)
    if (trimmedRight(entry).compare(wanted, Qt::CaseInsensitive) == 0) return entry;
  return {};
}

}  // namespace

QString findFileIgnoringCase(const QString& path) {
  QString normal = path;
  normal.replace(QLatin1Char('\\'), QLatin1Char('/'));
  if (normal.isEmpty()) return {};
  if (QFileInfo::exists(normal)) return normal;
  // Walk down from the deepest folder that exists, matching each further part loosely.
  QStringList parts = normal.split(QLatin1Char('/'));
  QString found = normal.startsWith(QLatin1Char('/')) ? QStringLiteral("/") : QStringLiteral(".");
  for (const QString& part : parts) {
    if (part.isEmpty() || part == QLatin1String(".")) continue;
    const QString direct = QDir(found).filePath(part);
    if (QFileInfo::exists(direct)) {
      found = direct;
      continue;
    }
    const QString entry = matchingEntry(found, part);
    if (entry.isEmpty()) return {};
    found = QDir(found).filePath(entry);
  }
  return QFileInfo(found).isFile() ? found : QString();
}

QImage LoadPicture(const QString& path) {
  const QString file = findFileIgnoringCase(path);
  if (file.isEmpty()) return {};
  QImageReader reader(file);
  reader.setDecideFormatFromContent(true);
  return reader.read();
}

}  // namespace kwil
