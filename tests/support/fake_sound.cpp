#include "support/fake_sound.h"

namespace kwil::fake {

std::unique_ptr<NarrationPlayer> FakeNarrationFactory::create() {
  auto record = std::make_shared<NarrationRecord>();
  players.append(record);
  return std::make_unique<FakeNarrationPlayer>(record);
}

SoundFakes installSoundFakes() {
  auto wav = std::make_unique<FakeWavPlayer>();
  auto narration = std::make_unique<FakeNarrationFactory>();
  SoundFakes f{wav.get(), narration.get()};
  platform().wav = std::move(wav);
  platform().narration = std::move(narration);
  return f;
}

}  // namespace kwil::fake
