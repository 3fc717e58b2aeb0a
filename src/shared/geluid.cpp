#include "shared/geluid.h"

#include <memory>

#include "platform/services.h"
#include "shared/datafiles.h"
#include "shared/kwilstate.h"

namespace kwil {

namespace {

// The narration player of the last LeesTekstVoor; MediaBesturing points to it.
std::unique_ptr<NarrationPlayer>& narrationPlayer() {
  static std::unique_ptr<NarrationPlayer> player;
  return player;
}

// Sets GeluidBestand to the program's name of the sound (when given) and plays that file.
// Linux has no default sound, so a file that is not there plays nothing.
void playSound(const QString& relativeName) {
  KwilState& s = state();
  if (s.AantalGeluidskaarten == 0) return;
  if (!relativeName.isEmpty()) s.GeluidBestand = programFolder() + relativeName;
  const QString real = dataFileName(s.GeluidBestand);
  if (!real.isEmpty() && platform().wav) platform().wav->play(real);
}

QString soundOfNumber(int nummer) {
  switch (nummer) {
    case 5: return QStringLiteral("\\Geluiden\\SndBelTring.wav");
    case 6: return QStringLiteral("\\Geluiden\\SndZoem.wav");
    case 7: return QStringLiteral("\\Geluiden\\SndPiep.wav");
    case 8: return QStringLiteral("\\Geluiden\\SndFluit.wav");
    case 9: return QStringLiteral("\\Geluiden\\SndRelaisUp.wav");
    case 10: return QStringLiteral("\\Geluiden\\SndRelaisDown.wav");
    default: return {};
  }
}

// The question number as it appears in the test's file names: "01" to "09", then "10".
QString questionInFileName() {
  const QString& vraag = state().VraagNummer;
  return vraag.trimmed().toInt() == 10 ? vraag : QStringLiteral("0") + vraag;
}

}  // namespace

void SpeelGeluidTerug() { playSound(QStringLiteral("\\Geluiden\\SndTerug.wav")); }
void SpeelGeluidDatIsSnel() { playSound(QStringLiteral("\\Geluiden\\SndDatIsSnel.wav")); }
void SpeelGeluidMenuKlik() { playSound(QStringLiteral("\\Geluiden\\SndHfdMnuDown.wav")); }
void SpeelGeluidMenuOver() { playSound(QStringLiteral("\\Geluiden\\SndHfdMnuOver.wav")); }
void SpeelGeluidVerder() { playSound(QStringLiteral("\\Geluiden\\SndVerder.wav")); }

void SpeelGeluid(int Nummer) { playSound(soundOfNumber(Nummer)); }

QString VoorleesBestand(int Soort, int Deel, int AntwoordNr) {
  const KwilState& s = state();
  if (Soort == 1) {
    const QString les = QString::number(s.Hoofdstuk);
    return QStringLiteral("\\Teksten\\Hoofdstuk ") + les + QStringLiteral("\\Kwil ") + les + QLatin1Char('-') +
           QString::number(s.Stap) + QStringLiteral(".mp3");
  }
  if (Soort != 2) return {};
  const QString toets = QStringLiteral("\\Teksten\\Hoofdstuk ") + QString::number(s.LesNummer) + QStringLiteral("\\Toets\\");
  if (Deel == 1) return toets + QStringLiteral("Vraag ") + questionInFileName() + QStringLiteral(".mp3");
  if (Deel == 2)
    return toets + QStringLiteral("Antwoord ") + questionInFileName() + QLatin1Char('-') + QString::number(AntwoordNr) +
           QStringLiteral(".mp3");
  return {};
}

void LeesTekstVoor(int Soort, int Deel, int AntwoordNr) {
  if (!platform().narration) return;
  // The new player replaces the previous one, which ends a narration still playing.
  std::unique_ptr<NarrationPlayer>& player = narrationPlayer();
  state().MediaBesturing = nullptr;
  player = platform().narration->create();
  state().MediaBesturing = player.get();
  if (!player) return;

  const QString file = VoorleesBestand(Soort, Deel, AntwoordNr);
  if (file.isEmpty()) return;  // nothing to read: the player stays stopped
  const QString real = dataFileName(programFolder() + file);
  if (!real.isEmpty()) player->render(real);
  player->run();
}

void StopVoorlezen() {
  if (state().MediaBesturing) state().MediaBesturing->stop();
}

}  // namespace kwil
