#include "shared/geluid.h"

#include <QMap>
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

// The sounds of SpeelGeluid by number: door bells, the bell of the OF and EN circuits, the relay.
QString soundOfNumber(int nummer) {
  static const QMap<int, QString> sounds = {
      {5, QStringLiteral("\\Geluiden\\SndBelTring.wav")},
      {6, QStringLiteral("\\Geluiden\\SndZoem.wav")},
      {7, QStringLiteral("\\Geluiden\\SndPiep.wav")},
      {8, QStringLiteral("\\Geluiden\\SndFluit.wav")},
      {9, QStringLiteral("\\Geluiden\\SndRelaisUp.wav")},
      {10, QStringLiteral("\\Geluiden\\SndRelaisDown.wav")},
  };
  return sounds.value(nummer);
}

// The question number as it appears in the test's file names: "01" to "09", then "10".
QString questionInFileName() {
  const QString& vraag = state().VraagNummer;
  return vraag.trimmed().toInt() == 10 ? vraag : QStringLiteral("0") + vraag;
}

}  // namespace

void SpeelGeluidTerug() {
  playSound(QStringLiteral("\\Geluiden\\SndTerug.wav"));
}
void SpeelGeluidDatIsSnel() {
  playSound(QStringLiteral("\\Geluiden\\SndDatIsSnel.wav"));
}
void SpeelGeluidMenuKlik() {
  playSound(QStringLiteral("\\Geluiden\\SndHfdMnuDown.wav"));
}
void SpeelGeluidMenuOver() {
  playSound(QStringLiteral("\\Geluiden\\SndHfdMnuOver.wav"));
}
void SpeelGeluidVerder() {
  playSound(QStringLiteral("\\Geluiden\\SndVerder.wav"));
}

void SpeelGeluid(int Nummer) {
  playSound(soundOfNumber(Nummer));
}

QString VoorleesBestand(int Soort, int Deel, int AntwoordNr) {
  const KwilState& s = state();
  if (Soort == 1) {
    const QString les = QString::number(s.Hoofdstuk);
    return QStringLiteral("\\Teksten\\Hoofdstuk ") + les + QStringLiteral("\\Kwil ") + les +
           QLatin1Char('-') + QString::number(s.Stap) + QStringLiteral(".mp3");
  }
  if (Soort != 2) return {};
  const QString toets =
      QStringLiteral("\\Teksten\\Hoofdstuk ") + QString::number(s.LesNummer) + QStringLiteral("\\Toets\\");
  if (Deel == 1) return toets + QStringLiteral("Vraag ") + questionInFileName() + QStringLiteral(".mp3");
  if (Deel == 2)
    return toets + QStringLiteral("Antwoord ") + questionInFileName() + QLatin1Char('-') +
           QString::number(AntwoordNr) + QStringLiteral(".mp3");
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
