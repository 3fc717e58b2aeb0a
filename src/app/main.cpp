// The program: the real outside world, the windows it can show, and the selection window,
// whose first loading is the start-up. Every window after that is shown by another window.
#include <QApplication>
#include <memory>

#include "app/realplatform.h"
#include "lessons/les1/nietenof.h"
#include "platform/forms/fonts.h"
#include "platform/forms/form.h"
#include "selection/hoofdmenu.h"
#include "selection/selectie.h"
#include "shared/windows.h"
#include "teacher/leraarmodule.h"
#include "toetsen/toetsen.h"

namespace {

template <typename W>
void registreer(kwil::WindowId id) {
  kwil::registerWindow(id, [] { return std::make_unique<W>(); });
}

// One line per window: the windows find each other only through this registry.
void registreerVensters() {
  using kwil::WindowId;
  registreer<kwil::Selectie>(WindowId::Selectie);
  registreer<kwil::NietEnOf>(WindowId::NietEnOf);
  registreer<kwil::Hoofdmenu>(WindowId::Hoofdmenu);
  registreer<kwil::Toetsen>(WindowId::Toetsen);
  registreer<kwil::Leraarmodule>(WindowId::Leraarmodule);
  // Hoofdmenu, the lesson windows, Toetsen and Leraarmodule are added here by their authors,
  // e.g. registreer<kwil::Hoofdmenu>(WindowId::Hoofdmenu);
}

}  // namespace

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Kwilmora"));
  QApplication::setOrganizationName(QStringLiteral("Kwilmora"));
  // Windows are hidden and shown in turn; the program ends only by "Stoppen" or a fatal check.
  QApplication::setQuitOnLastWindowClosed(false);
  kwil::installRealPlatform();
  kwil::installFontSubstitutes();
  registreerVensters();

  auto* selectie = kwil::windowAs<kwil::Selectie>(kwil::WindowId::Selectie);
  selectie->Show();
  return app.exec();
}
