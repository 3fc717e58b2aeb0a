// The pages of lesson 4: which frames and pictures a page shows when it is entered from the
// page before or after it, the outputs a few pages set, the workbook clock, and the text.
#include "interface/outputs.h"
#include "lessons/les4/formule.h"
#include "lessons/les4/formulemotor.h"
#include "lessons/les4/les4teksten.h"
#include "shared/kwilstate.h"

namespace kwil {

namespace {
// The released pictures the pages load; a few names end in a blank as the pages spell them.
const QString kEn2Poort = QStringLiteral("ImgLogPoortEn2Onbediend.bmp");
const QString kEn2Schema = QStringLiteral("ImgSchemaLedEnabOnbediend.bmp");
const QString kOf2Poort = QStringLiteral("ImgLogPoortOf2Onbediend.bmp");
const QString kOf2Schema = QStringLiteral("ImgSchemaLedOfabOnbediend.bmp");
const QString kNietPoort = QStringLiteral("ImgLogPoortNietOnbediend.bmp");
const QString kNietSchema = QStringLiteral("ImgSchemaLedNietaOnbediend.bmp");
const QString kEnNietPoort = QStringLiteral("ImgLogPoortEnaNietbOnbediend.bmp");
const QString kEnNietSchema = QStringLiteral("ImgSchemaLedEnaNietbOnbediend.bmp");
const QString kEnOfPoort = QStringLiteral("ImgLogPoortEnOfOnbediend.bmp");
const QString kEnOfSchema = QStringLiteral("ImgSchemaLedEnOfabcOnbediend.bmp");
constexpr float kSmalScherm = 800, kLaagScherm = 600;
}  // namespace

void Formule::bouwPagina() {
  KwilState& s = state();
  const int stap = s.Stap;
  // Page 9 never shows a frame; any other page rebuilt in place keeps what it shows.
  if (stap == 9 && s.VorigeStap == 10) SchrijfUitgangen(0);
  if (stap == 9) verbergAlleLijsten();
  if (s.VorigeStap == stap - 1 || s.VorigeStap == stap + 1) aankomst(stap, s.VorigeStap);
  drukTekst(les4Pagina(stap));
  if (stap == kLes4WerkboekStap) startTekenKlok();
  if (stap == config().overdrachtStap) {
    verbergAlleLijsten();
    s.Voortgang = 0;
    SchrijfUitgangen(0);
    Command(1).setBackColor(KleurKnopNormaal);
  }
}

void Formule::poortLijst(const QString& naam) {
  laadPlaatje(kPoortVak, naam);
  CentreerPanelEnPictureBox(kPoortLijst, kPoortVak);
  toon(kPoortLijst);
}

void Formule::schemaLijst(const QString& naam, bool ofSchakeling) {
  kwil::Panel& lijst = Panel(kSchemaLijst);
  laadPlaatje(kSchemaVak, naam);
  CentreerPanelEnPictureBox(kSchemaLijst, kSchemaVak);
  lijst.setLeft(Panel(kPoortLijst).Left() / 2 - lijst.Width() / 2);
  // The OR circuit is the widest: rather than leave the window it keeps a small margin.
  if (ofSchakeling && lijst.Left() < 0) lijst.setLeft(15);
  houdBinnen(kSchemaLijst);
  toon(kSchemaLijst);
}

void Formule::schakeling(const QString& poort, const QString& schema, bool ofSchakeling) {
  verberg(kSchemaLijst);
  verberg(kPoortLijst);
  poortLijst(poort);
  schemaLijst(schema, ofSchakeling);
}

void Formule::formuleLijst(const QString& naam) {
  kwil::Panel& lijst = Panel(kFormuleLijst);
  const kwil::Panel& poort = Panel(kPoortLijst);
  laadPlaatje(kFormuleVak, naam);
  CentreerPanelEnPictureBox(kFormuleLijst, kFormuleVak);
  lijst.setLeft((poort.Left() + ScaleWidth() + poort.Width()) / 2 - lijst.Width() / 2);
  houdBinnen(kFormuleLijst);
  toon(kFormuleLijst);
}

// The AND-OR circuit: on a narrow window the gate frame stands a little to the right, to
// leave its wide circuit diagram room.
void Formule::enOfLijsten() {
  laadPlaatje(kPoortVak, kEnOfPoort);
  CentreerPanelEnPictureBox(kPoortLijst, kPoortVak);
  if (ScaleWidth() <= kSmalScherm) {
    Panel(kPoortLijst).setLeft(Panel(kPoortLijst).Left() + 30);
    houdBinnen(kPoortLijst);
  }
  toon(kPoortLijst);
  schemaLijst(kEnOfSchema);
}

// The relay circuit is wider: its own layout, the circuit frame left of the middle and the
// gate frame in the strip to its right, lowered on a low window to clear the information bar.
void Formule::relaisSchakeling() {
  const float w = ScaleWidth();
  kwil::Panel& schema = Panel(kSchemaLijst);
  kwil::Panel& poort = Panel(kPoortLijst);
  verbergAlleLijsten();
  laadPlaatje(kSchemaVak, QStringLiteral("ImgSchemaRelaisLedOfabNietEncOnbediend.bmp"));
  CentreerPanelEnPictureBox(kSchemaLijst, kSchemaVak);
  schema.setLeft(w / 3.5f - schema.Width() / 2);
  houdBinnen(kSchemaLijst);
  toon(kSchemaLijst);
  laadPlaatje(kPoortVak, QStringLiteral("ImgLogPoortOfabNietEncOnbediend.bmp"));
  CentreerPanelEnPictureBox(kPoortLijst, kPoortVak);
  poort.setTop(schema.Top());
  if (ScaleHeight() <= kLaagScherm) poort.setTop(poort.Top() + 30 * state().SchaalY);
  poort.setLeft((schema.Left() + w + schema.Width()) / 2 - poort.Width() / 2);
  houdBinnen(kPoortLijst);
  toon(kPoortLijst);
}

// Its formula below the gate frame: right edges level, bottom level with the circuit frame.
void Formule::relaisFormule() {
  kwil::Panel& formule = Panel(kFormuleLijst);
  const kwil::Panel& schema = Panel(kSchemaLijst);
  const kwil::Panel& poort = Panel(kPoortLijst);
  laadPlaatje(kFormuleVak, QStringLiteral("ImgAlgebraaOFbNIETENc.bmp "));
  CentreerPanelEnPictureBox(kFormuleLijst, kFormuleVak);
  formule.setTop(schema.Top() + schema.Height() - formule.Height());
  formule.setLeft(poort.Left() + poort.Width() - formule.Width());
  houdBinnen(kFormuleLijst);
  toon(kFormuleLijst);
}

void Formule::aankomst(int stap, int vorige) {
  const bool vanVoren = vorige == stap - 1;
  switch (stap) {
    case 1:
      if (!vanVoren) {
        verberg(kSchemaLijst);
        verberg(kPoortLijst);
      }
      break;
    case 2:
      if (vanVoren) schakeling(kEn2Poort, kEn2Schema);
      break;
    case 3:
      if (!vanVoren) verberg(kFormuleLijst);
      break;
    case 4:
      formuleLijst(QStringLiteral("ImgAlgebraaENb.bmp"));
      if (!vanVoren) schakeling(kEn2Poort, kEn2Schema);
      break;
    case 5:
      verberg(kFormuleLijst);
      schakeling(QStringLiteral("ImgLogPoortEn3Onbediend.bmp"),
                 QStringLiteral("ImgSchemaLedEnabcOnbediend.bmp"));
      formuleLijst(QStringLiteral("ImgAlgebraaENbENc.bmp "));
      break;
    case 6:
    case 14:
      verbergAlleLijsten();
      break;
    case 19:
      if (vanVoren) verbergAlleLijsten();
      break;
    case 7:
      if (vanVoren)
        schakeling(kOf2Poort, kOf2Schema, true);
      else
        verberg(kFormuleLijst);
      break;
    case 8:
      formuleLijst(QStringLiteral("ImgAlgebraaOFb.bmp "));
      if (!vanVoren) schakeling(kOf2Poort, kOf2Schema, true);
      break;
    case 10:
      if (vanVoren) {
        schakeling(kNietPoort, kNietSchema);
        SchrijfUitgangen(1);  // NIET a with nothing pressed
      } else {
        verberg(kFormuleLijst);
      }
      break;
    case 11:
      formuleLijst(QStringLiteral("ImgAlgebraNIETa.bmp "));
      if (!vanVoren) {
        schakeling(kNietPoort, kNietSchema);
        SchrijfUitgangen(1);
      }
      break;
    case 12:
      if (vanVoren) {
        verberg(kFormuleLijst);
        SchrijfUitgangen(0);
        schakeling(kEnNietPoort, kEnNietSchema);
      } else {
        verberg(kFormuleLijst);
      }
      break;
    case 13:
      if (!vanVoren) schakeling(kEnNietPoort, kEnNietSchema);
      formuleLijst(QStringLiteral("ImgAlgebraaENNIETb.bmp "));
      break;
    case 15:
      if (vanVoren)
        enOfLijsten();
      else
        verberg(kFormuleLijst);
      break;
    case 16:
      if (!vanVoren) {
        verbergAlleLijsten();
        enOfLijsten();
      }
      formuleLijst(QStringLiteral("ImgAlgebraaENbOFc.bmp "));
      break;
    case 17:
      if (vanVoren)
        relaisSchakeling();
      else
        verberg(kFormuleLijst);
      break;
    case 18:
      if (vanVoren)
        relaisFormule();
      else
        for (int p : {kSchemaLijst, kPoortLijst, kFormuleLijst}) toon(p);
      break;
    default:
      break;
  }
}

}  // namespace kwil
