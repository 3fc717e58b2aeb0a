#include "app/vertaling.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace kwil {

bool installDutchTranslations(QCoreApplication& app) {
  const QString folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
  const QLocale dutch(QLocale::Dutch, QLocale::Netherlands);
  bool any = false;
  // qtbase holds the dialogs and standard buttons; the others are for the parts they name.
  for (const char* catalogue : {"qtbase", "qtmultimedia"}) {
    auto* translator = new QTranslator(&app);
    if (translator->load(dutch, QString::fromLatin1(catalogue), QStringLiteral("_"), folder) &&
        QCoreApplication::installTranslator(translator)) {
      any = true;
    } else {
      delete translator;
    }
  }
  return any;
}

}  // namespace kwil
