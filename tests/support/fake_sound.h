#pragma once
// Stand-ins for the wav player and the narration players that record what was played.
#include <QList>
#include <QStringList>
#include <memory>

#include "platform/services.h"

namespace kwil::fake {

class FakeWavPlayer : public WavPlayer {
 public:
  int outputDeviceCount() override { return deviceCount; }
  void play(const QString& path) override { played.append(path); }

  int deviceCount = 1;
  QStringList played;  // real paths, in order
};

// What happened to one narration player. Kept apart from the player so that it can still be
// read after the program has released the player.
struct NarrationRecord {
  QStringList rendered;  // paths given to render, in order
  int runs = 0;
  int stops = 0;
  bool destroyed = false;
};

class FakeNarrationPlayer : public NarrationPlayer {
 public:
  explicit FakeNarrationPlayer(std::shared_ptr<NarrationRecord> record) : record_(std::move(record)) {}
  ~FakeNarrationPlayer() override { record_->destroyed = true; }
  void render(const QString& path) override { record_->rendered.append(path); }
  void run() override { ++record_->runs; }
  void stop() override { ++record_->stops; }

 private:
  std::shared_ptr<NarrationRecord> record_;
};

class FakeNarrationFactory : public NarrationFactory {
 public:
  std::unique_ptr<NarrationPlayer> create() override;
  // One record per player made, in order of creation.
  QList<std::shared_ptr<NarrationRecord>> players;
};

struct SoundFakes {
  FakeWavPlayer* wav;
  FakeNarrationFactory* narration;
};

// Installs a fresh fake wav player (one device) and narration factory.
SoundFakes installSoundFakes();

}  // namespace kwil::fake
