#pragma once
// What differs between the five lesson windows: which controls play the frame's roles, the
// numbers of the lesson, and the steps on which the timer and the F-keys are active. The frame
// (LessonWindow) is the same code for all of them; a lesson hands it one of these.
#include <QString>
#include <set>

#include "platform/forms/scaling.h"
#include "shared/windows.h"

namespace kwil {

// When a page change runs without its slide.
enum class ZonderAnimatie {
  ZolangShift,       // while Shift is held down
  NaToetsMetModifier,  // after any key pressed with Shift, Ctrl or Alt; any key release ends it
  TotModifiersLos      // after any key pressed with Shift, Ctrl or Alt; ends at a key release
                       // once none of them is held any more
};

struct LessonConfig {
  WindowId venster = WindowId::NietEnOf;
  int lesNummer = 1;            // Hoofdstuk of the lesson and LesNummer of its test
  int leesVoorKnop = 10;        // Command index of "Lees voor"
  int paginaVak = 7;            // PictureBox index of the visible page box
  int voettekstPaneel = 28;     // Panel index of the footer
  int aantalPaginas = 33;       // N in the footer's " van N"
  int overdrachtStap = 34;      // the step that hands over to the test
  std::set<int> timerStappen;   // steps on which the polling timer runs
  std::set<int> fToetsStappen;  // steps on which F1 to F5 stand in for s1 to s5 (empty: never)
  int formGeschaald = 3;        // slot in FormGeschaald
  bool weigert640 = true;       // refuses a screen exactly 640 pixels wide
  BorderFactor randFactor = BorderBySchaalX;
  int statusPaneel = 27;        // Panel index of the status line, 0 = none
  ZonderAnimatie animatieRegel = ZonderAnimatie::ZolangShift;
  int ondergrensPaneel = 2;     // Panel whose top bounds the band in which pictures are centred
  int canvasHoogte = 144;       // design height of the page canvas PictureBox(1)
  int kopieBreedte = 474;       // design size of the area copied from the canvas to the page box
  int kopieHoogte = 134;        // (also the distance a slide travels)
  bool alleZinnenLeeg = false;  // the page builder clears all 25 lines, not 1 to 15
  bool kopieerBijIndrukken = false;  // the page text is copied on a mouse press, not a click
  bool f5Positief = false;      // F5 adds 16 to the input value (not -16) on the non-parallel kinds
  bool tikMeldtGebruik = true;  // a tick that sees the inputs change sets InterfaceGebruikt
};

// Reads a list of steps such as "5, 6, 10-14, 16-23"; throws std::invalid_argument on a term
// that is not a number or a range.
std::set<int> stappen(const QString& lijst);

}  // namespace kwil
