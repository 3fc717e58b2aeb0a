#pragma once
// The main menu: the logged-in pupil's name, the five lesson pictures with their list of
// lessons, and the way back to the selection window. A lesson starts when the pupil releases
// a mouse button on its picture or releases its push button s1..s5 on the interface; a lesson
// that already has a mark is refused with a message that gives the mark.
//
// Other windows use: Show() (its activation sets Hoofdstuk = 0 and starts the polling timer)
// and TijdInterval, which the end of a test switches on before it shows this window.
#include "platform/forms/forms.h"

namespace kwil {

class Hoofdmenu : public Form {
  Q_OBJECT
 public:
  explicit Hoofdmenu(QWidget* parent = nullptr);

  // Panel(1) the pupil's name, Panel(2) and Panel(13) frames, Panel(2N+1) the number and
  // Panel(2N+2) the title of lesson N.
  ControlArray<kwil::Panel> Panel{QStringLiteral("Panel")};
  // Command(1) "Hoofd&menu", Command(2) "&Help me".
  ControlArray<CommandButton> Command{QStringLiteral("Command")};
  // ImageBox(N): the picture of lesson N.
  ControlArray<kwil::ImageBox> ImageBox{QStringLiteral("ImageBox")};
  ControlArray<LineControl> Lijn{QStringLiteral("Lijn")};
  ControlArray<kwil::Shape> Shape{QStringLiteral("Shape")};
  // Polls the push buttons every 5 ms while the menu is the pupil's window.
  Timer TijdInterval{this, 5};

  // The lesson start rule: lesson N (1 to 5) starts at its first page unless it has a mark.
  void StartLes(int n);

  // Which picture of lesson n to show; the file name is spelled as each path spells it.
  enum class Plaatje { Onbediend, Bediend, OnBediend };
  // That picture's name under the program folder ("\Afbeeldingen\...gif").
  static QString plaatjeBestand(int n, Plaatje welk);

 protected:
  void Form_Load() override;
  void Form_Activate() override;
  void Form_KeyDown(int& keyCode, int shift) override;
  void Form_MouseMove(int button, int shift, float x, float y) override;

 private:
  void maakOntwerp();
  void maakLesRegels();
  void schaalBijEersteLading();

  void Command_Click(int index);
  void Command_MouseMove(int index);
  void Panel_MouseMove();
  void ImageBox_MouseMove(int n, int button);
  void ImageBox_MouseDown(int n);
  void ImageBox_MouseUp(int n, float x, float y);
  void TijdInterval_Timer();

  // The hovered button back to its normal colour (buttons 1 and 2 only).
  void knopNormaal();
  void toonPlaatje(int n, Plaatje welk);
  // The normal look of lesson n's title panel, of its number panel.
  void titelNormaal(int n);
  void nummerNormaal(int n);
  // Shows a window of the program: forms load and activate, anything else just appears.
  static void toonVenster(QWidget* venster);
  // Waits, letting events run, until push button s<n> is released.
  void wachtOpLoslaten(int n);
};

}  // namespace kwil
