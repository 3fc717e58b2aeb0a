#pragma once
// A switching formula over the inputs a, b and c, such as E = a . b + c. The lesson's
// formula picture, gate diagram and the value of the output E are all made from it.
#include <QList>
#include <QSet>
#include <QString>

namespace kwil::media {

struct Formula {
  enum class Kind { Input, Not, And, Or };

  Kind kind = Kind::Input;
  QString input;         // the input's letter, for an Input
  QList<Formula> terms;  // the operands: one for a Not, two or more for And and Or

  static Formula in(const QString& letter);
  static Formula niet(const Formula& term);
  static Formula en(const QList<Formula>& terms);
  static Formula of(const QList<Formula>& terms);

  // The value with exactly the inputs in `operated` at 1.
  bool evaluate(const QSet<QString>& operated) const;
  // The input letters the formula uses, in alphabetical order.
  QStringList inputs() const;
  // A negated input (a bar over one letter).
  bool isNegatedInput() const { return kind == Kind::Not && terms.first().kind == Kind::Input; }
};

}  // namespace kwil::media
