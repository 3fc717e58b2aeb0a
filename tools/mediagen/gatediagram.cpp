#include "gatediagram.h"

#include "style.h"

#include <QHash>
#include <QPainter>

#include <algorithm>

namespace kwil::media {
namespace {

constexpr double kGateWidth = 40;
constexpr double kPinPitch = 28;  // also between the inputs, so a gate they feed is met straight
constexpr double kCircle = 4;      // radius of a negation circle
constexpr double kLabelRoom = 24;  // the strip at each side for the letters

// A line's source: an input letter or a gate's output.
struct Source {
  QString input;
  qsizetype gate = -1;
};

struct Pending {
  QString sign;
  QList<Source> sources;
  QList<bool> negated;
  bool negatedOutput = false;
  bool value = false;
  int column = 1;
};

class Layout {
 public:
  Layout(const QSet<QString>& operated, QSize size) : operated_(operated), size_(size) {}

  GateDiagram run(const Formula& formula) {
    const Source root = build(formula);
    const QStringList letters = formula.inputs();
    const double pitch = std::min(kPinPitch, (size_.height() - 40.0) / std::max<qsizetype>(1, letters.size() - 1));
    for (qsizetype i = 0; i < letters.size(); ++i) {
      const double y = size_.height() / 2.0 + (i - (letters.size() - 1) / 2.0) * pitch;
      inputY_.insert(letters[i], y);
      diagram_.labels.append({letters[i], QPointF(kLabelRoom, y), operated_.contains(letters[i])});
    }
    place();
    const QPointF from = start(root);
    const QPointF to(size_.width() - kLabelRoom, from.y());
    diagram_.lines.append({{from, to}, formula.evaluate(operated_)});
    diagram_.labels.append({"E", to, formula.evaluate(operated_)});
    return diagram_;
  }

 private:
  Source build(const Formula& f) {
    if (f.kind == Formula::Kind::Input) return {f.input};
    Pending gate;
    gate.value = f.evaluate(operated_);
    if (f.kind == Formula::Kind::Not) {
      const Source inner = build(f.terms.first());
      // A bar over a gate's result: that gate with a circle at its output, unless it has one.
      if (inner.gate >= 0 && !pending_[inner.gate].negatedOutput) {
        pending_[inner.gate].negatedOutput = true;
        pending_[inner.gate].value = gate.value;
        return inner;
      }
      gate.sign = "1";
      gate.sources = {inner};
      gate.negated = {false};
      gate.negatedOutput = true;
      return add(gate);
    }
    gate.sign = f.kind == Formula::Kind::And ? "&" : QString::fromUtf8("≥1");
    for (const Formula& term : f.terms) {
      gate.negated.append(term.isNegatedInput());
      gate.sources.append(build(term.isNegatedInput() ? term.terms.first() : term));
    }
    return add(gate);
  }

  Source add(Pending gate) {
    for (const Source& s : gate.sources)
      if (s.gate >= 0) gate.column = std::max(gate.column, pending_[s.gate].column + 1);
    pending_.append(gate);
    return {{}, pending_.size() - 1};
  }

  double columnLeft(int column, int columns) const {
    if (columns == 1) return (size_.width() - kGateWidth) / 2;
    const double first = kLabelRoom + 26;
    const double last = size_.width() - kLabelRoom - 22 - kGateWidth;
    return first + (column - 1) * (last - first) / (columns - 1);
  }

  double sourceY(const Source& s) const {
    return s.gate >= 0 ? diagram_.gates[s.gate].output.y() : inputY_.value(s.input);
  }

  QPointF start(const Source& s) const {
    return s.gate >= 0 ? diagram_.gates[s.gate].output : QPointF(kLabelRoom, inputY_.value(s.input));
  }

  bool sourceValue(const Source& s) const {
    return s.gate >= 0 ? diagram_.gates[s.gate].value : operated_.contains(s.input);
  }

