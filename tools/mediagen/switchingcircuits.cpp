#include "switchingcircuits.h"

#include "circuitparts.h"

namespace kwil::media {
namespace {

using namespace parts;

const QSize kLedSize(240, 320);
const QSize kRelaySize(300, 320);
const QString kSupply = "+12 V";
constexpr double kPlusY = 40;
constexpr double kZeroY = 288;
constexpr double kSplitY = 52;  // where the supply divides over side-by-side contacts

double heightOf(const Part& symbol) {
  switch (symbol.kind) {
    case PartKind::Resistor: return 44;
    case PartKind::Led: return 34;
    default: return 48;
  }
}

// The symbols one below the other on the line x from `top` to `bottom`, joined by wires,
// the room left over shared out evenly between them.
QList<Part> column(double x, double top, double bottom, const QList<Part>& symbols) {
  double used = 0;
  for (const Part& symbol : symbols) used += heightOf(symbol);
  const double gap = (bottom - top - used) / double(symbols.size() + 1);
  QList<Part> made;
  double y = top;
  for (Part symbol : symbols) {
    made.append(wire({x, y}, {x, y + gap}));
    symbol.from = {x, y + gap};
    symbol.to = {x, y + gap + heightOf(symbol)};
    made.append(symbol);
    y = symbol.to.y();
  }
  made.append(wire({x, y}, {x, bottom}));
  return made;
}

Part contact(const QString& input) {
  return input.startsWith('!') ? breaking({}, {}, input.mid(1)) : make({}, {}, input);
}

QList<Part> resistorAndLed() { return {resistor({}, {}, "R"), led({}, {}, "E")}; }

Circuit ledCircuit(double x, QSize size = kLedSize) {
  return circuit(size, {{{x, kPlusY}, kSupply, true}, {{x, kZeroY}, "0", false}});
}

// Two branches from the supply at x, at `left` and `right`, joined again at y `joinY`.
QList<Part> branches(double x, double left, double right, double joinY) {
  return {wire({x, kPlusY}, {x, kSplitY}), wire({x, kSplitY}, {left, kSplitY}), wire({x, kSplitY}, {right, kSplitY}),
          wire({left, joinY}, {x, joinY}),   wire({right, joinY}, {x, joinY})};
}

}  // namespace

Circuit seriesLedCircuit(const QStringList& contacts) {
  QList<Part> symbols;
  for (const QString& input : contacts) symbols.append(contact(input));
  Circuit c = ledCircuit(100);
  c.parts = column(100, kPlusY, kZeroY, symbols + resistorAndLed());
  return c;
}

Circuit parallelLedCircuit() {
  const double x = 120, join = 124;
  Circuit c = ledCircuit(x);
  c.parts = branches(x, 65, 175, join) + column(65, kSplitY, join, {contact("a")}) +
            column(175, kSplitY, join, {contact("b")}) + column(x, join, kZeroY, resistorAndLed());
  return c;
}

Circuit andOrLedCircuit() {
  const double x = 120, join = 176;
  Circuit c = ledCircuit(x);
  c.parts = branches(x, 65, 175, join) + column(65, kSplitY, join, {contact("a"), contact("b")}) +
            column(175, kSplitY, join, {contact("c")}) + column(x, join, kZeroY, resistorAndLed());
  return c;
}

Circuit relayLedCircuit() {
  const double x = 150, rail = 50, bottom = 274, left = 32, right = 122, coilX = 77, loadX = 235, join = 118;
  Circuit c = ledCircuit(x, kRelaySize);
  c.terminals = {{{x, 34}, kSupply, true}, {{x, kZeroY}, "0", false}};
  Part relayContact = breaking({}, {}, "K");
  relayContact.label = "k-1";
  c.parts = {wire({x, 34}, {x, rail}),       wire({left, rail}, {right, rail}), wire({right, rail}, {x, rail}),
             wire({x, rail}, {loadX, rail}), wire({left, join}, {coilX, join}), wire({right, join}, {coilX, join}),
             wire({coilX, bottom}, {x, bottom}), wire({x, bottom}, {loadX, bottom}), wire({x, bottom}, {x, kZeroY})};
  c.parts += column(left, rail, join, {contact("a")}) + column(right, rail, join, {contact("b")}) +
             column(coilX, join, bottom, {part(PartKind::Coil, {}, {}, "K", "K")}) +
             column(loadX, rail, bottom, QList<Part>{contact("c"), relayContact} + resistorAndLed());
  return c;
}

}  // namespace kwil::media
