#include "shared/datafiles.h"

#include <sys/stat.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QStringList>
#include <ctime>

#include "platform/services.h"

namespace kwil {

namespace {

// Names that differ only in letter case or trailing blanks get the same key.
QString matchKey(const QString& name) {
  qsizetype end = name.size();
  while (end > 0 && name.at(end - 1) == QLatin1Char(' ')) --end;
  return name.left(end).toCaseFolded();
}

struct DirectoryStamp {
  timespec modified{};
  ino_t inode = 0;
  bool operator==(const DirectoryStamp& o) const {
    return modified.tv_sec == o.modified.tv_sec && modified.tv_nsec == o.modified.tv_nsec && inode == o.inode;
  }
};

bool stampOf(const QString& dir, DirectoryStamp& stamp) {
  struct stat st {};
  if (::stat(QFile::encodeName(dir).constData(), &st) != 0 || !S_ISDIR(st.st_mode)) return false;
  stamp.modified = st.st_mtim;
  stamp.inode = st.st_ino;
  return true;
}

// One directory's entries by match key. A lesson looks files up on every page, so listings
// are kept until the directory changes. A listing taken within a second or two of the
// directory's last change may miss an entry added in the same clock tick, so such a listing
// is used once and read again next time.
struct Listing {
  DirectoryStamp stamp;
  bool settled = false;
  QHash<QString, QStringList> entries;  // key -> real names, sorted
};

QHash<QString, Listing>& listings() {
  static QHash<QString, Listing> cache;
  return cache;
}

const Listing* listingOf(const QString& dir) {
  DirectoryStamp now;
  if (!stampOf(dir, now)) {
    listings().remove(dir);
    return nullptr;
  }
  auto it = listings().find(dir);
  if (it != listings().end() && it->settled && it->stamp == now) return &*it;

  Listing fresh;
  fresh.stamp = now;
  fresh.settled = ::time(nullptr) - now.modified.tv_sec > 2;
  const QStringList names =
      QDir(dir).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
  for (const QString& name : names) fresh.entries[matchKey(name)].append(name);
  return &*listings().insert(dir, fresh);
}

QString joined(const QString& dir, const QString& name) {
  return dir.endsWith(QLatin1Char('/')) ? dir + name : dir + QLatin1Char('/') + name;
}

// The entry of dir that matches name: the one spelled exactly alike if there is one,
// otherwise the first in sorted order.
QString matchingEntry(const QString& dir, const QString& name) {
  const Listing* listing = listingOf(dir);
  if (!listing) return {};
  const auto it = listing->entries.constFind(matchKey(name));
  if (it == listing->entries.constEnd()) return {};
  return it->contains(name) ? name : it->first();
}

}  // namespace

QString findFileIgnoringCase(const QString& folder, const QString& relativeName) {
  QString relative = relativeName;
  relative.replace(QLatin1Char('\\'), QLatin1Char('/'));
  const QStringList parts = relative.split(QLatin1Char('/'), Qt::SkipEmptyParts);
  if (parts.isEmpty() || folder.isEmpty()) return {};

  QString path = folder;
  for (const QString& part : parts) {
    if (part == QLatin1String(".")) continue;
    // A data file never lies outside its folder.
    if (part == QLatin1String("..")) return {};
    const QString entry = matchingEntry(path, part);
    if (entry.isEmpty()) return {};
    path = joined(path, entry);
  }
  return QFileInfo(path).isFile() ? path : QString();
}

QString dataFilePath(const QString& relativeName) {
  return findFileIgnoringCase(programFolder(), relativeName);
}

QString dataFileName(const QString& fullName) {
  const QString folder = programFolder();
  if (!folder.isEmpty() && fullName.startsWith(folder)) {
    const QString rest = fullName.mid(folder.size());
    if (rest.startsWith(QLatin1Char('\\')) || rest.startsWith(QLatin1Char('/')))
      return findFileIgnoringCase(folder, rest);
  }
  QString name = fullName;
  name.replace(QLatin1Char('\\'), QLatin1Char('/'));
  if (!name.startsWith(QLatin1Char('/'))) return {};
  return findFileIgnoringCase(QStringLiteral("/"), name);
}

}  // namespace kwil
