#include "switchingformulas.h"

#include "formulapicture.h"
#include "gatediagram.h"
#include "switchingcircuits.h"

#include <QRegularExpression>

namespace kwil::media {
namespace {

const QSize kFormulaSize(200, 80);
const QSize kGatesSize(230, 160);
const QString kExtension = ".bmp";

using L = StateNames::Letters;

struct Row {
  Formula formula;
  QString formulaWords;
  StateNames gates;
  StateNames schema;
  Circuit circuit;
};

QList<Row> table() {
  const Formula a = Formula::in("a"), b = Formula::in("b"), c = Formula::in("c");
  using F = Formula;
  return {
      {F::en({a, b}), "{a}EN{b}", {"ImgLogPoortEn2", L::Lower, ""}, {"ImgSchemaLedEnab", L::Upper, ""},
       seriesLedCircuit({"a", "b"})},
      {F::en({a, b, c}), "{a}EN{b}EN{c}", {"ImgLogPoortEn3", L::Lower, ""}, {"ImgSchemaLedEnabc", L::Upper, ""},
       seriesLedCircuit({"a", "b", "c"})},
      {F::of({a, b}), "{a}OF{b}", {"ImgLogPoortOf2", L::Lower, ""}, {"ImgSchemaLedOfab", L::Upper, ""}, parallelLedCircuit()},
      {F::niet(a), "Niet{a}", {"ImgLogPoortNiet", L::None, ""}, {"ImgSchemaLedNieta", L::None, ""}, seriesLedCircuit({"!a"})},
      {F::en({a, F::niet(b)}), "{a}ENNIET{b}", {"ImgLogPoortEnaNietb", L::Upper, ""}, {"ImgSchemaLedEnaNietb", L::Upper, ""},
       seriesLedCircuit({"a", "!b"})},
      {F::of({F::en({a, b}), c}), "{a}EN{b}OF{c}", {"ImgLogPoortEnOf", L::Lower, ""},
       {"ImgSchemaLedEnOf", L::Lower, "abc"}, andOrLedCircuit()},
      {F::en({F::niet(F::of({a, b})), c}), "{a}OF{b}NIETEN{c}", {"ImgLogPoortOfabNietEnc", L::Upper, ""},
       {"ImgSchemaRelaisLedOfabNietEnc", L::Upper, ""}, relayLedCircuit()},
  };
}

SwitchingFamily familyOf(const Row& row) {
  SwitchingFamily family{row.formula, row.circuit, {}};
  const QStringList inputs = row.formula.inputs();
  for (int mask = 0; mask < (1 << inputs.size()); ++mask) {
    SwitchingState state;
    for (qsizetype i = 0; i < inputs.size(); ++i)
      if (mask & (1 << i)) state.operated.insert(inputs[i]);
    state.output = row.formula.evaluate(state.operated);
    state.formulaFile = formulaFileName(row.formulaWords, state.operated);
    state.gatesFile = row.gates.name(inputs, state.operated);
    state.circuitFile = row.schema.name(inputs, state.operated);
    family.states.append(state);
  }
  return family;
}

}  // namespace

QString StateNames::name(const QStringList& inputs, const QSet<QString>& operated) const {
  if (operated.isEmpty()) return stem + beforeRest + "Onbediend" + kExtension;
  QString marked;
  for (const QString& input : inputs)
    if (operated.contains(input) && letters != Letters::None) marked += letters == Letters::Upper ? input.toUpper() : input;
  return stem + marked + (marked.isEmpty() ? "Bediend" : "bediend") + kExtension;
}

QString formulaFileName(const QString& words, const QSet<QString>& operated) {
  static const QRegularExpression input("\\{(\\w)\\}");
  QString name = words;
  for (const QRegularExpressionMatch& m : input.globalMatch(words))
    name.replace(m.captured(0), m.captured(1) + (operated.contains(m.captured(1)) ? "1" : ""));
  return "ImgAlgebra" + name + kExtension;
}

QSize SwitchingFamily::size(SwitchingView view) const {
  switch (view) {
    case SwitchingView::Formula: return kFormulaSize;
    case SwitchingView::Gates: return kGatesSize;
    case SwitchingView::Circuit: return circuit.size;
  }
  return {};
}

QImage SwitchingFamily::draw(SwitchingView view, const QSet<QString>& operated) const {
  switch (view) {
    case SwitchingView::Formula: return drawFormula(formula, operated, size(view));
    case SwitchingView::Gates: return drawGates(formula, operated, size(view));
    case SwitchingView::Circuit: return drawCircuit(circuit, operated);
  }
  return {};
}

const QList<SwitchingFamily>& switchingFamilies() {
  static const QList<SwitchingFamily> families = [] {
    QList<SwitchingFamily> made;
    for (const Row& row : table()) made.append(familyOf(row));
    return made;
  }();
  return families;
}

}  // namespace kwil::media
