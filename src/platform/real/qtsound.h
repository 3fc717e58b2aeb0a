#pragma once
// Sound through Qt Multimedia (its GStreamer backend): the wav effects and the mp3 narration.
// Both must stay harmless without a sound device and with a missing or damaged file.
#include <QPointer>

#include "platform/services.h"

class QMediaPlayer;

namespace kwil {

// One player for all wav effects, so that a new sound cuts off the one still playing.
class QtWavPlayer : public WavPlayer {
 public:
  ~QtWavPlayer() override;
  // The audio outputs Qt knows of.
  int outputDeviceCount() override;
  void play(const QString& path) override;
  // The player of the sounds, made at the first sound; null before (for tests).
  QMediaPlayer* mediaPlayer() const;

 private:
  QPointer<QMediaPlayer> player_;
};

// One narration: a new media player with its own audio output.
class QtNarrationPlayer : public NarrationPlayer {
 public:
  QtNarrationPlayer();
  ~QtNarrationPlayer() override;
  // Takes the file when it exists; anything else leaves the player empty and silent.
  void render(const QString& path) override;
  void run() override;
  void stop() override;
  QMediaPlayer* mediaPlayer() const;

 private:
  QPointer<QMediaPlayer> player_;
};

class QtNarrationFactory : public NarrationFactory {
 public:
  std::unique_ptr<NarrationPlayer> create() override;
};

}  // namespace kwil
