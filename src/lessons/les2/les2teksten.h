#pragma once
// The texts of lesson 2: the lines of every page and their layout, the help per page and the
// messages of its gates. Pure data, without a window, so that the narration is made from the
// very lines the pupil sees.
#include <QString>
#include <QStringList>

#include "lessons/frame/paginatekst.h"

namespace kwil {

inline constexpr int kLes2Paginas = 29;

// The page text of a step; steps without text (30, or outside 1 to 29) give an empty page.
PaginaTekst les2Pagina(int stap);

// Only the stored lines (Zin(1), Zin(2), ...) of that page.
QStringList les2Zinnen(int stap);

// The help text of a step, lines joined by carriage returns.
QString les2HelpTekst(int stap);

// The workbook question asked on leaving a workbook page ("" on other pages).
QString les2Werkboekvraag(int stap);

// The refusals of the table pages.
QString les2TabelNietVol();        // not every position of the switches tried
QString les2NogNietBenoemd();      // the unknown circuit's table is full, its name not given
QString les2NogNietVoorspeld();    // the prediction column is not filled
QString les2EerstTabelVol();       // a name clicked before the table is full
QString les2VerkeerdeNaam();       // a wrong name clicked
QString les2GoedeNaam(const QString& naam);  // the right name

}  // namespace kwil
