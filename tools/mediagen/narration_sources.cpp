#include "narration.h"

#include "lessons/les1/les1teksten.h"
#include "lessons/les2/les2teksten.h"
#include "lessons/les3/les3teksten.h"
#include "lessons/les4/les4teksten.h"
#include "lessons/les5/les5teksten.h"
#include "toetsen/toetsvoorlezen.h"

namespace kwil::media {

namespace {

// The spoken test questions and answers, from the question banks the test window reads.
QList<NarrationText> toetsTeksten() {
  QList<NarrationText> teksten;
  for (const ToetsVoorleesTekst& t : toetsVoorleesTeksten()) teksten.append({t.bestand, spokenText({t.tekst})});
  return teksten;
}

// Every page of lesson 1 as the pupil first meets it, under the name Lees voor asks for.
QList<NarrationText> les1Teksten() {
  QList<NarrationText> teksten;
  for (int stap = 1; stap <= kLes1Paginas; ++stap)
    teksten.append({QStringLiteral("Hoofdstuk 1/Kwil 1-%1.mp3").arg(stap), spokenText(les1Zinnen(stap, {}))});
  return teksten;
}

// Every page of lesson 2, likewise.
QList<NarrationText> les2Teksten() {
  QList<NarrationText> teksten;
  for (int stap = 1; stap <= kLes2Paginas; ++stap)
    teksten.append({QStringLiteral("Hoofdstuk 2/Kwil 2-%1.mp3").arg(stap), spokenText(les2Zinnen(stap))});
  return teksten;
}

// Every page of lesson 3.
QList<NarrationText> les3Teksten() {
  QList<NarrationText> teksten;
  for (int stap = 1; stap <= kLes3Paginas; ++stap)
    teksten.append({QStringLiteral("Hoofdstuk 3/Kwil 3-%1.mp3").arg(stap), spokenText(les3Zinnen(stap))});
  return teksten;
}

// Every page of lesson 4; a bar line before a formula is read as NIET over its last letter.
QList<NarrationText> les4Teksten() {
  QList<NarrationText> teksten;
  for (int stap = 1; stap <= kLes4Paginas; ++stap)
    teksten.append({QStringLiteral("Hoofdstuk 4/Kwil 4-%1.mp3").arg(stap), spokenText(les4Zinnen(stap))});
  return teksten;
}

// Every page of lesson 5, from the pieces the page prints.
QList<NarrationText> les5Teksten() {
  QList<NarrationText> teksten;
  for (int stap = 1; stap <= kLes5Paginas; ++stap)
    teksten.append({QStringLiteral("Hoofdstuk 5/Kwil 5-%1.mp3").arg(stap), spokenText(les5Zinnen(stap))});
  return teksten;
}

}  // namespace

// Each lesson and the question banks add one entry here: a function of their own code that
// returns the texts exactly as the program shows them (never a copy kept here).
QList<NarrationProvider> narrationProviders() {
  return {les1Teksten, les2Teksten, les3Teksten, les4Teksten, les5Teksten, toetsTeksten};
}

}  // namespace kwil::media
