// The pages of lesson 1: what each page shows beside its text when it is entered, its text,
// and the outputs and the workbook clock it sets on every build.
#include "interface/outputs.h"
#include "lessons/les1/les1teksten.h"
#include "lessons/les1/nietenof.h"
#include "shared/kwilstate.h"

namespace kwil {

void NietEnOf::bouwPagina() {
  KwilState& s = state();
  const int stap = s.Stap;
  // A page rebuilt in place (after a refusal) keeps its frames and pictures as they are.
  if (s.VorigeStap != stap) aankomst(stap, s.VorigeStap);
  if (stap == 33) SchrijfUitgangen(0);
  const Les1Omstandigheden omstandigheden{s.VorigeStap, s.Voortgang, s.InterfaceGebruikt, s.InterfaceSoort};
  drukTekst(les1Pagina(stap, omstandigheden));
  if (stap == 26) SchrijfUitgangen(4);
  if (stap == 4 || stap == 9 || stap == 11 || stap == 13) startTekenKlok();
}

QString NietEnOf::interfaceFoto(int stap) const {
  QString naam;
  switch (state().InterfaceSoort) {
    case SoortParallel: naam = QStringLiteral("ImgInterface"); break;
    case SoortVelleman: naam = QStringLiteral("ImgUSBInterface"); break;
    case SoortICP12: naam = QStringLiteral("ImgUSBIcp12"); break;
    case SoortArduino: naam = stap == 17 ? QStringLiteral("ImgUSBArduinoAda") : QStringLiteral("ImgUSBTM1638"); break;
    default: return {};
  }
  return naam + (Panel(2).Top() > 410 ? QStringLiteral("Groot.jpg") : QStringLiteral("Klein.jpg"));
}

void NietEnOf::laadEnCentreer(int lijst, int vak, const QString& naam) {
  laadPlaatje(vak, naam);
  CentreerPanelEnPictureBox(lijst, vak);
}

void NietEnOf::naast14() {
  Panel(20).setTop(Panel(14).Top());
  Panel(20).setLeft(Panel(14).Left() + Panel(14).Width() + 10 * state().SchaalX);
  houdBinnen(20);
}

void NietEnOf::aankomst(int stap, int vorige) {
  const QString ratelbel = QStringLiteral("ImgRatelbel.jpg");
  const QString symboolBel = QStringLiteral("ImgSymboolBel.bmp");
  const QString beltrafo = QStringLiteral("ImgBeltrafo.jpg");
  const QString belSchema = QStringLiteral("ImgSchemaBelOnbediend.bmp");
  const QString nietSchema = QStringLiteral("ImgSchemaBelNietOnbediend.bmp");
  const QString ofSchema = QStringLiteral("ImgSchemaBelOfOnbediend.bmp");
  const QString enSchema = QStringLiteral("ImgSchemaBelEnOnbediend.bmp");
  const QString ledRood = QStringLiteral("ImgLedRood.jpg");
  const QString ledsSchema = QStringLiteral("ImgSchemaLedsE1E2E3s1s2Onbediend.bmp");
  // The on-screen bell button is Dhr. Tingel's bell on pages 10 to 14 and switch s2 on pages 18
  // to 21: each page that shows it gives it its name plate, whatever page showed it before.
  const QString tingel = QStringLiteral("P.Tingel.");
  const QString s2 = QStringLiteral("s2");
  auto toonBelknop = [&](const QString& naamplaat) {
    Panel(21).setCaption(naamplaat);
    toon(23);
  };
  auto schemaMetSchakelaars = [&](const QString& schema) {
    laadEnCentreer(14, 2, schema);
    schuifPaneel(14, 31);
    Panel(26).setTop(Panel(14).Top());
  };
  auto interfaceFotoTonen = [&] {
    const QString foto = interfaceFoto(stap);
    if (!foto.isEmpty()) laadPlaatje(2, foto);
    CentreerPanelEnPictureBox(14, 2);
    schuifPaneel(14, -50);
    toon(14);
  };

  switch (stap) {
    case 2:
      if (vorige == 3) verberg(14);
      break;
    case 3:
      if (vorige == 2) {
        laadEnCentreer(14, 2, ratelbel);
        schuifPaneel(14, -100);
        toon(14);
      } else if (vorige == 4) {
        verberg(20);
      }
      break;
    case 4:
      if (vorige == 3) {
        laadEnCentreer(20, 6, symboolBel);
        naast14();
        toon(20);
      } else if (vorige == 5) {
        verberg(4);
        laadPlaatje(2, ratelbel);
        laadPlaatje(6, symboolBel);
        CentreerPanelEnPictureBox(14, 2);
        schuifPaneel(14, -100);
        CentreerPanelEnPictureBox(20, 6);
        naast14();
        toon(14);
        toon(20);
      }
      break;
    case 5:
      if (vorige == 4) {
        verberg(14);
        verberg(20);
        toon(4);
      } else if (vorige == 6) {
        verberg(16);
      }
      break;
    case 6: {
      const QString drukknop = QStringLiteral("ImgSymboolEnkpOnbediend.bmp");
      laadPlaatje(3, drukknop);
      CentreerPictureBox(15, 3);
      laadPlaatje(4, drukknop);
      CentreerPictureBox(18, 4);
      laadPlaatje(5, drukknop);
      CentreerPictureBox(17, 5);
      toon(4);
      toon(16);
      if (vorige == 7) verberg(14);
      break;
    }
    case 7:
      if (vorige == 6) {
        verberg(4);
        verberg(16);
        laadEnCentreer(14, 2, beltrafo);
        schuifPaneel(14, -100);
        toon(14);
      }
      break;
    case 8:
      if (vorige == 9) verberg(20);
      break;
    case 9:
      if (vorige == 10) {
        verberg(23);
        laadEnCentreer(14, 2, beltrafo);
        schuifPaneel(14, -100);
        toon(14);
      }
      verberg(20);
      laadEnCentreer(20, 6, QStringLiteral("ImgSymboolTrafo.bmp"));
      naast14();
      toon(20);
      break;
    case 10:
      if (vorige == 9) {
        verberg(20);
        verberg(14);
        laadEnCentreer(14, 2, belSchema);
        Panel(23).setTop(Panel(14).Top());
        toonBelknop(tingel);
        toon(14);
      }
      break;
    case 11:
      if (vorige == 12) {
        laadEnCentreer(14, 2, belSchema);
        Panel(23).setTop(Panel(14).Top());
        toonBelknop(tingel);
        toon(14);
      }
      break;
    case 12:
      laadEnCentreer(14, 2, QStringLiteral("ImgSymboolNietEnkpOnbediend.bmp"));
      Panel(14).setTop(Panel(23).Top());
      toon(14);
      break;
    case 13:
      if (vorige == 12) {
        laadEnCentreer(14, 2, nietSchema);
        toon(14);
      }
      break;
    case 14:
      if (vorige == 15) {
        verberg(26);
        verberg(14);
        laadEnCentreer(14, 2, nietSchema);
        toon(14);
        toonBelknop(tingel);
      }
      break;
    case 15:
      if (vorige == 14 || vorige == 16) {
        verberg(14);
        SchrijfUitgangen(0);
        verberg(23);
        verberg(26);
        interfaceFotoTonen();
      }
      break;
    case 17:
      if (vorige == 16 || vorige == 18) {
        verberg(14);
        verberg(23);
        verberg(26);
        interfaceFotoTonen();
      }
      break;
    case 18:
      if (vorige == 17) {
        schemaMetSchakelaars(ofSchema);
        toon(14);
        toonBelknop(s2);
        toon(26);
      }
      break;
    case 19:
      if (vorige == 20) {
        schemaMetSchakelaars(ofSchema);
        toon(14);
      }
      break;
    case 20:
      if (vorige == 19) {
        schemaMetSchakelaars(enSchema);
        toon(14);
      }
      break;
    case 21:
      if (vorige == 22) {
        verberg(14);
        verberg(20);
        schemaMetSchakelaars(enSchema);
        toon(14);
        toon(26);
        toonBelknop(s2);
      }
      break;
    case 22:
      if (vorige == 21) {
        verberg(26);
        verberg(23);
        verberg(14);
        laadEnCentreer(20, 6, ledRood);
        schuifPaneel(20, 30);
        toon(20);
      }
      break;
    case 23:
      if (vorige == 24) verberg(14);
      break;
    case 24:
      if (vorige == 23) {
        if (!state().Ingang[3]) laadPlaatje(6, ledRood, false);
        laadEnCentreer(14, 2, QStringLiteral("ImgLedAnodeKathode.jpg"));
        Panel(14).setLeft(Panel(20).Left() - Panel(14).Width() - 10 * state().SchaalX);
        houdBinnen(14);
        toon(14);
      } else if (vorige == 25) {
        verberg(20);
        laadEnCentreer(20, 6, ledRood);
        schuifPaneel(20, 30);
        toon(20);
      }
      break;
    case 25:
      if (vorige == 24 || vorige == 26) {
        verberg(20);
        SchrijfUitgangen(0);
        laadEnCentreer(20, 6, QStringLiteral("ImgSchemaLedOnbediend.bmp"));
        schuifPaneel(20, 30);
        toon(20);
        toon(14);
      }
      break;
    case 26:
      if (vorige == 25) {
        verberg(14);
        verberg(20);
        laadEnCentreer(20, 6, ledsSchema);
        toon(20);
      }
      break;
    case 27:
      if (vorige == 28) {
        verberg(14);
        verberg(20);
        laadEnCentreer(20, 6, ledsSchema);
        toon(20);
        SchrijfUitgangen(4);
      }
      break;
    case 28:
      if (vorige == 27) {
        verberg(20);
        SchrijfUitgangen(0);
      }
      break;
    default:
      break;
  }
}

}  // namespace kwil
