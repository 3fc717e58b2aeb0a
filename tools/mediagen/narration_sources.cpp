#include "narration.h"
#include "spokenforms.h"

#include "lessons/les1/les1teksten.h"
#include "lessons/les2/les2teksten.h"
#include "lessons/les3/les3teksten.h"
#include "lessons/les4/les4teksten.h"
#include "lessons/les5/les5teksten.h"
#include "toetsen/toetsvoorlezen.h"

#include <utility>

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

// From this column on a lesson-5 page prints its sums beside the text.
constexpr int kLes5Zijkolom = 50;

// The lines of a lesson-5 page as they are read. Pieces printed one after the other make one
// line ("In dit geval is dat " "16" ". Zet hieronder ook een 1."), a piece at a column of its
// own starts a line ("De eerste" "= 00000000"), and an exponent printed raised after its base is
// written after it as one ("2²"). The sums in the column beside the text are one column, read
// together and in their order once the sentence beside the first of them has ended; a sum that
// the text itself says ("Je komt nog 153 - 128 = 25 te kort.") is not said twice.
QStringList les5Voorleesregels(int stap) {
  QStringList regels;
  QString regel;  // the line being printed
  QString som;    // the sum being printed beside the text
  QStringList zijkolom;
  qsizetype zijkolomNa = -1;  // the column is read after this many lines
  bool verhoogd = false;
  const auto regelKlaar = [&] {
    if (!regel.isEmpty()) regels.append(std::exchange(regel, QString()));
  };
  const auto zinKlaar = [&] {
    const QString laatste = (regel.isEmpty() && !regels.isEmpty() ? regels.last() : regel).trimmed();
    return laatste.isEmpty() || QStringLiteral(".!?").contains(laatste.back());
  };
  for (const Les5Stuk& stuk : les5Pagina(stap)) {
    if (stuk.soort == Les5Stuk::Soort::Omlaag) verhoogd = stuk.hoogte < 0;
    if (stuk.soort != Les5Stuk::Soort::Tekst) continue;
    if (verhoogd) {
      regel += superscript(stuk.tekst);
    } else if (stuk.kolom >= kLes5Zijkolom) {
      som += stuk.tekst + QLatin1Char(' ');
      if (stuk.einde) zijkolom.append(std::exchange(som, QString()).simplified());
    } else {
      if (stuk.kolom > 0) regelKlaar();
      regel += stuk.tekst;
    }
    if (stuk.einde) regelKlaar();
    if (zijkolomNa < 0 && !zijkolom.isEmpty() && zinKlaar()) zijkolomNa = regels.size() + (regel.isEmpty() ? 0 : 1);
  }
  regelKlaar();
  const QString tekst = regels.join(QLatin1Char(' ')).simplified();
  QStringList kolom;
  for (const QString& s : std::as_const(zijkolom))
    if (!tekst.contains(s)) kolom.append(s + QLatin1Char('.'));
  if (zijkolomNa < 0) zijkolomNa = regels.size();
  for (qsizetype i = 0; i < kolom.size(); ++i) regels.insert(zijkolomNa + i, kolom.at(i));
  return regels;
}

// Every page of lesson 5, from the pieces the page prints.
QList<NarrationText> les5Teksten() {
  QList<NarrationText> teksten;
  for (int stap = 1; stap <= kLes5Paginas; ++stap)
    teksten.append(
        {QStringLiteral("Hoofdstuk 5/Kwil 5-%1.mp3").arg(stap), spokenText(les5Voorleesregels(stap))});
  return teksten;
}

}  // namespace

// Each lesson and the question banks add one entry here: a function of their own code that
// returns the texts exactly as the program shows them (never a copy kept here).
QList<NarrationProvider> narrationProviders() {
  return {les1Teksten, les2Teksten, les3Teksten, les4Teksten, les5Teksten, toetsTeksten};
}

}  // namespace kwil::media
