#include "schematic.h"

#include "style.h"

#include <QHash>
#include <QPainter>
#include <QPainterPath>

#include <cmath>

namespace kwil::media {
namespace {

QPoint key(QPointF p) { return p.toPoint(); }

bool isContact(const Part& part) {
  return part.kind == PartKind::MakeContact || part.kind == PartKind::BreakContact;
}

bool conducts(const Part& part, const QSet<QString>& operated) {
  switch (part.kind) {
    case PartKind::MakeContact: return operated.contains(part.switchName);
    case PartKind::BreakContact: return !operated.contains(part.switchName);
    default: return true;
  }
}

// May current pass the part from `a` to `b`? An LED passes only from anode to cathode.
bool passes(const Part& part, QPoint a, QPoint b) {
  if (part.kind != PartKind::Led) return true;
  const QPoint anode = key(part.reversed ? part.to : part.from);
  const QPoint cathode = key(part.reversed ? part.from : part.to);
  return a == anode && b == cathode;
}

// The circuit seen as electrical nodes (points joined by bare wire) and the parts between
// them. Current flows through a part when it lies on a path from the plus node to the 0 node
// that visits no node twice: a detour through the 0 rail and out again carries nothing.
class Network {
 public:
  Network(const Circuit& circuit, const QSet<QString>& operated) : circuit_(circuit) {
    for (const Part& part : circuit.parts) {
      node_.insert(key(part.from), key(part.from));
      node_.insert(key(part.to), key(part.to));
    }
    for (bool merged = true; merged;) {  // the parts are few: merge until nothing changes
      merged = false;
      for (const Part& part : circuit.parts) {
        const QPoint a = node_.value(key(part.from)), b = node_.value(key(part.to));
        if (part.kind != PartKind::Wire || a == b) continue;
        for (QPoint& n : node_) n = n == b ? a : n;
        merged = true;
      }
    }
    for (const Part& part : circuit.parts) conducting_.append(conducts(part, operated));
    live_ = QList<bool>(circuit.parts.size(), false);
  }

  QList<bool> liveParts(QPoint plus, QPoint zero) {
    if (!node_.contains(plus) || !node_.contains(zero)) return live_;
    QList<qsizetype> path;
    QSet<QPoint> visited{node_.value(plus)};
    walk(node_.value(plus), node_.value(zero), path, visited);
    markLiveWires(plus, zero);
    return live_;
  }

 private:
  void walk(QPoint here, QPoint zero, QList<qsizetype>& path, QSet<QPoint>& visited) {
    if (here == zero) {
      for (qsizetype i : path) live_[i] = true;
      return;
    }
    for (qsizetype i = 0; i < circuit_.parts.size(); ++i) {
      const Part& part = circuit_.parts[i];
      if (part.kind == PartKind::Wire || !conducting_[i]) continue;
      for (const auto& [a, b] : {std::pair(key(part.from), key(part.to)), std::pair(key(part.to), key(part.from))}) {
        const QPoint next = node_.value(b);
        if (node_.value(a) != here || !passes(part, a, b) || visited.contains(next)) continue;
        visited.insert(next);
        path.append(i);
        walk(next, zero, path, visited);
        path.removeLast();
        visited.remove(next);
      }
    }
  }

  // Within a node, a wire carries current when it lies between two points where current
  // enters or leaves the node (a live part's end or a terminal).
  void markLiveWires(QPoint plus, QPoint zero) {
    QSet<QPoint> currentPoints;
    for (qsizetype i = 0; i < circuit_.parts.size(); ++i) {
      if (!live_[i]) continue;
      currentPoints << key(circuit_.parts[i].from) << key(circuit_.parts[i].to);
    }
    if (currentPoints.isEmpty()) return;
    currentPoints << plus << zero;
    for (qsizetype i = 0; i < circuit_.parts.size(); ++i) {
      if (circuit_.parts[i].kind != PartKind::Wire) continue;
      const QSet<QPoint> side = wiredWithout(key(circuit_.parts[i].from), i);
      const QSet<QPoint> nodePoints = pointsOfNode(node_.value(key(circuit_.parts[i].from)));
      const QSet<QPoint> here = side & currentPoints;
      const QSet<QPoint> there = (nodePoints - side) & currentPoints;
      live_[i] = !here.isEmpty() && !there.isEmpty();
    }
  }

