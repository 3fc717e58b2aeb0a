#pragma once
// A switching formula typeset as a picture: "E = a . b" with a bar over every negated input
// or term. An operated input is drawn in the live colour with a 1 beneath it, an input at
// rest with a 0; E is live, with a 1 beneath it, exactly when the formula's value is 1.
#include "formula.h"

#include <QImage>
#include <QLineF>
#include <QList>
#include <QRectF>
#include <QSet>
#include <QSize>

namespace kwil::media {

struct FormulaGlyph {
  QString text;
  QString input;  // the letter of an input; "E" for the output; empty for a sign
  QRectF box;     // where the text stands (its advance, from the capitals' top to the baseline)
  bool live = false;
  bool hasValue() const { return !input.isEmpty(); }
};

struct FormulaLayout {
  QList<FormulaGlyph> glyphs;  // "E", "=", then the formula
  QList<QLineF> bars;
  double baseline = 0;
};

FormulaLayout typesetFormula(const Formula& formula, const QSet<QString>& operated, QSize size);

QImage drawFormula(const Formula& formula, const QSet<QString>& operated, QSize size);

}  // namespace kwil::media
