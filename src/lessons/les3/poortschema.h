#pragma once
// A circuit of logic gates laid out from its switching expression and the pressed push
// buttons: every EN, OF and NIET of the expression is one gate in the rectangular style ("&",
// "≥1", "1", a small circle for a negated output), the buttons s1..sn are input rails on the
// left, the last gate drives the LED E1 on the right. Every wire carries the level of what
// drives it and every gate knows its output value, so the drawing can colour them and a test
// can read them without looking at pixels.
#include <QImage>
#include <QList>
#include <QPointF>
#include <QRectF>
#include <QString>
#include <array>

#include "shared/schakeling.h"

namespace kwil {

struct PoortVak {
  enum class Soort { En, Of, Niet };
  Soort soort = Soort::En;
  bool negatie = false;    // a small circle at the output (NEN, NOF, NIET)
  bool verborgen = false;  // drawn with a question mark instead of its sign
  QString naam;            // "EN1", "NOF1", "NIET2" ...: kind and number in reading order
  QRectF rand;
  QPointF uitgang;         // where the output wire starts (after the circle)
  bool waarde = false;
};

struct Draad {
  QString van, naar;  // a rail "s2" or gate name, and a gate name or "E1"
  QList<QPointF> punten;
  bool niveau = false;
};

struct IngangsRail {
  int knop = 1;
  float x = 0, boven = 0, onder = 0;
  bool niveau = false;
};

struct PoortSchema {
  QSizeF grootte;
  QList<IngangsRail> rails;
  QList<PoortVak> poorten;
  QList<Draad> draden;
  QList<QPointF> knooppunten;  // where a wire leaves a rail
  QPointF led;
  bool ledAan = false;

  // The level of the wire from `van` to `naar`; throws std::out_of_range when there is none.
  bool niveau(const QString& van, const QString& naar) const;
  // The gate named so; throws std::out_of_range when there is none.
  const PoortVak& poort(const QString& naam) const;
};

struct SchemaOpties {
  bool losseNiet = false;  // NIET after EN or OF stays a gate of its own instead of a circle
  bool verborgen = false;  // the gates are not shown: the pupil finds out what they do
};

// Lays the circuit out in design pixels for the buttons held (ingedrukt[k - 1] for s<k>).
PoortSchema legSchemaUit(const SchakelExpressie& expressie, const std::array<bool, 5>& ingedrukt,
                         const SchemaOpties& opties = {});

// Draws the circuit on white at `zoom` pixels per design pixel.
QImage tekenSchema(const PoortSchema& schema, double zoom);

// The three basic symbols side by side with their names under them.
QImage tekenSymbolen(double zoom);

// The truth table of every gate with two inputs (EN, OF, NEN, NOF) and of NIET.
QImage tekenPoortenTabel(double zoom);

}  // namespace kwil