  QSet<QPoint> pointsOfNode(QPoint node) const {
    QSet<QPoint> points;
    for (auto it = node_.cbegin(); it != node_.cend(); ++it)
      if (it.value() == node) points.insert(it.key());
    return points;
  }

  // The points reached from `start` over bare wire without using wire `skipped`.
  QSet<QPoint> wiredWithout(QPoint start, qsizetype skipped) const {
    QSet<QPoint> reached{start};
    for (bool grew = true; grew;) {
      grew = false;
      for (qsizetype i = 0; i < circuit_.parts.size(); ++i) {
        const Part& part = circuit_.parts[i];
        if (i == skipped || part.kind != PartKind::Wire) continue;
        if (reached.contains(key(part.from)) != reached.contains(key(part.to))) {
          reached << key(part.from) << key(part.to);
          grew = true;
        }
      }
    }
    return reached;
  }

  const Circuit& circuit_;
  QHash<QPoint, QPoint> node_;  // each point's node, named by one of its points
  QList<bool> conducting_;
  QList<bool> live_;
};

QList<bool> liveParts(const Circuit& circuit, const QSet<QString>& operated) {
  QList<bool> carrying(circuit.parts.size(), false);
  const Terminal* plus = nullptr;
  const Terminal* zero = nullptr;
  for (const Terminal& t : circuit.terminals) (t.plus ? plus : zero) = &t;
  if (!plus || !zero || !circuit.powered) return carrying;
  return Network(circuit, operated).liveParts(key(plus->at), key(zero->at));
}

QPen linePen(bool live, double width = style::kSymbolLine) {
  QPen pen(live ? style::kLive : style::kInk, width);
  pen.setCapStyle(Qt::RoundCap);
  pen.setJoinStyle(Qt::RoundJoin);
  return pen;
}

// The push button that operates a contact: a dashed rod from the blade to a button. The rod
// begins under the blade's stroke, so that its first dash always meets the blade.
void drawActuator(QPainter& p, QPointF bladeMiddle) {
  QPen rod(style::kInk, 1.8, Qt::DashLine);
  p.setPen(rod);
  const QPointF button(bladeMiddle.x() + 20, bladeMiddle.y());
  p.drawLine(bladeMiddle - QPointF(style::kSymbolLine / 2, 0), button);
  p.setPen(linePen(false, 2.2));
  p.drawLine(button + QPointF(0, -8), button + QPointF(0, 8));
  p.drawLine(button + QPointF(0, -8), button + QPointF(6, -8));
  p.drawLine(button + QPointF(0, 8), button + QPointF(6, 8));
}

// Symbols are drawn around the middle (x, c) of a vertical part; each returns how far the
// symbol reaches above and below the middle, where the leads end.
double drawMakeContact(QPainter& p, double x, double c, bool operated, bool live, bool pushButton) {
  p.setPen(linePen(live));
  const QPointF pivot(x, c + 16);
  const QPointF tip = operated ? QPointF(x + 2, c - 19) : QPointF(x + 16, c - 13);
  p.drawLine(pivot, tip);
  p.setBrush(live ? style::kLive : style::kInk);
  p.drawEllipse(pivot, 2.5, 2.5);
  if (pushButton) drawActuator(p, (pivot + tip) / 2);
  return 16;
}

double drawBreakContact(QPainter& p, double x, double c, bool operated, bool live, bool pushButton) {
  p.setPen(linePen(live));
  p.drawLine(QPointF(x, c - 16), QPointF(x + 15, c - 16));  // the fixed contact the blade rests on
  const QPointF pivot(x, c + 16);
  const QPointF tip = operated ? QPointF(x - 11, c - 13) : QPointF(x + 17, c - 19);
  p.drawLine(pivot, tip);
  p.setBrush(live ? style::kLive : style::kInk);
  p.drawEllipse(pivot, 2.5, 2.5);
  if (pushButton) drawActuator(p, (pivot + tip) / 2);
  return 16;
}

// A bell: a dome on its flat side, turned so that both leads enter the flat side from the
// wire. A ringing bell is filled and sends out sound.
double drawBell(QPainter& p, double x, double c, bool live) {
  const double flat = x + 12;
  p.setPen(linePen(live));
  p.drawLine(QPointF(x, c - 9), QPointF(flat, c - 9));
  p.drawLine(QPointF(x, c + 9), QPointF(flat, c + 9));
  QPainterPath dome;
  dome.moveTo(flat, c - 18);
  dome.arcTo(QRectF(flat - 18, c - 18, 36, 36), 90, -180);
  dome.closeSubpath();
  p.setBrush(live ? style::kLiveFill : style::kPaper);
  p.drawPath(dome);
  if (live) {
    p.setBrush(Qt::NoBrush);
    p.setPen(linePen(true, 2));
    for (double r : {25.0, 32.0}) p.drawArc(QRectF(flat - r, c - r, 2 * r, 2 * r), -35 * 16, 70 * 16);
  }
  return 9;
}

void drawArrow(QPainter& p, QPointF from, QPointF to) {
  p.drawLine(from, to);
  const QPointF d = (to - from) / std::hypot(to.x() - from.x(), to.y() - from.y());
  const QPointF n(-d.y(), d.x());
  QPolygonF head{to, to - 6 * d + 3.5 * n, to - 6 * d - 3.5 * n};
  p.drawPolygon(head);
}

double drawLed(QPainter& p, double x, double c, const Part& part, bool lit) {
  const double s = part.reversed ? -1 : 1;  // +1: anode at the top
  if (lit) {
    QRadialGradient glow(QPointF(x, c), 26);
    QColor centre = part.ledColour;
    centre.setAlpha(150);
    glow.setColorAt(0, centre);
    glow.setColorAt(1, QColor(255, 255, 255, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(glow);
    p.drawEllipse(QPointF(x, c), 26, 26);
  }
  p.setPen(linePen(lit));
  p.setBrush(lit ? part.ledColour : style::kPaper);
  p.drawPolygon(QPolygonF{{x - 11, c - 10 * s}, {x + 11, c - 10 * s}, {x, c + 9 * s}});
  p.drawLine(QPointF(x - 11, c + 9 * s), QPointF(x + 11, c + 9 * s));
  const QColor rays = lit ? part.ledColour.darker(115) : style::kInk;
  p.setPen(QPen(rays, lit ? 2.2 : 1.6));
  p.setBrush(rays);
  drawArrow(p, {x + 11, c - 1}, {x + 22, c - 12});
  drawArrow(p, {x + 14, c + 6}, {x + 25, c - 5});
  return 10;
}

double drawResistor(QPainter& p, double x, double c, bool live) {
  p.setPen(linePen(live));
  p.setBrush(style::kPaper);
  p.drawRect(QRectF(x - 8, c - 18, 16, 36));
  return 18;
}

// A relay coil: a rectangle, filled while it pulls in.
double drawCoil(QPainter& p, double x, double c, bool live) {
  p.setPen(linePen(live));
  p.setBrush(live ? style::kLiveFill : style::kPaper);
  p.drawRect(QRectF(x - 14, c - 20, 28, 40));
  return 20;
}

void drawLabel(QPainter& p, const Part& part, double x, double c, bool pushButton) {
  if (part.label.isEmpty()) return;
  const double gap = part.kind == PartKind::Bell  ? 48
                     : part.kind == PartKind::Led ? 30
                     : isContact(part)           ? (pushButton ? 40 : 24)
                     : part.kind == PartKind::Coil ? 22
                                                   : 14;
  p.setFont(style::labelFont());
  p.setPen(style::kLabel);
  const QRectF box = part.labelLeft ? QRectF(x - 22 - 60, c - 12, 60, 24) : QRectF(x + gap, c - 12, 60, 24);
  p.drawText(box, Qt::AlignVCenter | (part.labelLeft ? Qt::AlignRight : Qt::AlignLeft), part.label);
}

void drawPart(QPainter& p, const Part& part, bool operated, bool live, bool pushButton) {
  if (part.kind == PartKind::Wire) {
    p.setPen(linePen(live, style::kWire));
    p.drawLine(part.from, part.to);
    return;
  }
  const double x = part.from.x();
  const double c = (part.from.y() + part.to.y()) / 2;
  double reach = 0;
  switch (part.kind) {
    case PartKind::MakeContact: reach = drawMakeContact(p, x, c, operated, live, pushButton); break;
    case PartKind::BreakContact: reach = drawBreakContact(p, x, c, operated, live, pushButton); break;
    case PartKind::Coil: reach = drawCoil(p, x, c, live); break;
    case PartKind::Bell: reach = drawBell(p, x, c, live); break;
    case PartKind::Led: reach = drawLed(p, x, c, part, live); break;
    case PartKind::Resistor: reach = drawResistor(p, x, c, live); break;
    case PartKind::Wire: break;
  }
  p.setPen(linePen(live, style::kWire));
  p.drawLine(part.from, QPointF(x, c - reach));
  p.drawLine(QPointF(x, c + reach), part.to);
  drawLabel(p, part, x, c, pushButton);
}

void drawJunctions(QPainter& p, const Circuit& circuit, const QList<bool>& live) {
  QHash<QPoint, int> ends;
  QHash<QPoint, bool> liveEnd;
  for (qsizetype i = 0; i < circuit.parts.size(); ++i) {
    for (QPointF end : {circuit.parts[i].from, circuit.parts[i].to}) {
      ends[key(end)] += 1;
      liveEnd[key(end)] = liveEnd.value(key(end)) || live[i];
    }
  }
  for (auto it = ends.cbegin(); it != ends.cend(); ++it) {
    if (it.value() < 3) continue;
    const QColor colour = liveEnd.value(it.key()) ? style::kLive : style::kInk;
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawEllipse(QPointF(it.key()), 4, 4);
  }
}

void drawTerminals(QPainter& p, const Circuit& circuit, const QList<bool>& live) {
  for (const Terminal& terminal : circuit.terminals) {
    bool isLive = false;
    for (qsizetype i = 0; i < circuit.parts.size(); ++i)
      isLive = isLive || (live[i] && (key(circuit.parts[i].from) == key(terminal.at) || key(circuit.parts[i].to) == key(terminal.at)));
    p.setPen(linePen(isLive, 2.2));
    p.setBrush(style::kPaper);
    p.drawEllipse(terminal.at, 5, 5);
    p.setFont(style::labelFont(17));
    p.setPen(style::kInk);
    const QRectF box = terminal.plus ? QRectF(terminal.at.x() - 60, terminal.at.y() - 32, 120, 24)
                                     : QRectF(terminal.at.x() - 60, terminal.at.y() + 8, 120, 24);
    p.drawText(box, Qt::AlignCenter, terminal.label);
  }
}

}  // namespace

QList<bool> partsCarryingCurrent(const Circuit& circuit, const QSet<QString>& operated) {
  return liveParts(circuit, operatedWithRelays(circuit, operated));
}

QSet<QString> operatedWithRelays(const Circuit& circuit, const QSet<QString>& pressed) {
  // A relay that switches its own coil would never settle: after as many rounds as there
  // are parts the last state stands.
  QSet<QString> operated = pressed;
  for (qsizetype round = 0; round <= circuit.parts.size(); ++round) {
    const QList<bool> live = liveParts(circuit, operated);
    QSet<QString> next = pressed;
    for (qsizetype i = 0; i < circuit.parts.size(); ++i)
      if (circuit.parts[i].kind == PartKind::Coil && live[i]) next.insert(circuit.parts[i].switchName);
    if (next == operated) break;
    operated = next;
  }
  return operated;
}

QImage drawCircuit(const Circuit& circuit, const QSet<QString>& operated) {
  QImage image = style::paper(circuit.size);
  QPainter p(&image);
  style::smooth(p);
  p.scale(circuit.scale, circuit.scale);
  if (!circuit.caption.isEmpty()) {
    p.setFont(style::labelFont(int(16 / circuit.scale)));
    p.setPen(style::kInk);
    p.drawText(QRectF(0, 4 / circuit.scale, circuit.size.width() / circuit.scale, 24 / circuit.scale), Qt::AlignCenter,
               circuit.caption);
  }
  const QSet<QString> moved = operatedWithRelays(circuit, operated);
  const QList<bool> live = liveParts(circuit, moved);
  QSet<QString> relays;  // contacts these name are moved by a coil, not by a push button
  for (const Part& part : circuit.parts)
    if (part.kind == PartKind::Coil) relays.insert(part.switchName);
  // Dead parts first, so that a live wire is never painted over where two meet.
  for (bool drawLive : {false, true}) {
    for (qsizetype i = 0; i < circuit.parts.size(); ++i) {
      const Part& part = circuit.parts[i];
      if (live[i] == drawLive)
        drawPart(p, part, moved.contains(part.switchName), live[i], !relays.contains(part.switchName));
    }
  }
  drawJunctions(p, circuit, live);
  drawTerminals(p, circuit, live);
  return image;
}

}  // namespace kwil::media
