#pragma once
// The course's circuit pictures: each circuit is described once and drawn once per
// combination of operated switches, under the file name the program loads for that state.
#include "schematic.h"

#include <QList>
#include <QSet>
#include <QString>

namespace kwil::media {

struct CircuitState {
  QSet<QString> operated;
  QString fileName;
};

struct CircuitFamily {
  Circuit circuit;
  QList<CircuitState> states;  // the first is the state with nothing operated
};

const QList<CircuitFamily>& circuitFamilies();

// The truth-table lesson's circuits (truthtables.cpp).
QList<CircuitFamily> truthTableFamilies();

// The usual names: prefix + "Onbediend", or prefix + the operated switches + "Bediend"
// ("S1Bediend", "S1S2Bediend"); a circuit with one switch is just "Bediend".
QList<CircuitState> statesNamed(const QString& prefix, const QStringList& switches, const QString& extension);

}  // namespace kwil::media
