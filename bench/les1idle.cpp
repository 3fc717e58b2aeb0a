#include "les1idle.h"

#include <QApplication>
#include <cstdio>

#include "app/realplatform.h"
#include "app/vensters.h"
#include "interface/detection.h"
#include "lessons/les1/nietenof.h"
#include "platform/forms/fonts.h"
#include "shared/kwilstate.h"
#include "shared/windows.h"

namespace kwil::bench {

int runLes1Page16(int argc, char* argv[]) {
  if (qEnvironmentVariableIsEmpty("QT_MEDIA_BACKEND")) qputenv("QT_MEDIA_BACKEND", "gstreamer");
  QApplication app(argc, argv);
  QApplication::setQuitOnLastWindowClosed(false);
  installRealPlatform();
  installFontSubstitutes();
  registerProgramWindows();
  ZoekArduino();
  if (state().InterfaceSoort != SoortArduino) {
    std::fputs("geen Arduino gevonden\n", stderr);
    return 1;
  }
  // Page 15 shown, then "Verder" as the pupil clicks it: page 16 is built and its polling starts.
  state().Hoofdstuk = 1;
  state().Stap = 15;
  auto* les = windowAs<NietEnOf>(WindowId::NietEnOf);
  les->Show();
  les->Command_Click(1);
  if (state().Stap != 16 || !les->timer().Enabled()) {
    std::fputs("pagina 16 pollt niet\n", stderr);
    return 1;
  }
  std::puts("klaar");
  std::fflush(stdout);
  return app.exec();
}

}  // namespace kwil::bench
