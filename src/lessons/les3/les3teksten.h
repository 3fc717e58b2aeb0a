#pragma once
// The texts of lesson 3: the lines of every page, their layout, the help per page, the circuit
// each page simulates and what its gate says. Pure data, without a window, so that the
// narration is made from the very lines the pupil sees.
#include <QString>
#include <QStringList>

#include "lessons/frame/paginatekst.h"

namespace kwil {

inline constexpr int kLes3Paginas = 30;

// What a page shows above its text.
enum class Les3Beeld { Geen, Symbolen, Tabel, Schakeling };

// The circuit of a page: E1 as a switching expression of s1 to s3.
struct Les3Schakeling {
  QString formule;         // "s1 EN s2"
  bool losseNiet = false;  // a NIET after EN or OF is drawn as a gate of its own
  bool verborgen = false;  // the gate is drawn as a question mark
  bool allesProberen = true;  // the pupil goes on only after trying every combination
};

Les3Beeld les3Beeld(int stap);

// The circuit of a step; nullptr on a step without one.
const Les3Schakeling* les3Schakeling(int stap);

// The inputs a circuit uses: s1 up to the highest one its expression names (at least s1).
int les3Knoppen(const Les3Schakeling& schakeling);

// The page text of a step; steps without text (31, or outside 1 to 30) give an empty page.
PaginaTekst les3Pagina(int stap);
QStringList les3Zinnen(int stap);

// The help text of a step, lines joined by carriage returns.
QString les3HelpTekst(int stap);

// The refusal of a circuit page with `knoppen` inputs whose combinations were not all tried.
QString les3Weigering(int knoppen);

// The workbook question asked when the pupil leaves the workbook page too quickly.
QString les3WerkboekVraag();
inline constexpr int kLes3WerkboekStap = 24;

}  // namespace kwil