  // Gates come after the gates that feed them, so each is placed beside its sources.
  void place() {
    int columns = 1;
    for (const Pending& g : pending_) columns = std::max(columns, g.column);
    for (const Pending& g : pending_) {
      GateSymbol symbol;
      symbol.sign = g.sign;
      symbol.negatedPins = g.negated;
      symbol.negatedOutput = g.negatedOutput;
      symbol.value = g.value;
      double middle = 0;
      for (const Source& s : g.sources) middle += sourceY(s);
      middle /= g.sources.size();
      const qsizetype n = g.sources.size();
      const double height = n == 1 ? 36 : n * kPinPitch + 12;
      middle = std::clamp(middle, height / 2 + 4, size_.height() - height / 2 - 4);
      const double left = columnLeft(g.column, columns);
      symbol.box = QRectF(left, middle - height / 2, kGateWidth, height);
      for (qsizetype i = 0; i < n; ++i) {
        const double y = middle + (i - (n - 1) / 2.0) * kPinPitch;
        const QPointF pin(left - (g.negated[i] ? 2 * kCircle : 0), y);
        symbol.pins.append(pin);
        route(start(g.sources[i]), pin, sourceValue(g.sources[i]));
      }
      symbol.output = QPointF(left + kGateWidth + (g.negatedOutput ? 2 * kCircle : 0), middle);
      diagram_.gates.append(symbol);
    }
  }

  // Straight across, or across, up or down just before the gate, and into the pin.
  void route(QPointF from, QPointF to, bool one) {
    if (qAbs(from.y() - to.y()) < 0.5) {
      diagram_.lines.append({{from, QPointF(to.x(), from.y())}, one});
      return;
    }
    const double bend = to.x() - 10;
    diagram_.lines.append({{from, QPointF(bend, from.y()), QPointF(bend, to.y()), to}, one});
  }

  const QSet<QString>& operated_;
  const QSize size_;
  QList<Pending> pending_;
  QHash<QString, double> inputY_;
  GateDiagram diagram_;
};

QPen pen(bool live, double width) {
  QPen made(live ? style::kLive : style::kInk, width);
  made.setCapStyle(Qt::FlatCap);
  made.setJoinStyle(Qt::MiterJoin);
  return made;
}

void negationCircle(QPainter& p, QPointF centre) {
  p.setPen(pen(false, 2));
  p.setBrush(style::kPaper);
  p.drawEllipse(centre, kCircle, kCircle);
}

}  // namespace

GateDiagram layoutGates(const Formula& formula, const QSet<QString>& operated, QSize size) {
  return Layout(operated, size).run(formula);
}

QImage drawGates(const Formula& formula, const QSet<QString>& operated, QSize size) {
  const GateDiagram diagram = layoutGates(formula, operated, size);
  QImage image = style::paper(size);
  QPainter p(&image);
  style::smooth(p);
  // Lines carrying a 1 last, so that they are never painted over where two meet.
  for (bool one : {false, true}) {
    p.setPen(pen(one, style::kWire));
    p.setBrush(Qt::NoBrush);
    for (const GateLine& line : diagram.lines)
      if (line.one == one) p.drawPolyline(QPolygonF(line.points));
  }
  for (const GateSymbol& gate : diagram.gates) {
    p.setPen(pen(false, style::kSymbolLine));
    p.setBrush(style::kPaper);
    p.drawRect(gate.box);
    p.setFont(style::labelFont(gate.sign == "1" ? 17 : 16));
    p.setPen(style::kInk);
    p.drawText(gate.box.adjusted(0, 4, 0, 0), Qt::AlignHCenter | Qt::AlignTop, gate.sign);
    for (qsizetype i = 0; i < gate.pins.size(); ++i)
      if (gate.negatedPins[i]) negationCircle(p, gate.pins[i] + QPointF(kCircle, 0));
    if (gate.negatedOutput) negationCircle(p, gate.output - QPointF(kCircle, 0));
  }
  p.setFont(style::labelFont(17));
  for (const GateLabel& label : diagram.labels) {
    const bool output = label.text == "E";
    p.setPen(output ? (label.one ? style::kLive : style::kInk) : style::kLabel);
    const QRectF box = output ? QRectF(label.at.x() + 3, label.at.y() - 12, kLabelRoom - 3, 24)
                              : QRectF(0, label.at.y() - 12, kLabelRoom - 5, 24);
    p.drawText(box, Qt::AlignVCenter | (output ? Qt::AlignLeft : Qt::AlignRight), label.text);
  }
  return image;
}

}  // namespace kwil::media
