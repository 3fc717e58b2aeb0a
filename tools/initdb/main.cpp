// kwilmora-initdb [--teacher-password PW] PATH
// Makes a fresh student database at PATH; an existing file is never overwritten.
#include <QString>
#include <QStringList>
#include <cstdio>

#include "selection/database/dbschema.h"

namespace {

constexpr char kUsage[] = "gebruik: kwilmora-initdb [--teacher-password WACHTWOORD] PAD\n";

int fail(const QString& text) {
  std::fputs(text.toLocal8Bit().constData(), stderr);
  return 1;
}

}  // namespace

int main(int argc, char* argv[]) {
  QString teacherPassword = QStringLiteral("leraar");
  QString path;
  for (int i = 1; i < argc; ++i) {
    const QString arg = QString::fromLocal8Bit(argv[i]);
    if (arg == QLatin1String("--teacher-password") && i + 1 < argc) {
      teacherPassword = QString::fromLocal8Bit(argv[++i]);
    } else if (arg.startsWith(QLatin1String("-")) || !path.isEmpty()) {
      return fail(QString::fromLatin1(kUsage));
    } else {
      path = arg;
    }
  }
  if (path.isEmpty()) return fail(QString::fromLatin1(kUsage));
  // The program's password box takes at most 10 characters; a longer password could never be typed.
  if (teacherPassword.isEmpty() || teacherPassword.size() > 10)
    return fail(QStringLiteral("kwilmora-initdb: het leraarwachtwoord moet 1 tot 10 tekens hebben\n"));
  const kwil::DbStatus status = kwil::createDatabase(path, teacherPassword);
  if (!status.ok()) return fail(QStringLiteral("kwilmora-initdb: %1 (%2)\n").arg(status.message(), status.detail));
  return 0;
}
