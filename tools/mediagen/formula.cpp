#include "formula.h"

#include <algorithm>

namespace kwil::media {

Formula Formula::in(const QString& letter) { return {Kind::Input, letter, {}}; }
Formula Formula::niet(const Formula& term) { return {Kind::Not, {}, {term}}; }
Formula Formula::en(const QList<Formula>& terms) { return {Kind::And, {}, terms}; }
Formula Formula::of(const QList<Formula>& terms) { return {Kind::Or, {}, terms}; }

bool Formula::evaluate(const QSet<QString>& operated) const {
  const auto value = [&](const Formula& term) { return term.evaluate(operated); };
  switch (kind) {
    case Kind::Input: return operated.contains(input);
    case Kind::Not: return !terms.first().evaluate(operated);
    case Kind::And: return std::all_of(terms.begin(), terms.end(), value);
    case Kind::Or: return std::any_of(terms.begin(), terms.end(), value);
  }
  return false;
}

QStringList Formula::inputs() const {
  if (kind == Kind::Input) return {input};
  QStringList letters;
  for (const Formula& term : terms)
    for (const QString& letter : term.inputs())
      if (!letters.contains(letter)) letters.append(letter);
  letters.sort();
  return letters;
}

}  // namespace kwil::media
