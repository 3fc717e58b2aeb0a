#include "app/vensters.h"

#include <memory>

#include "lessons/les1/nietenof.h"
#include "lessons/les2/waarheidstabel.h"
#include "lessons/les3/logschak.h"
#include "lessons/les4/formule.h"
#include "lessons/les5/binstel.h"
#include "selection/hoofdmenu.h"
#include "selection/selectie.h"
#include "shared/windows.h"
#include "teacher/leraarmodule.h"
#include "toetsen/toetsen.h"

namespace kwil {

namespace {
template <typename W>
void registreer(WindowId id) {
  registerWindow(id, [] { return std::make_unique<W>(); });
}
}  // namespace

void registerProgramWindows() {
  registreer<Selectie>(WindowId::Selectie);
  registreer<Hoofdmenu>(WindowId::Hoofdmenu);
  registreer<NietEnOf>(WindowId::NietEnOf);
  registreer<Waarheidstabel>(WindowId::Waarheidstabel);
  registreer<LogSchak>(WindowId::LogSchak);
  registreer<Formule>(WindowId::Formule);
  registreer<Binstel>(WindowId::Binstel);
  registreer<Toetsen>(WindowId::Toetsen);
  registreer<Leraarmodule>(WindowId::Leraarmodule);
}

}  // namespace kwil
