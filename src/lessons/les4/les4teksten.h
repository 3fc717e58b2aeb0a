#pragma once
// The texts of lesson 4: the lines of every page with their layout, the help per page and
// the gates' messages. Pure data, without a window, so that the narration is made from the
// very lines the pupil sees.
#include <QString>
#include <QStringList>

#include "lessons/frame/paginatekst.h"

namespace kwil {

inline constexpr int kLes4Paginas = 22;

// The page text of a step; steps without text (23, or outside 1 to 22) give an empty page.
PaginaTekst les4Pagina(int stap);

// Only the stored lines (Zin(1), Zin(2), ...) of that page.
QStringList les4Zinnen(int stap);

// The help text of a step, lines joined by carriage returns.
QString les4HelpTekst(int stap);

// The gate in front of a step: the level Voortgang must have reached and the message of a
// refusal; niveau 0 when the step has no such gate.
struct Les4Poort {
  int niveau = 0;
  QString weigering;
};
Les4Poort les4Poort(int nieuweStap);

// The question asked when Verder leaves the workbook page within ten seconds.
QString les4Werkboekvraag();
inline constexpr int kLes4WerkboekStap = 14;

}  // namespace kwil
