#pragma once
// The question banks of the five tests: ten questions per lesson, each with four answers and
// the letter of the right one, kept as readable text (banks/les1.txt to les5.txt) that a
// teacher can correct. The format is explained at the top of every bank file:
//
//   Vraag 3                      starts question 3 (questions are numbered 1 to 10 in order)
//   V: text                      one line of the question, 1 to 9 lines
//   A: text  (also B:, C:, D:)   one line of that answer, 1 to 3 lines per answer
//   Goed: C                      the letter of the right answer
//   E1 = s1 EN s2                only in a question that uses the interface: what an output
//                                does while the pupil operates s1..s5 (see schakeling.h)
//   # ...                        a comment; blank lines are ignored
//
// A question or answer line keeps the blanks that indent it after "V: " (the columns of a
// truth table, a formula set apart), so the test shows it as the bank lays it out. A bar over a
// letter of a formula is written with the combining overline after the letter ("b\u0305").
#include <QList>
#include <QString>
#include <QStringList>
#include <array>
#include <optional>

#include "shared/schakeling.h"

namespace kwil {

inline constexpr int kVragenPerToets = 10;
inline constexpr int kMaxVraagRegels = 9;
inline constexpr int kMaxAntwoordRegels = 3;

struct ToetsVraag {
  QStringList vraag;                      // 1 to 9 lines
  std::array<QStringList, 4> antwoorden;  // answers A to D as numbered in the bank, 1 to 3 lines each
  int goed = 0;                           // 1 to 4: the right answer (A = 1)
  QList<SchakelRegel> schakeling;         // empty unless the question uses the interface

  bool gebruiktInterface() const { return !schakeling.isEmpty(); }
};

struct Vraagbank {
  QList<ToetsVraag> vragen;

  // The ten letters of the right answers, in question order ("BDACB...").
  QString sleutel() const;
};

// A bank read from text, or the first fault found in it.
struct VraagbankUitslag {
  std::optional<Vraagbank> bank;
  int regel = 0;  // line of the fault (1-based), 0 when the fault is not one line's
  QString fout;   // Dutch description of the fault
};

// Reads and checks a bank: numbering, ten questions, line counts, four different answers,
// a right answer, and circuits that can be read.
VraagbankUitslag leesVraagbank(const QString& tekst);

// The text of the bank of lesson 1 to 5 as the program carries it; empty for another number.
QString vraagbankTekst(int les);

// The bank of lesson 1 to 5, read once; nothing when there is none or it has a fault (fout
// then says which, in Dutch).
std::optional<Vraagbank> vraagbank(int les, QString* fout = nullptr);

}  // namespace kwil
