#pragma once
// Short ways to describe the parts of a circuit schema.
#include "schematic.h"

#include <QColor>

namespace kwil::media::parts {

inline const QColor kRedLed(235, 20, 20);

inline Part part(PartKind kind, QPointF from, QPointF to, const QString& label = {}, const QString& switchName = {}) {
  Part made;
  made.kind = kind;
  made.from = from;
  made.to = to;
  made.label = label;
  made.switchName = switchName;
  made.ledColour = kRedLed;
  return made;
}

inline Part wire(QPointF a, QPointF b) { return part(PartKind::Wire, a, b); }
inline Part make(QPointF a, QPointF b, const QString& name) { return part(PartKind::MakeContact, a, b, name, name); }
inline Part breaking(QPointF a, QPointF b, const QString& name) { return part(PartKind::BreakContact, a, b, name, name); }
inline Part bell(QPointF a, QPointF b) { return part(PartKind::Bell, a, b, "H"); }
inline Part resistor(QPointF a, QPointF b, const QString& label) { return part(PartKind::Resistor, a, b, label); }
inline Part led(QPointF a, QPointF b, const QString& label, bool reversed = false) {
  Part made = part(PartKind::Led, a, b, label);
  made.reversed = reversed;
  return made;
}

inline Circuit circuit(QSize size, const QList<Terminal>& terminals = {}) {
  Circuit made;
  made.size = size;
  made.terminals = terminals;
  return made;
}

}  // namespace kwil::media::parts
