#pragma once
// A circuit of the push buttons, as a test question or a lesson page uses it: for some outputs
// E1..E8 a switching expression of the push buttons s1..s5, written as a teacher writes it in a
// question bank:
//
//   E1 = s1 EN s2
//   E2 = NIET (s1 OF s3)
//
// EN binds more strongly than OF, NIET applies to what follows it, brackets group. Words are
// not case-sensitive; 0 and 1 stand for off and on.
#include <QString>
#include <array>
#include <memory>
#include <optional>
#include <vector>

namespace kwil {

// A parsed expression: a node is a constant, a button, NIET of one node, or EN/OF of several.
// Lessons draw a circuit of gates from this tree: every EN, OF and NIET node is one gate.
class SchakelExpressie {
 public:
  enum class Soort { Waarde, Knop, Niet, En, Of };
  Soort soort = Soort::Waarde;
  int getal = 0;  // the constant 0/1, or the button number 1 to 5
  std::vector<std::shared_ptr<const SchakelExpressie>> delen;

  bool aan(const std::array<bool, 5>& s) const;
  // The highest button number the expression uses (0 when it uses none).
  int hoogsteKnop() const;

  // Reads an expression without its "E<n> =" (see above); on a fault gives nothing and sets
  // fout to a Dutch sentence.
  static std::shared_ptr<const SchakelExpressie> lees(const QString& tekst, QString& fout);
};

// One output and the expression that drives it.
class SchakelRegel {
 public:
  // Reads "E<n> = expression"; on a fault gives nothing and sets fout to a Dutch sentence.
  static std::optional<SchakelRegel> lees(const QString& tekst, QString& fout);

  int uitgang() const { return uitgang_; }  // 1 to 8
  // Whether the output is on for the pressed buttons (ingedrukt[k - 1] for s<k>).
  bool aan(const std::array<bool, 5>& ingedrukt) const;
  const SchakelExpressie& expressie() const { return *expressie_; }

 private:
  int uitgang_ = 0;
  std::shared_ptr<const SchakelExpressie> expressie_;
};

}  // namespace kwil
