#pragma once
// The course's short sound effects, synthesised so that the project needs no recordings.
#include <QList>
#include <QString>

#include <functional>
#include <vector>

namespace kwil::media {

constexpr int kSampleRate = 22050;

// Mono samples between -1 and 1 at kSampleRate.
using Samples = std::vector<float>;

struct SoundEffect {
  QString fileName;  // as the program names it under Geluiden
  std::function<Samples()> synthesise;
};

// Every sound the program plays, in no particular order.
const QList<SoundEffect>& soundEffects();

// Scales the samples so that their loudest peak is `peak` (full scale is 1).
void normalise(Samples& samples, float peak);

// Writes 16-bit PCM mono. Returns false when the file cannot be written.
bool writeWav(const QString& path, const Samples& samples, int sampleRate = kSampleRate);

}  // namespace kwil::media
