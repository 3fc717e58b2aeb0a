#pragma once
// The texts of lesson 1: the lines of every page, their layout, and the help per page.
// Pure data, without a window, so that the narration can be made from the very lines the
// pupil sees: call les1Pagina(stap, {}) for the page as first met (the defaults below), or
// les1Zinnen for the lines only.
#include <QString>
#include <QStringList>

#include "lessons/frame/paginatekst.h"

namespace kwil {

// What a few pages depend on besides their step number.
struct Les1Omstandigheden {
  int vorigeStap = 0;              // step 13 opens differently when entered from step 12
  int voortgang = 0;               // step 5 invites the pupil to ring until level 1 is reached
  bool interfaceGebruikt = false;  // step 15 greets a pupil who has used the interface
  int interfaceSoort = 0;          // ... by the name of the interface in use
};

inline constexpr int kLes1Paginas = 33;

// The page text of a step; steps without text (34, or outside 1 to 33) give an empty page.
PaginaTekst les1Pagina(int stap, const Les1Omstandigheden& o);

// Only the stored lines (Zin(1), Zin(2), ...) of that page.
QStringList les1Zinnen(int stap, const Les1Omstandigheden& o);

// The help text of a step, lines joined by carriage returns.
QString les1HelpTekst(int stap);

}  // namespace kwil
