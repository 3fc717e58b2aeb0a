#include <QApplication>

#include "app/realplatform.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Kwilmora"));
  QApplication::setOrganizationName(QStringLiteral("Kwilmora"));
  kwil::installRealPlatform();
  return 0;
}
