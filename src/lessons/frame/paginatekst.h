#pragma once
// The text of one lesson page, kept apart from the drawing: the lines as they are stored in
// Zin (and so copied to the clipboard and read aloud) and a short layout that says how they
// are printed on the page canvas. A tool that makes the narration can build the same lines
// without a window.
#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>

namespace kwil {

// One printing step of a page.
struct Afdruk {
  enum class Soort {
    Regel,        // two blanks and Zin(zin), then a new line
    LegeRegel,    // an empty print
    Omlaag,       // CurrentY raised by hoogte x SchaalY before the next line
    Tab,          // Zin(zin) at print column kolom, then a new line
    Paar,         // two blanks and Zin(zin), Zin(tweede) at column kolom, then a new line
    ZonderEinde,  // two blanks and Zin(zin); the next line goes on the same printed line
    Omhoog,       // CurrentY lowered by hoogte canvas units, unscaled (a bar above a letter)
    TweeTabs,     // Zin(zin) at column kolom, Zin(tweede) at column kolom2, then a new line
  };
  Soort soort = Soort::LegeRegel;
  int zin = 0;
  int tweede = 0;
  int kolom = 0;
  int hoogte = 0;
  int kolom2 = 0;
  bool operator==(const Afdruk&) const = default;
};

struct PaginaTekst {
  // Zin(1), Zin(2), ... in print order; an empty entry keeps its number but is not printed.
  QStringList zinnen;
  QList<Afdruk> afdruk;
  // Text printed before a line without being stored with it (a dash before a list item).
  QMap<int, QString> voorvoegsel;
};

// Reads a layout written as blank-separated terms:
//   "3"      line 3            "/"       empty print        "+10"  raise by 10
//   "T25.3"  line 3 at col 25  "1.T25.2" lines 1 and 2 on one printed line (2 at col 25)
//   "1;"     line 1 without ending the printed line
//   "^10"    raise by 10 canvas units, not scaled
//   "T22.5.T28.6"  line 5 at column 22 and line 6 at column 28 on one printed line
// Throws std::invalid_argument on a term it does not know (a typing error in a page table).
QList<Afdruk> leesOpmaak(const QString& opmaak);

// A page text from its lines and layout.
PaginaTekst pagina(const QStringList& zinnen, const QString& opmaak);

}  // namespace kwil
