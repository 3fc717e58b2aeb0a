#pragma once
// The circuits of lesson 4 as data: for every interactive page the circuit it shows, and for
// every combination of its operated inputs the value E of its formula, the three pictures
// that show that state (formula, logic gates, circuit diagram), and what the input memory
// IngangVerwerkt(3..5) keeps of it. The window looks a combination up here and applies it.
#include <QList>
#include <QString>
#include <array>

namespace kwil {

// Picture boxes of the three frames.
inline constexpr int kSchemaVak = 2;   // circuit diagram
inline constexpr int kPoortVak = 3;    // logic gates
inline constexpr int kFormuleVak = 4;  // formula

struct FormuleRij {
  const char* bediend;  // the operated inputs among a, b, c ("" = none)
  int e;                // the formula's value, written as the whole output byte
  const char* formule;  // picture of PictureBox(4)
  const char* poort;    // picture of PictureBox(3)
  const char* schema;   // picture of PictureBox(2)
  // IngangVerwerkt(3), (4), (5) after the row: 'J' True, 'N' False, '-' unchanged.
  const char* verwerkt;

  // The picture for picture box k (2, 3 or 4).
  QString plaatje(int k) const;
};

struct FormuleGroep {
  int eersteStap, laatsteStap;
  const char* ingangen;         // the circuit's inputs: "ab", "abc" or "a"
  int niveau;                   // Voortgang when all its inputs are operated together
  std::array<int, 3> volgorde;  // the order in which the pictures are loaded
  bool relais;                  // the relay sound plays when the relay pulls in or drops out
  const FormuleRij* rijen;
  int aantalRijen;

  // The row of the combination a, b, c (inputs outside the circuit ignored).
  const FormuleRij& rij(bool a, bool b, bool c) const;
  // The row is the one in which every input of the circuit is operated.
  bool allesBediend(const FormuleRij& r) const;
};

// The circuit of a step, nullptr on a step without one.
const FormuleGroep* formuleGroep(int stap);

// Every circuit group, in step order.
QList<const FormuleGroep*> formuleGroepen();

// The relay of the relay circuit is pulled in exactly while a or b is operated; it remembers
// its state in IngangVerwerkt(3) or (4).
bool relaisSchakelt(bool verwerktA, bool verwerktB, bool a, bool b);

}  // namespace kwil
