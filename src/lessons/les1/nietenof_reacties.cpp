// What lesson 1 does when the pupil works a circuit: with the interface's push buttons s1 to
// s5 (or F1 to F5), read by the polling timer, and with the buttons on the screen.
#include "interface/outputs.h"
#include "lessons/les1/nietenof.h"
#include "shared/geluid.h"
#include "shared/kwilstate.h"

namespace kwil {

namespace {
constexpr int s1 = 3, s2 = 4, s3 = 5;  // elements of Ingang

// The picture of a circuit with two switches for the inputs held: neither, s1, s2, both.
QString tweeSchakelaars(const QString& basis, bool eerste, bool tweede, const QString& geen, const QString& beide,
                        const QString& alleenEerste, const QString& alleenTweede) {
  if (eerste && tweede) return basis + beide;
  if (eerste) return basis + alleenEerste;
  if (tweede) return basis + alleenTweede;
  return basis + geen;
}
}  // namespace

// Rings bell `geluid` once per press of `ingang`, however many other changes follow.
void NietEnOf::reageerEenKeerPerDruk(int ingang, int geluid) {
  KwilState& s = state();
  if (s.Ingang[ingang]) {
    if (!s.IngangVerwerkt[ingang]) SpeelGeluid(geluid);
    s.IngangVerwerkt[ingang] = true;
  } else {
    s.IngangVerwerkt[ingang] = false;
  }
}

void NietEnOf::reageer() {
  KwilState& s = state();
  auto& in = s.Ingang;
  auto& verwerkt = s.IngangVerwerkt;
  switch (s.Stap) {
    case 5:
      for (int i = s1; i <= s3; ++i) reageerEenKeerPerDruk(i, i + 2);
      if (in[s1]) s.Voortgang = 1;
      break;
    case 6:
      for (int i = s1; i <= s3; ++i) {
        reageerEenKeerPerDruk(i, i + 2);
        laadPlaatje(i, in[i] ? QStringLiteral("ImgSymboolEnkpBediend.bmp") : QStringLiteral("ImgSymboolEnkpOnbediend.bmp"),
                    false);
      }
      if (in[s3]) s.Voortgang = 3;
      break;
    case 10:
    case 11:
      if (in[s1] && !verwerkt[s1]) s.Voortgang = 4;
      reageerEenKeerPerDruk(s1, 5);
      laadPlaatje(2, in[s1] ? QStringLiteral("ImgSchemaBelBediend.bmp") : QStringLiteral("ImgSchemaBelOnBediend.bmp"), false);
      break;
    case 12:
      laadPlaatje(2, in[s1] ? QStringLiteral("ImgSymboolNietEnkpBediend.bmp") : QStringLiteral("ImgSymboolNietEnkpOnBediend.bmp"),
                  false);
      verwerkt[s1] = in[s1];
      if (in[s1]) s.Voortgang = 5;
      break;
    case 13:
    case 14:
      laadPlaatje(2, in[s1] ? QStringLiteral("ImgSchemaBelNietBediend.bmp") : QStringLiteral("ImgSchemaBelNietOnBediend.bmp"),
                  false);
      verwerkt[s1] = in[s1];
      if (in[s1]) s.Voortgang = 6;
      break;
    case 16: {
      s.Voortgang = 7;
      kwil::Panel& foto = Panel(14);
      if (in[s1]) {
        SchrijfUitgangen(1);
        if (foto.Left() > 10) foto.setLeft(foto.Left() - 10);
      } else if (in[s2]) {
        SchrijfUitgangen(2);
        if (ScaleWidth() - foto.Left() > foto.Left()) foto.setLeft(foto.Left() + 10);
      } else if (in[s3]) {
        SchrijfUitgangen(4);
      } else if (in[6]) {
        SchrijfUitgangen(8);
      } else if (in[7]) {
        SchrijfUitgangen(16);
      } else {
        SchrijfUitgangen(0);
      }
      break;
    }
    case 18:
    case 19:
    case 20:
    case 21: {
      const bool isOf = s.Stap <= 19;
      const QString basis = isOf ? QStringLiteral("ImgSchemaBelOf") : QStringLiteral("ImgSchemaBelEn");
      laadPlaatje(2,
                  tweeSchakelaars(basis, in[s1], in[s2], QStringLiteral("OnBediend.bmp"), QStringLiteral("S1S2Bediend.bmp"),
                                  QStringLiteral("S1Bediend.bmp"), QStringLiteral("S2Bediend.bmp")),
                  false);
      if (!in[s1] && !in[s2]) {
        verwerkt[s1] = verwerkt[s2] = false;
        break;
      }
      if (in[s1]) verwerkt[s1] = true;
      if (in[s2]) verwerkt[s2] = true;
      // The OF bell rings with either switch, the EN bell only with both.
      if (isOf || (in[s1] && in[s2])) SpeelGeluid(8);
      if (in[s1] && in[s2]) s.Voortgang = isOf ? 8 : 9;
      break;
    }
    case 22:
    case 23: {
      static const char* const leds[] = {"ImgLedRood.jpg", "ImgLedOranje.jpg", "ImgLedGroen.jpg", "ImgLedGeel.jpg",
                                         "ImgLumiLed.jpg"};
      for (int i = s1; i <= 7; ++i) {
        if (!in[i]) continue;
        laadPlaatje(6, QString::fromUtf8(leds[i - s1]), false);
        break;
      }
      break;
    }
    case 25:
      laadPlaatje(6, in[s1] ? QStringLiteral("ImgSchemaLedBediend.bmp") : QStringLiteral("ImgSchemaLedOnBediend.bmp"), false);
      verwerkt[s1] = in[s1];
      SchrijfUitgangen(in[s1] ? 1 : 0);
      if (in[s1]) s.Voortgang = 10;
      break;
    case 26:
    case 27: {
      const QString plaatje = tweeSchakelaars(QStringLiteral("ImgSchemaLedsE1E2E3s1"), in[s1], in[s2],
                                              QStringLiteral("s2Onbediend.bmp"), QStringLiteral("s2Bediend.bmp"),
                                              QStringLiteral("Bes2Onbediend.bmp"), QStringLiteral("Ons2Bediend.bmp"));
      laadPlaatje(6, plaatje, false);
      if (!in[s1] && !in[s2]) verwerkt[s1] = verwerkt[s2] = false;
      if (in[s1]) verwerkt[s1] = true;
      if (in[s2]) verwerkt[s2] = true;
      // E1 follows s1 (make contact), E3 burns while s2 (break contact) rests, E2 never.
      SchrijfUitgangen((in[s1] ? 1 : 0) + (in[s2] ? 0 : 4));
      if (in[s1] != in[s2]) s.Voortgang = 11;
      break;
    }
    default:
      break;
  }
}

void NietEnOf::knopOmlaag(int index) {
  KwilState& s = state();
  const int stap = s.Stap;
  if (index >= 5 && index <= 7) {
    if (stap == 5 && index == 5) s.Voortgang = 1;
    if (stap == 6) {
      laadPlaatje(index - 2, QStringLiteral("ImgSymboolEnkpBediend.bmp"), false);
      if (index == 7) s.Voortgang = 3;
    }
    SpeelGeluid(index);
  } else if (index == 8) {
    if (stap == 10 || stap == 11) {
      laadPlaatje(2, QStringLiteral("ImgSchemaBelBediend.bmp"), false);
      SpeelGeluid(5);
      s.Voortgang = 4;
    } else if (stap == 12) {
      laadPlaatje(2, QStringLiteral("ImgSymboolNietEnkpBediend.bmp"), false);
      s.Voortgang = 5;
    } else if (stap == 13 || stap == 14) {
      laadPlaatje(2, QStringLiteral("ImgSchemaBelNietBediend.bmp"), false);
      s.Voortgang = 6;
    } else if (stap == 18 || stap == 19) {
      laadPlaatje(2, QStringLiteral("ImgSchemaBelOfS2Bediend.bmp"), false);
      SpeelGeluid(8);
    } else if (stap == 20 || stap == 21) {
      laadPlaatje(2, QStringLiteral("ImgSchemaBelEnS2bediend.bmp"), false);
    }
  } else if (index == 9) {
    if (stap == 18 || stap == 19) {
      laadPlaatje(2, QStringLiteral("ImgSchemaBelOfS1Bediend.bmp"), false);
      SpeelGeluid(8);
    } else if (stap == 20 || stap == 21) {
      laadPlaatje(2, QStringLiteral("ImgSchemaBelEnS1bediend.bmp"), false);
    }
  }
}

void NietEnOf::knopOmhoog(int index) {
  const int stap = state().Stap;
  if (index >= 5 && index <= 7) {
    if (stap == 6) laadPlaatje(index - 2, QStringLiteral("ImgSymboolEnkpOnbediend.bmp"), false);
  } else if (index == 8 && (stap == 10 || stap == 11)) {
    laadPlaatje(2, QStringLiteral("ImgSchemaBelOnbediend.bmp"), false);
  } else if (index == 8 && stap == 12) {
    laadPlaatje(2, QStringLiteral("ImgSymboolNietEnkpOnbediend.bmp"), false);
  } else if (index == 8 && (stap == 13 || stap == 14)) {
    laadPlaatje(2, QStringLiteral("ImgSchemaBelNietOnbediend.bmp"), false);
  } else if ((index == 8 || index == 9) && (stap == 18 || stap == 19)) {
    laadPlaatje(2, QStringLiteral("ImgSchemaBelOfOnbediend.bmp"), false);
  } else if ((index == 8 || index == 9) && (stap == 20 || stap == 21)) {
    laadPlaatje(2, QStringLiteral("ImgSchemaBelEnOnbediend.bmp"), false);
  }
}

}  // namespace kwil
