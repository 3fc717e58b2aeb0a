// The byte the pupil builds: eight bits toggled by the bit buttons and, on some pages, by the
// push buttons s1 to s5; shown in the bit boxes and in decimal, and written to the outputs.
#include "interface/outputs.h"
#include "lessons/les5/binstel.h"
#include "shared/geluid.h"
#include "shared/kwilstate.h"

namespace kwil {

namespace {
constexpr std::int32_t kUit = 0xFFFFFF;
constexpr std::int32_t kAan = 0xFAE5D5;
constexpr int kBitBox = 34;  // Panel(34 + b) shows bit b
}  // namespace

void Binstel::wisselBit(int b) {
  KwilState& s = state();
  kwil::Panel& vak = Panel(kBitBox + b);
  // The box's caption is the record of the bit: it decides the direction.
  if (vak.Caption() == QLatin1String("0")) {
    SpeelGeluid(10);
    vak.setCaption(QStringLiteral("1"));
    vak.setBackColor(kAan);
    s.Uitgangen += 1 << b;
  } else if (vak.Caption() == QLatin1String("1")) {
    SpeelGeluid(9);
    vak.setCaption(QStringLiteral("0"));
    vak.setBackColor(kUit);
    s.Uitgangen -= 1 << b;
  }
}

void Binstel::publiceerByte() {
  KwilState& s = state();
  SchrijfUitgangen(s.Uitgangen);
  // A click handled while a tick reads the inputs must leave the change it has just read to
  // that tick; otherwise the tick would find nothing new and the press would be lost.
  if (!tikLoopt()) s.VorigeIngangen = s.Ingangen;
  Panel(42).setCaption(QString::number(s.Uitgangen));
}

void Binstel::lesKnopKlik(int index) {
  if (index < 5 || index > 12) return;
  if (bitKnopStap(state().Stap)) wisselBit(index - 5);
  publiceerByte();
}

void Binstel::reageer() {
  const KwilState& s = state();
  // Every input held when the value changes toggles its bit; a release toggles nothing.
  if (ingangStap(s.Stap))
    for (int i = 3; i <= 7; ++i)
      if (s.Ingang[i]) wisselBit(i - 3);
  publiceerByte();
}

void Binstel::zetBit(int b, bool aan) {
  Panel(kBitBox + b).setCaption(aan ? QStringLiteral("1") : QStringLiteral("0"));
  Panel(kBitBox + b).setBackColor(aan ? kAan : kUit);
}

void Binstel::wisMarkeringen() {
  for (int k = 26; k <= 33; ++k) Panel(k).setForeColor(0);
  for (int b = 0; b < 8; ++b) zetBit(b, false);
}

void Binstel::wisByte() {
  KwilState& s = state();
  s.Uitgangen = 0;
  SchrijfUitgangen(s.Uitgangen);
  Panel(42).setCaption(QStringLiteral("0"));
  wisMarkeringen();
}

}  // namespace kwil
