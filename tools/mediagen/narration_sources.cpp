#include "narration.h"

#include "toetsen/toetsvoorlezen.h"

namespace kwil::media {

namespace {

// The spoken test questions and answers, from the question banks the test window reads.
QList<NarrationText> toetsTeksten() {
  QList<NarrationText> teksten;
  for (const ToetsVoorleesTekst& t : toetsVoorleesTeksten()) teksten.append({t.bestand, t.tekst});
  return teksten;
}

}  // namespace

// Each lesson and the question banks add one entry here: a function of their own code that
// returns the texts exactly as the program shows them (never a copy kept here).
QList<NarrationProvider> narrationProviders() { return {toetsTeksten}; }

}  // namespace kwil::media
