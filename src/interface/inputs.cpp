#include "interface/inputs.h"

#include <cmath>
#include <cstdint>
#include <optional>
#include <utility>

#include "interface/serialport.h"
#include "interface/val.h"
#include "platform/vb.h"
#include "shared/kwilstate.h"

namespace kwil {

namespace {

constexpr std::int16_t kStatusRegister = 0x379;

// The buttons of every card found together: pressed on any card counts as pressed.
std::int32_t leesKaarten() {
  K8055Cards& kaarten = *platform().k8055;
  std::int32_t waarde = 0;
  for (int kaart = 3; kaart >= 0; --kaart) {
    if (!(state().VellemanKaarten & (1 << kaart))) continue;
    kaarten.setCurrentDevice(kaart);
    waarde |= kaarten.readAllDigital();
  }
  return waarde;
}

// The reply to a poll: "DPC" and 8 characters, of which 1, 2, 3, 7 and 8 are s1..s5 and "1"
// means not pressed. What arrives now is normally the reply to the previous poll.
std::optional<std::int32_t> leesICP12() {
  if (!serialPort().PortOpen()) return std::nullopt;
  serialPort().Output(QStringLiteral("(DPC)"));
  const QString ontvangen = serialPort().Input();
  const qsizetype pos = ontvangen.indexOf(QStringLiteral("DPC"));
  if (pos < 0) return std::nullopt;
  const QString knoppen = ontvangen.mid(pos + 3, 8);
  if (knoppen.size() < 8) return std::nullopt;
  std::int32_t waarde = 0;
  const int plaatsVanKnop[5] = {0, 1, 2, 6, 7};
  for (int knop = 0; knop < 5; ++knop)
    if (knoppen[plaatsVanKnop[knop]] != u'1') waarde |= 1 << knop;
  return waarde;
}

// The reply to a poll: "DI", the value in decimal (bits 0..4 = s1..s5) and a line end; at most
// three characters after "DI" count. A USB serial adapter may hand one reply over in two
// reads, a poll apart: a reply is decoded only once it is complete, and an unfinished one
// waits in the port for the rest to come with the next poll. No poll waits for it.
const QString kArduinoAntwoord = QStringLiteral("DI");
constexpr int kArduinoWaardeTekens = 3;

// Where the reply whose "DI" starts at pos is complete: at its line end or after the three
// characters of its value; -1 while its end has not arrived.
qsizetype eindeVanArduinoAntwoord(const QString& tekst, qsizetype pos) {
  const qsizetype waarde = pos + kArduinoAntwoord.size();
  const qsizetype volledig = waarde + kArduinoWaardeTekens;
  for (qsizetype i = waarde; i < tekst.size() && i < volledig; ++i)
    if (tekst[i] == u'\r' || tekst[i] == u'\n') return i;
  return tekst.size() >= volledig ? volledig : -1;
}

// Where an unfinished reply begins at the end of the text (its "DI", or a lone "D" that may
// become one), or -1 when the text ends with nothing unfinished.
qsizetype beginVanOnvolledigAntwoord(const QString& tekst) {
  const qsizetype laatste = tekst.lastIndexOf(kArduinoAntwoord);
  if (laatste >= 0 && eindeVanArduinoAntwoord(tekst, laatste) < 0) return laatste;
  if (tekst.endsWith(kArduinoAntwoord.front())) return tekst.size() - 1;
  return -1;
}

std::optional<std::int32_t> leesArduino() {
  SerialPort& poort = serialPort();
  if (!poort.PortOpen()) return std::nullopt;
  poort.Output(QStringLiteral("7/"));
  QString ontvangen = std::exchange(poort.onvolledigAntwoord, QString()) + ontvangAlles(true);
  // The line end of a reply whose value came with the previous poll.
  while (ontvangen.startsWith(u'\r') || ontvangen.startsWith(u'\n')) ontvangen.remove(0, 1);
  if (const qsizetype begin = beginVanOnvolledigAntwoord(ontvangen); begin >= 0)
    poort.onvolledigAntwoord = ontvangen.mid(begin);
  if (!ontvangen.startsWith(kArduinoAntwoord) || eindeVanArduinoAntwoord(ontvangen, 0) < 0) return std::nullopt;
  const double waarde = std::nearbyint(Val(ontvangen.mid(kArduinoAntwoord.size(), kArduinoWaardeTekens)));
  // Garbage such as "DI9E9" would not fit the 16 bits the buttons are decoded from; such a
  // reply is as useless as a missing one.
  if (waarde < INT16_MIN || waarde > INT16_MAX) return std::nullopt;
  return static_cast<std::int32_t>(waarde);
}

}  // namespace

void LeesIngangen() {
  std::optional<std::int32_t> gelezen;
  switch (state().InterfaceSoort) {
    case SoortParallel:
      gelezen = platform().parallel->inp32(kStatusRegister);
      break;
    case SoortVelleman:
      gelezen = leesKaarten();
      break;
    case SoortICP12:
      gelezen = leesICP12();
      break;
    case SoortArduino:
      gelezen = leesArduino();
      break;
    default:
      break;
  }
  if (gelezen) state().Ingangen = *gelezen;
  DoEvents();
}

void ZetIngangen() {
  // Worked out in 64 bits: 255 minus the lowest 32-bit value does not fit 32 bits.
  const std::int64_t ruw = state().InterfaceSoort == SoortParallel
                               ? std::int64_t{255} - state().Ingangen
                               : std::int64_t{state().Ingangen};
  // A value beyond 16 bits comes from no interface or key; decoding it would be guesswork,
  // so the flags keep their state rather than stopping the program.
  if (ruw < INT16_MIN || ruw > INT16_MAX) return;
  const auto v = static_cast<std::int16_t>(ruw);
  switch (state().InterfaceSoort) {
    case SoortParallel:
      for (int bit = 3; bit <= 6; ++bit) state().Ingang[bit] = (v & (1 << bit)) != 0;
      state().Ingang[7] = (v & (1 << 7)) == 0;
      break;
    case SoortVelleman:
    case SoortICP12:
    case SoortArduino:
      for (int k = 0; k <= 4; ++k) state().Ingang[3 + k] = (v & (1 << k)) != 0;
      break;
    default:
      break;
  }
}

}  // namespace kwil
