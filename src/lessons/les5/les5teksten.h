#pragma once
// The texts of lesson 5: the pieces of every page as they are printed (columns, colours,
// raised exponents), the help per page and the messages of the gates. Pure data, without a
// window, so that the narration is made from the very lines the pupil sees.
#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>
#include <cstdint>

namespace kwil {

inline constexpr int kLes5Paginas = 45;  // the page that hands over (46) shows nothing
inline constexpr std::int32_t kLes5TekstKleur = 0x8E4522;
// The colours of the four subtraction steps of 153 (&HBBGGRR), also the search engine's letters.
inline constexpr std::int32_t kLes5Blauw = 0xFF4000;  // RGB(0, 64, 255)
inline constexpr std::int32_t kLes5Rood = 0x132DD4;   // RGB(212, 45, 19)
inline constexpr std::int32_t kLes5Geel = 0x01B3E6;   // RGB(230, 179, 1)
inline constexpr std::int32_t kLes5Groen = 0x109802;  // RGB(2, 152, 16)

// One printing step of a lesson-5 page.
struct Les5Stuk {
  enum class Soort {
    Tekst,   // a piece of text, stored in the next Zin
    Leeg,    // an empty print row
    Omlaag,  // the text position moved down by hoogte x SchaalY (up when negative)
  };
  Soort soort = Soort::Leeg;
  QString tekst;
  int kolom = 0;             // print column, 0: two blanks at the start of a row, none after
  bool einde = true;         // the row ends after the piece
  std::int32_t kleur = -1;   // &HBBGGRR, -1: the normal text colour
  int hoogte = 0;
  // Printed letter group by letter group in their own colours (stored whole, as tekst).
  QList<QPair<QString, std::int32_t>> kleurDelen;
};

using Les5Pagina = QList<Les5Stuk>;

// The page of a step as it is printed; steps outside 1 to 45 give an empty page.
Les5Pagina les5Pagina(int stap);

// Only the stored lines (Zin(1), Zin(2), ...) of that page.
QStringList les5Zinnen(int stap);

// The help text of a step, lines joined by carriage returns; `decimaal` is the byte's value
// as the decimal panel shows it (step 19 names it).
QString les5HelpTekst(int stap, const QString& decimaal);

// The byte a page asks for before the pupil may go on to `nieuweStap` (-1: no byte gate).
int les5GevraagdeByte(int nieuweStap);

// The refusal text when the byte `byte` is not what `nieuweStap` needs.
QString les5Weigering(int nieuweStap, int byte);

// The quick-answer question asked on the way to step 15 or 28 (empty on other steps).
QString les5Werkboekvraag(int nieuweStap);

}  // namespace kwil
