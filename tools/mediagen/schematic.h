#pragma once
// Circuit schemas described once and drawn in every state of their switches.
//
// A circuit is a set of parts, each lying between two grid points, with a plus terminal and
// a 0 terminal. Which parts carry current follows from the operated switches; those are
// drawn in the live colour. A relay coil that carries current operates the contacts that
// bear its switch name, as a pressed push button operates its own.
#include <QImage>
#include <QList>
#include <QPointF>
#include <QSet>
#include <QSize>
#include <QString>

namespace kwil::media {

enum class PartKind { Wire, MakeContact, BreakContact, Bell, Led, Resistor, Coil };

struct Part {
  PartKind kind = PartKind::Wire;
  // Symbols lie on a vertical line, from `from` down to `to`; wires may run any way.
  QPointF from;
  QPointF to;
  QString label;           // "s1", "H", "E2", "R1"; drawn beside the symbol
  QString switchName;      // the switch that moves a contact, or that a coil operates
  QColor ledColour;        // the light of an LED
  bool reversed = false;   // an LED with its anode at the bottom
  bool labelLeft = false;  // put the label on the left of the symbol
};

struct Terminal {
  QPointF at;
  QString label;  // "+12 V", "0"
  bool plus = false;
};

struct Circuit {
  QSize size;
  QList<Part> parts;
  QList<Terminal> terminals;
  QString caption;  // optional line of text at the top
  double scale = 1.0;
  bool powered = true;  // false: drawn as a plain schema, no part in the live colour
};

// Which parts carry current when exactly the switches in `operated` are operated: a part does
// when a path of conducting parts runs from the plus terminal through it to the 0 terminal.
QList<bool> partsCarryingCurrent(const Circuit& circuit, const QSet<QString>& operated);

// The pressed switches together with the relays whose coils then carry current.
QSet<QString> operatedWithRelays(const Circuit& circuit, const QSet<QString>& pressed);

// The circuit drawn with the given switches operated.
QImage drawCircuit(const Circuit& circuit, const QSet<QString>& operated);

}  // namespace kwil::media
