#pragma once
// The teacher module: the pupils of one class, one at a time, with every field in a text box
// to correct, a mark to clear so the pupil can do that lesson again, deleting a pupil, an
// overview of the class's marks, the printed class report, and the program's settings
// (inverted outputs, parallel port or K8055 cards, the teacher password).
//
// Controls: KlasLijst the classes, Text(1)..Text(20) the fields of leerlingvelden.h,
// Overzicht the marks of the class (one line per pupil; choosing a line shows that pupil),
// Panel(1) the title, Panel(2) which pupil is shown, Panel(3) the settings in use,
// Command(1) "Hoofd&menu", (2)..(5) first, previous, next, last, (6) store, (7) delete,
// (8) show or hide the password, (9) invert, (10) parallel/USB, (11) teacher password,
// (12) print.
#include <QList>
#include <QStringList>

#include "platform/forms/forms.h"
#include "selection/database/studentdatabase.h"

namespace kwil {

class Leraarmodule : public Form {
  Q_OBJECT
 public:
  Leraarmodule();

  ControlArray<kwil::Panel> Panel{QStringLiteral("Panel")};
  ControlArray<CommandButton> Command{QStringLiteral("Command")};
  ControlArray<kwil::Label> Label{QStringLiteral("Label")};
  ControlArray<TextBox> Text{QStringLiteral("Text")};
  ListBox* KlasLijst = nullptr;
  ListBox* Overzicht = nullptr;

  // Gives the module's hovered button its normal colour back.
  void KleurCommand();

  // What is on screen: the chosen class and the position of the pupil shown (-1 = none).
  QString gekozenKlas() const { return klas_; }
  int huidigeLeerling() const { return huidige_; }
  int aantalLeerlingen() const { return static_cast<int>(rijen_.size()); }

 protected:
  void Form_Load() override;
  void Form_Activate() override;
  void Form_KeyDown(int& keyCode, int shift) override;
  void Form_MouseMove(int button, int shift, float x, float y) override;

 private:
  // Building and scaling (leraarmodule.cpp).
  void maakOntwerp();
  void maakVelden();
  void maakKnoppen();
  void koppelGebeurtenissen();
  void Command_Click(int index);
  void Command_MouseMove(int index);
  void verlaat();

  // The pupils (leraarmodule_leerlingen.cpp).
  static QString overzichtKop();
  void vulKlassen();
  void selecteerKlas();
  void KlasLijst_Click();
  void Overzicht_Click();
  void leesKlas();
  void vulOverzicht();
  int positieVan(qint64 id) const;
  // Reads the classes and the chosen class anew and shows the pupil with id toonId, or the
  // one at the same place when that pupil is gone.
  void herlaad(qint64 toonId);
  void toonLeerling(int positie);
  void ga(int positie);
  QStringList tekstenInVakken() const;
  bool heeftWijzigingen() const;
  bool bewaar();
  void verwijder();
  void wachtwoordTonen(bool zichtbaar);

  // Settings and the report (leraarmodule_instellingen.cpp).
  void inverteer();
  void wisselInterface();
  void wijzigLeraarWachtwoord();
  void toonInstellingen();
  void printen();

  // A failed database operation: tells the user; true when it went well.
  static bool gelukt(const DbStatus& status);

  bool vullen_ = false;  // the lists are being filled: their Click events are not the user's
  QString klas_;
  QList<PupilRow> rijen_;
  int huidige_ = -1;
  QStringList getoond_;  // the texts as read, to find what the teacher changed
  bool wachtwoordZichtbaar_ = false;
  // The size of the settings panel's letters as designed and scaled; smaller only when its
  // lines would not fit.
  float instellingenLetter_ = 0;
};

}  // namespace kwil
