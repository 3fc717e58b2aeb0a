#include "platform/services.h"

#include <QCoreApplication>

namespace kwil {

Platform& platform() {
  static Platform p;
  return p;
}

QString programFolder() {
  const QString overridden = qEnvironmentVariable("KWIL_PROGRAM_DIR");
  if (!overridden.isEmpty()) return overridden;
  return QCoreApplication::applicationDirPath();
}

}  // namespace kwil
