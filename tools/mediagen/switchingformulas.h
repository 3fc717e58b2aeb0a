#pragma once
// The pictures of the switching-formula lesson, made from one table: each circuit is given
// by its formula, its schema and how its files are named, and for every combination of its
// operated inputs the formula picture, the gate diagram and the circuit schema are drawn
// from that formula, so that the three always agree with each other and with E.
#include "formula.h"
#include "schematic.h"

#include <QImage>
#include <QList>
#include <QSet>
#include <QSize>
#include <QString>

namespace kwil::media {

enum class SwitchingView { Formula, Gates, Circuit };

struct SwitchingState {
  QSet<QString> operated;
  bool output = false;  // E: the formula's value for these inputs
  QString formulaFile;
  QString gatesFile;
  QString circuitFile;
};

struct SwitchingFamily {
  Formula formula;
  Circuit circuit;
  QList<SwitchingState> states;  // the first is the state with nothing operated

  QSize size(SwitchingView view) const;
  QImage draw(SwitchingView view, const QSet<QString>& operated) const;
};

const QList<SwitchingFamily>& switchingFamilies();

// How the files of one view of a circuit are named after the operated inputs: the stem, the
// operated letters in the order a, b, c and "bediend"; with nothing operated the stem,
// `beforeRest` and "Onbediend". Without letters (one input) "Bediend" follows the stem.
struct StateNames {
  enum class Letters { Lower, Upper, None };
  QString stem;
  Letters letters = Letters::Lower;
  QString beforeRest;

  QString name(const QStringList& inputs, const QSet<QString>& operated) const;
};

// The formula picture's name: the words with each input in braces, "{a}EN{b}", and every
// operated input followed by 1: "ImgAlgebraa1ENb.bmp".
QString formulaFileName(const QString& words, const QSet<QString>& operated);

}  // namespace kwil::media
