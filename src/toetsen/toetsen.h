#pragma once
// The test window: the ten questions of lesson LesNummer, one at a time, with four answer
// boxes whose order is shuffled anew for every question. The pupil chooses a box (mouse, keys
// 1 to 4 or A to D), may change the choice, and confirms it (Enter or "Bevestig"); a
// confirmed answer is final. A mouse press on the question or on a box reads it aloud.
// Questions that use the interface show the pressed push buttons s1..s5 (or the held keys F1
// to F5) and the outputs the question's circuit makes of them, on the screen and on the
// interface. After the tenth answer the result is stored with the pupil, the mark is shown,
// and the main menu comes back.
//
// Other windows use: Show() after setting LesNummer (every show starts a new test).
#include <array>
#include <optional>

#include "platform/forms/forms.h"
#include "toetsen/vraagbank.h"

namespace kwil {

class Toetsen : public Form {
  Q_OBJECT
 public:
  explicit Toetsen(QWidget* parent = nullptr);

  // Panel(1) the title, Panel(2) "Vraag n van 10", Panel(3..6) the letters of the answer
  // boxes, Panel(7) the interface frame with Panel(8..12) s1..s5 and Panel(13..20) E1..E8.
  ControlArray<kwil::Panel> Panel{QStringLiteral("Panel")};
  // Label(1) the question, Label(2) how to answer with the keyboard.
  ControlArray<kwil::Label> Label{QStringLiteral("Label")};
  // Ribbon(1..4): the answer boxes.
  ControlArray<RibbonButton> Ribbon{QStringLiteral("Ribbon")};
  // Command(1): "&Bevestig".
  ControlArray<CommandButton> Command{QStringLiteral("Command")};
  // Reads the push buttons every 5 ms while a test runs.
  Timer TijdInterval{this, 5};

  // The first panel of the push buttons and of the outputs.
  static constexpr int kEerstePanelKnop = 8;
  static constexpr int kEerstePanelUitgang = 13;

 protected:
  void Form_Load() override;
  void Form_Activate() override;
  void Form_KeyDown(int& keyCode, int shift) override;
  void Form_KeyUp(int& keyCode, int shift) override;
  void Form_FocusLost() override;
  void Form_QueryUnload(bool& cancel) override;

 private:
  void maakOntwerp();
  void schaalBijEersteLading();

  void startToets();
  void toonVraag();
  void kiesAntwoord(int box);
  void bevestig();
  void eindeToets();
  // Back to the main menu: its timer on, the menu shown, this window hidden.
  void naarHoofdmenu();

  void Ribbon_Click(int box);
  void Ribbon_MouseDown(int box);
  void Label_MouseDown(int index);
  void Command_Click(int index);
  void TijdInterval_Timer();

  // The buttons pressed now: s<k> on the interface or F<k> held.
  std::array<bool, 5> ingedrukt() const;
  // Shows the buttons and writes the outputs of the current question's circuit.
  void toonSchakeling();
  const ToetsVraag& huidigeVraag() const;
  int vraagNummer() const;

  std::optional<Vraagbank> bank_;
};

}  // namespace kwil
