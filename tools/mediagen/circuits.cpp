#include "circuits.h"

#include "circuitparts.h"

namespace kwil::media {
namespace {

using namespace parts;

// One supply for each kind of circuit, the same in every picture of that kind: the bell on the
// bell transformer, the LEDs on the interface's supply behind a series resistor.
const QString kBellSupply = QStringLiteral("12 V");
const QString kLedSupply = QStringLiteral("+12 V");

// A supply and parts in series in one column, read from top to bottom, joined by wires.
Circuit column(const QString& supply, const QList<Part>& series) {
  const double x = series.first().from.x();
  Circuit c = circuit(QSize(190, 300), {{{x, 40}, supply, true}, {{x, 262}, "0", false}});
  QPointF above(x, 40);
  for (const Part& p : series) {
    c.parts.append(wire(above, p.from));
    c.parts.append(p);
    above = p.to;
  }
  c.parts.append(wire(above, {x, 262}));
  return c;
}

Circuit bellCircuit(bool breakContact) {
  const QPointF top(70, 62), bottom(70, 132);
  return column(kBellSupply, {breakContact ? breaking(top, bottom, "s") : make(top, bottom, "s"),
                              bell({70, 170}, {70, 230})});
}

// s1 and s2 side by side (OF, parallel) or one below the other (EN, series), then the bell.
Circuit parallelBell() {
  Circuit c = circuit(QSize(240, 300), {{{110, 40}, kBellSupply, true}, {{110, 262}, "0", false}});
  c.parts = {wire({110, 40}, {110, 60}),   wire({110, 60}, {60, 60}),    wire({110, 60}, {160, 60}),
             make({60, 60}, {60, 130}, "s1"), make({160, 60}, {160, 130}, "s2"),
             wire({60, 130}, {110, 130}),  wire({160, 130}, {110, 130}), wire({110, 130}, {110, 172}),
             bell({110, 172}, {110, 226}), wire({110, 226}, {110, 262})};
  return c;
}

Circuit seriesBell() {
  Circuit c = circuit(QSize(190, 300), {{{70, 36}, kBellSupply, true}, {{70, 266}, "0", false}});
  c.parts = {wire({70, 36}, {70, 48}),    make({70, 48}, {70, 108}, "s1"), wire({70, 108}, {70, 122}),
             make({70, 122}, {70, 182}, "s2"), wire({70, 182}, {70, 196}),  bell({70, 196}, {70, 246}),
             wire({70, 246}, {70, 266})};
  return c;
}

// E1 and a reversed E2 behind make contact s1, E3 behind break contact s2, each with its
// resistor, between the LED supply and 0.
Circuit threeLeds() {
  Circuit c = circuit(QSize(340, 300), {{{165, 36}, kLedSupply, true}, {{165, 270}, "0", false}});
  c.parts = {wire({165, 36}, {165, 56}),   wire({165, 56}, {60, 56}),    wire({165, 56}, {270, 56}),
             make({60, 56}, {60, 126}, "s1"), wire({60, 126}, {150, 126}),
             resistor({60, 126}, {60, 184}, "R1"),  led({60, 184}, {60, 236}, "E1"),
             wire({60, 236}, {60, 256}),
             resistor({150, 126}, {150, 184}, "R2"), led({150, 184}, {150, 236}, "E2", true),
             wire({150, 236}, {150, 256}),
             breaking({270, 56}, {270, 126}, "s2"), resistor({270, 126}, {270, 184}, "R3"),
             led({270, 184}, {270, 236}, "E3"),     wire({270, 236}, {270, 256}),
             wire({60, 256}, {150, 256}),  wire({150, 256}, {165, 256}), wire({165, 256}, {270, 256}),
             wire({165, 256}, {165, 270})};
  return c;
}

// A contact on its own, as drawn in the workbook.
Circuit contactSymbol(bool breakContact, double scale) {
  const QPointF top(34, 10), bottom(34, 90);
  Circuit c = circuit(QSize(int(100 * scale), int(100 * scale)));
  c.parts = {breakContact ? breaking(top, bottom, "s") : make(top, bottom, "s")};
  c.scale = scale;
  return c;
}

Circuit bellSymbol() {
  Circuit c = circuit(QSize(150, 150));
  c.parts = {bell({40, 10}, {40, 90})};
  c.scale = 1.5;
  return c;
}

// The tall main-menu picture of lesson n: its push button lights the LED of that lesson,
// through its resistor.
Circuit menuCircuit(int lesson) {
  const QString n = QString::number(lesson);
  // Drawn smaller than the lesson schemas, so that the supply and the labels fit the narrow
  // picture; the caption keeps its size.
  const double x = 26;
  Circuit c = circuit(QSize(75, 250), {{{x, 72}, kLedSupply, true}, {{x, 268}, "0", false}});
  c.parts = {wire({x, 72}, {x, 80}),      make({x, 80}, {x, 146}, "s" + n), wire({x, 146}, {x, 154}),
             resistor({x, 154}, {x, 206}, ""), wire({x, 206}, {x, 216}), led({x, 216}, {x, 250}, "E" + n),
             wire({x, 250}, {x, 268})};
  c.scale = 0.8;
  c.caption = "Les " + n;
  return c;
}

CircuitFamily family(const Circuit& circuit, const QString& prefix, const QStringList& switches,
                     const QString& extension = ".bmp") {
  return {circuit, statesNamed(prefix, switches, extension)};
}

QList<CircuitFamily> makeFamilies() {
  QList<CircuitFamily> families = {
      family(contactSymbol(false, 1.0), "ImgSymboolEnkp", {"s"}),
      family(contactSymbol(true, 1.6), "ImgSymboolNietEnkp", {"s"}),
      {bellSymbol(), {{{}, "ImgSymboolBel.bmp"}}},
      family(bellCircuit(false), "ImgSchemaBel", {"s"}),
      family(bellCircuit(true), "ImgSchemaBelNiet", {"s"}),
      family(parallelBell(), "ImgSchemaBelOf", {"s1", "s2"}),
      family(seriesBell(), "ImgSchemaBelEn", {"s1", "s2"}),
      family(column(kLedSupply, {make({70, 58}, {70, 118}, "s1"), resistor({70, 130}, {70, 180}, "R1"),
                                 led({70, 194}, {70, 238}, "E1")}),
             "ImgSchemaLed", {"s1"}),
      // This family's names say the state of each switch: s1 "Be"(diend) or "On"(bediend).
      {threeLeds(),
       {{{}, "ImgSchemaLedsE1E2E3s1s2Onbediend.bmp"},
        {{"s1"}, "ImgSchemaLedsE1E2E3s1Bes2Onbediend.bmp"},
        {{"s2"}, "ImgSchemaLedsE1E2E3s1Ons2Bediend.bmp"},
        {{"s1", "s2"}, "ImgSchemaLedsE1E2E3s1s2Bediend.bmp"}}},
  };
  families.append(truthTableFamilies());
  for (int lesson = 1; lesson <= 5; ++lesson) {
    const QString n = QString::number(lesson);
    families.append({menuCircuit(lesson),
                     {{{}, "ImgSymboolEnkpOnbediendHoofdmenuE" + n + ".gif"},
                      {{"s" + n}, "ImgSymboolEnkpBediendHoofdmenuE" + n + ".gif"}}});
  }
  return families;
}

}  // namespace

QList<CircuitState> statesNamed(const QString& prefix, const QStringList& switches, const QString& extension) {
  QList<CircuitState> states;
  for (int mask = 0; mask < (1 << switches.size()); ++mask) {
    CircuitState state;
    QString names;
    for (int i = 0; i < switches.size(); ++i) {
      if (mask & (1 << i)) {
        state.operated.insert(switches[i]);
        names += switches[i].toUpper();
      }
    }
    if (switches.size() == 1) names.clear();
    state.fileName = prefix + (mask == 0 ? "Onbediend" : names + "Bediend") + extension;
    states.append(state);
  }
  return states;
}

const QList<CircuitFamily>& circuitFamilies() {
  static const QList<CircuitFamily> families = makeFamilies();
  return families;
}

}  // namespace kwil::media
