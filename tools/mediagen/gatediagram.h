#pragma once
// A switching formula drawn as a diagram of logic gates in the rectangular style: "&" for
// EN, "≥1" for OF, "1" with a negation circle for a NIET on its own; a NIET over an input of
// a gate is a circle at that input, a NIET over a gate's result a circle at its output.
// The inputs enter on the left, E leaves on the right; a line that carries a 1 is drawn in
// the live colour.
#include "formula.h"

#include <QImage>
#include <QList>
#include <QPointF>
#include <QRectF>
#include <QSet>
#include <QSize>

namespace kwil::media {

struct GateSymbol {
  QRectF box;
  QString sign;  // "&", "≥1" or "1"
  QList<QPointF> pins;
  QList<bool> negatedPins;
  bool negatedOutput = false;
  QPointF output;  // where the output line starts
  bool value = false;
};

struct GateLine {
  QList<QPointF> points;
  bool one = false;
};

struct GateLabel {
  QString text;  // "a", "b", "c" or "E"
  QPointF at;    // the end of its line
  bool one = false;
};

struct GateDiagram {
  QList<GateSymbol> gates;
  QList<GateLine> lines;
  QList<GateLabel> labels;
};

// Where everything goes, with the value each line carries.
GateDiagram layoutGates(const Formula& formula, const QSet<QString>& operated, QSize size);

QImage drawGates(const Formula& formula, const QSet<QString>& operated, QSize size);

}  // namespace kwil::media
