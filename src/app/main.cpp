// The program: the real outside world, the windows it can show, and the selection window,
// whose first loading is the start-up. Every window after that is shown by another window.
#include <QApplication>

#include "app/realplatform.h"
#include "app/vensters.h"
#include "app/vertaling.h"
#include "platform/forms/fonts.h"
#include "selection/selectie.h"
#include "shared/windows.h"

int main(int argc, char* argv[]) {
  // Sound goes through Qt's GStreamer backend: the FFmpeg one crashes on a machine without an
  // audio device, where the program must still start far enough to say so.
  if (qEnvironmentVariableIsEmpty("QT_MEDIA_BACKEND")) qputenv("QT_MEDIA_BACKEND", "gstreamer");
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Kwilmora"));
  QApplication::setOrganizationName(QStringLiteral("Kwilmora"));
  // Windows are hidden and shown in turn; the program ends only by "Stoppen" or a fatal check.
  QApplication::setQuitOnLastWindowClosed(false);
  kwil::installDutchTranslations(app);
  kwil::installRealPlatform();
  kwil::installFontSubstitutes();
  kwil::registerProgramWindows();

  kwil::windowAs<kwil::Selectie>(kwil::WindowId::Selectie)->Show();
  const int status = app.exec();
  // The windows go before the application object they live in.
  kwil::resetWindows();
  return status;
}
