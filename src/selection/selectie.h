#pragma once
// The selection window: the first window of the program. Its first loading is the program's
// start-up (screen, student database, sound device, interface); afterwards a pupil picks a
// class and a name, registers or logs in with a password, the teacher reaches the teacher
// module, and while the window is active it keeps testing the interface on the table.
//
// The controls keep the indexes the rest of the program knows them by: Panel(17) the
// interface name, Panel(18)..(25) the output lamps E1..E8, Panel(26)..(30) the input lamps
// s1..s5, Panel(31)/(32) the analogue bars A1/A2, Text(1)..(5) voornaam, tussenvoegsel,
// achternaam, wachtwoord and klasnaam, Command(1)..(5) Stoppen, Help, Leraarmodule,
// "niet in de lijst" and Oeps.
#include "platform/forms/forms.h"

namespace kwil {

struct DbStatus;
enum class WindowId;

class Selectie : public Form {
  Q_OBJECT
 public:
  Selectie();
  ~Selectie() override;

  ControlArray<kwil::PictureBox> PictureBox{QStringLiteral("PictureBox")};
  ControlArray<kwil::Panel> Panel{QStringLiteral("Panel")};
  ControlArray<CommandButton> Command{QStringLiteral("Command")};
  ControlArray<kwil::Label> Label{QStringLiteral("Label")};
  ControlArray<TextBox> Text{QStringLiteral("Text")};
  ListBox* List = nullptr;
  ImageBox* ImageLogo = nullptr;

  // The output test (every 2 s) and the input test (every 10 ms); the windows that return
  // here switch the output test on again.
  Timer TijdInterval;
  Timer TijdintervalIngangen;

  // Gives the hovered button and the hovered list their normal colour back.
  void KleurCommand();

 protected:
  void Form_Load() override;
  void Form_Activate() override;
  void Form_Deactivate() override;
  void Form_KeyDown(int& keyCode, int shift) override;
  void Form_MouseMove(int button, int shift, float x, float y) override;

 private:
  // Building the window (selectie_layout.cpp).
  void maakBesturing();
  void maakTitelEnInterface();
  void maakKeuzeFrame();
  void maakInvoerFrames();
  void maakKnoppen();
  void koppelGebeurtenissen();

  // Start-up (selectie_startup.cpp).
  void tekenTitel();
  void zoekInterfaceBijStart();

  // Choosing class and pupil (selectie_keuze.cpp).
  void BeginOpnieuw();
  void VulLijst();
  void vulKlassen();
  void vulLeerlingen();
  void kiesLeerling();
  void ToonStap();
  void Command_Click(int index);
  void Command_MouseMove(int index);
  void List_MouseMove();
  void List_KeyDown(int keyCode);
  void List_MouseDown();

  // Registration and login (selectie_login.cpp).
  void Text_KeyPress(int index, int& keyAscii);
  void voornaamIngevoerd();
  void nieuweLeerlingOpslaan();
  void wachtwoordIngevoerd();
  void eersteWachtwoordOpslaan();
  void leraarWachtwoordControleren();
  void klasnaamIngevoerd();
  void LogIn();
  void toonVensterEnVerberg(WindowId id);
  void maakTekstvakkenLeeg();

  // Activation and the interface test (selectie_test.cpp).
  void TijdInterval_Timer();
  void TijdintervalIngangen_Timer();
  void toonAnaloog(kwil::Panel& balk, std::int32_t waarde, std::int32_t& vorige);
  void ImageLogo_Click();

  // A failed database operation: tells the user; true when it went well.
  static bool databaseGelukt(const DbStatus& status);
};

}  // namespace kwil
