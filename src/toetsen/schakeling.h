#pragma once
// The circuit of a test question that uses the interface: for some outputs E1..E8 a switching
// expression of the push buttons s1..s5, written as a teacher writes it in a question bank:
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

namespace kwil {

class SchakelExpressie;

// One output and the expression that drives it.
class SchakelRegel {
 public:
  // Reads "E<n> = expression"; on a fault gives nothing and sets fout to a Dutch sentence.
  static std::optional<SchakelRegel> lees(const QString& tekst, QString& fout);

  int uitgang() const { return uitgang_; }  // 1 to 8
  // Whether the output is on for the pressed buttons (ingedrukt[k - 1] for s<k>).
  bool aan(const std::array<bool, 5>& ingedrukt) const;

 private:
  int uitgang_ = 0;
  std::shared_ptr<const SchakelExpressie> expressie_;
};

}  // namespace kwil
