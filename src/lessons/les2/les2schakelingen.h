#pragma once
// The circuits of lesson 2 and the truth tables the pupil fills in with them. Pure rules,
// without a window: which output each position of the switches gives, the order of the rows,
// the picture the course media holds for each position, and what a page shows of its table.
#include <QString>
#include <array>
#include <cstdint>

namespace kwil {

enum class Schakeling {
  Wel,       // s1 (make contact)
  Niet,      // NIET s1 (break contact)
  En,        // s1 EN s2
  Of,        // s1 OF s2
  En3,       // s1 EN s2 EN s3
  Of3,       // s1 OF s2 OF s3
  EnOf,      // (s1 EN s2) OF s3
  EnNiet,    // s1 EN NIET s2
  OfAnders,  // s1 OF s2 OF (s1 EN s2): the OF table from another circuit
  NietNiet,  // NIET s1 EN NIET s2
  Alarm,     // s1 EN (s2 OF s3)
  Pers,      // s1 EN s2 EN NIET s3
};

struct SchakelingGegevens {
  int schakelaars;        // 1 to 3: s1, s2, s3
  const char* uitgang;    // the output E1 per row, top row first ("0001" for EN)
  const char* plaatje;    // the picture name before "Onbediend"/"...Bediend" ".bmp"
  const char* naam;       // the name the pupil gives it, "" when it has none of its own
};

const SchakelingGegevens& gegevens(Schakeling schakeling);

// Rows of a table with n switches: 2, 4 or 8.
int aantalRijen(int schakelaars);

// The row of a position of the switches. The rows count in binary with s1 as the highest
// digit (s1 s2 = 00, 01, 10, 11); switches beyond the circuit's own are ignored.
int rijVan(int schakelaars, bool s1, bool s2, bool s3);

// Whether switch k (1 = s1) is operated in row rij.
bool bediendInRij(int schakelaars, int rij, int k);

// The output E1 of the circuit in a row.
bool uitgangInRij(Schakeling schakeling, int rij);

// The picture of the circuit with the switches of row rij operated, as the media generator
// names it: "...Onbediend.bmp", "...S1S3Bediend.bmp", and "...Bediend.bmp" for one switch.
QString plaatjeInRij(Schakeling schakeling, int rij);

// The picture of the circuit without a state: the contacts at rest, no current drawn and E1
// dark ("...Stroomloos.bmp"). A page that asks for a prediction shows it until every row is
// predicted, so that the drawing gives no answer away.
QString plaatjeZonderStand(Schakeling schakeling);

// What a page shows of a table.
enum class Weergave {
  Geen,         // no table
  Leeg,         // the rows of the switches, the output column still empty, no circuit
  Ingevuld,     // the whole table with its circuit
  Invullen,     // the pupil fills it with the switches
  Raden,        // ... without seeing the circuit, then names it
  Voorspellen,  // the pupil predicts the output column first, then checks it with the switches
};

struct TabelPagina {
  Weergave weergave = Weergave::Geen;
  Schakeling schakeling = Schakeling::Wel;
};

// The table of a page of lesson 2 (Geen outside the lesson's pages).
TabelPagina tabelOpPagina(int stap);

// What the pupil has done with one table: which rows have been seen, the predictions, and
// whether the circuit has been named.
class TabelVoortgang {
 public:
  explicit TabelVoortgang(int rijen = 2) : rijen_(rijen) { voorspelling_.fill(-1); }

  int rijen() const { return rijen_; }
  void zie(int rij);
  bool gezien(int rij) const { return rij >= 0 && rij < rijen_ && (gezien_ >> rij) & 1; }
  bool vol() const { return gezien_ == (1u << rijen_) - 1; }

  // A click on a prediction cell: empty, then 0, then 1, then 0 again ...
  void voorspel(int rij);
  int voorspelling(int rij) const { return rij >= 0 && rij < rijen_ ? voorspelling_[rij] : -1; }
  bool allesVoorspeld() const;

  bool benoemd = false;

 private:
  int rijen_;
  std::uint8_t gezien_ = 0;
  std::array<int, 8> voorspelling_{};
};

}  // namespace kwil
