#pragma once
// The first-load layout every window shares: maximise, derive SchaalX and SchaalY from the
// inner size against the 640 x 480 design, refuse a screen exactly 640 wide, and multiply the
// geometry and font size of each control by the factors. A window's Form_Load does:
//
//   if (!state().FormGeschaald[slot]) {
//     maximiseAndMeasure(*this, /*refuse640=*/true);   // ends the program on a 640-wide screen
//     ScaleOptions o{.roundButtonHeight = true, .borderFactor = BorderBySchaalX};
//     scaleArray(PictureBox, o); scaleArray(Panel, o); scaleArray(Command, o); ...
//     scaleControl(*List, o);
//     state().FormGeschaald[slot] = true;
//   }
//
// The functions without "By" work on the program-wide SchaalX, SchaalY and Teller; those
// with "By" take the factors and are what they are built on.
#include <QSizeF>
#include <cstdint>

#include "platform/endprogram.h"
#include "platform/forms/control.h"
#include "platform/forms/controlarray.h"
#include "platform/vb.h"
#include "shared/kwilstate.h"

namespace kwil {

class Form;

enum BorderFactor { BorderBySchaalX, BorderBySchaalY };

struct ScaleOptions {
  // Command buttons' height becomes Fix(height * SchaalY / 15) * 15.
  bool roundButtonHeight = false;
  // Factor of the panels' BorderWidth (converted to a whole number first).
  BorderFactor borderFactor = BorderBySchaalX;
  // Image boxes are moved but keep their size.
  bool moveOnly = false;
};

// The exact refusal text of a screen 640 pixels wide.
inline const QString kResolutieTeLaag =
    QStringLiteral("De resolutie is te laag. (640) Stel een hogere waarde in.");

struct ScaleFactors {
  float x = 1;
  float y = 1;
};

// Maximises the form and returns inner width / 640 and inner height / 480 as floats.
ScaleFactors maximiseAndMeasureFactors(Form& form);

// A screen exactly 640 pixels wide: the refusal message (OK only, no icon) and the end of the
// program. Any other width, smaller ones too, passes.
void refuseScreen640();

// One control: width, height, left, top, font size (and the kind's own rules) by the factors.
void scaleControlBy(Control& control, float sx, float sy, const ScaleOptions& options);

// An array from index 1 upward, stopping at the first missing index (elements above a gap
// keep their design geometry); `teller` is the loop index and ends at 0.
template <typename T, typename Counter>
void scaleArrayBy(const ControlArray<T>& array, float sx, float sy, const ScaleOptions& options, Counter& teller) {
  for (teller = 1; array.exists(static_cast<int>(teller)); ++teller)
    scaleControlBy(array(static_cast<int>(teller)), sx, sy, options);
  teller = 0;
}

// Maximises the form and stores the factors in SchaalX and SchaalY. With refuse640 on a
// screen 640 pixels wide: the refusal message (OK only, no icon) and the end of the program.
inline void maximiseAndMeasure(Form& form, bool refuse640) {
  const ScaleFactors f = maximiseAndMeasureFactors(form);
  state().SchaalX = f.x;
  state().SchaalY = f.y;
  if (refuse640) refuseScreen640();
}

inline void scaleControl(Control& control, const ScaleOptions& options = {}) {
  scaleControlBy(control, state().SchaalX, state().SchaalY, options);
}

template <typename T>
void scaleArray(const ControlArray<T>& array, const ScaleOptions& options = {}) {
  scaleArrayBy(array, state().SchaalX, state().SchaalY, options, state().Teller);
}

}  // namespace kwil
