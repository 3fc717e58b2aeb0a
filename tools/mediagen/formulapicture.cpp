#include "formulapicture.h"

#include "style.h"

#include <QFontMetricsF>
#include <QPainter>

namespace kwil::media {
namespace {

const QColor kRest(150, 150, 150);
constexpr int kLetterSize = 26;

struct Glyph {
  QString text;
  QString input;
  double padding = 0;  // room on either side of a sign
};

Glyph letter(const QString& input) { return {input, input, 0}; }
Glyph sign(const QString& text, double padding = 0) { return {text, {}, padding}; }

struct Bar {
  qsizetype first = 0;
  qsizetype last = 0;
  int level = 0;  // a bar over a term that holds a bar itself stands higher
};

class Typesetter {
 public:
  // Returns how many bars stand above the term.
  int set(const Formula& f, bool bracketOr) {
    switch (f.kind) {
      case Formula::Kind::Input: glyphs.append(letter(f.input)); return 0;
      case Formula::Kind::Not: {
        const qsizetype first = glyphs.size();
        const int level = set(f.terms.first(), false);  // the bar groups the term already
        bars.append({first, glyphs.size() - 1, level});
        return level + 1;
      }
      case Formula::Kind::And:
      case Formula::Kind::Or: break;
    }
    const bool brackets = bracketOr && f.kind == Formula::Kind::Or;
    if (brackets) glyphs.append(sign("("));
    int levels = 0;
    for (qsizetype i = 0; i < f.terms.size(); ++i) {
      if (i > 0) glyphs.append(sign(f.kind == Formula::Kind::And ? QString(QChar(0x00B7)) : QString("+"), 7));
      levels = std::max(levels, set(f.terms[i], f.kind == Formula::Kind::And));
    }
    if (brackets) glyphs.append(sign(")"));
    return levels;
  }

  QList<Glyph> glyphs{letter("E"), sign("=", 8)};
  QList<Bar> bars;
};

}  // namespace

FormulaLayout typesetFormula(const Formula& formula, const QSet<QString>& operated, QSize size) {
  Typesetter t;
  t.set(formula, false);
  const QFontMetricsF metrics(style::labelFont(kLetterSize));
  QList<double> widths;
  double total = 0;
  for (const Glyph& g : t.glyphs) {
    widths.append(metrics.horizontalAdvance(g.text) + 2 * g.padding);
    total += widths.last();
  }
  FormulaLayout layout;
  layout.baseline = size.height() * 0.62;
  const bool output = formula.evaluate(operated);
  double x = (size.width() - total) / 2;
  for (qsizetype i = 0; i < t.glyphs.size(); ++i) {
    const Glyph& g = t.glyphs[i];
    const QRectF box(x + g.padding, layout.baseline - metrics.capHeight(), widths[i] - 2 * g.padding, metrics.capHeight());
    const bool live = i == 0 ? output : operated.contains(g.input);
    layout.glyphs.append({g.text, g.input, box, live});
    x += widths[i];
  }
  // The bars stand just above the capitals.
  for (const Bar& bar : t.bars) {
    const double y = layout.baseline - metrics.capHeight() - 5 - 5 * bar.level;
    layout.bars.append(QLineF(layout.glyphs[bar.first].box.left() + 1, y, layout.glyphs[bar.last].box.right() - 1, y));
  }
  return layout;
}

QImage drawFormula(const Formula& formula, const QSet<QString>& operated, QSize size) {
  const FormulaLayout layout = typesetFormula(formula, operated, size);
  QImage image = style::paper(size);
  QPainter p(&image);
  style::smooth(p);
  p.setFont(style::labelFont(kLetterSize));
  for (const FormulaGlyph& g : layout.glyphs) {
    p.setPen(g.live ? style::kLive : style::kInk);
    p.drawText(QPointF(g.box.left(), layout.baseline), g.text);
  }
  p.setPen(QPen(style::kInk, 2.2, Qt::SolidLine, Qt::FlatCap));
  for (const QLineF& bar : layout.bars) p.drawLine(bar);
  // The value of E and of every input, beneath it.
  p.setFont(style::labelFont(13));
  for (const FormulaGlyph& g : layout.glyphs) {
    if (!g.hasValue()) continue;
    p.setPen(g.live ? style::kLive : kRest);
    p.drawText(QRectF(g.box.left() - 4, layout.baseline + 3, g.box.width() + 8, 18), Qt::AlignHCenter | Qt::AlignTop,
               g.live ? "1" : "0");
  }
  return image;
}

}  // namespace kwil::media
