#include "sounds.h"

#include <QFile>
#include <QtEndian>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace kwil::media {
namespace {

constexpr float kTwoPi = 2.0f * std::numbers::pi_v<float>;
// Effects are kept well below full scale: they sound next to the narration in a classroom.
constexpr float kEffectPeak = 0.45f;

int samplesFor(double seconds) { return int(std::lround(seconds * kSampleRate)); }

// A repeatable noise source, so that a rebuild gives byte-identical files.
class Noise {
 public:
  float next() {
    state_ = state_ * 1664525u + 1013904223u;
    return float(state_ >> 8) / float(1u << 23) - 1.0f;
  }

 private:
  std::uint32_t state_ = 12345u;
};

// Adds `source` into `mix` starting at `at` seconds, growing the mix as needed.
void mixIn(Samples& mix, const Samples& source, double at) {
  const size_t start = size_t(samplesFor(at));
  if (mix.size() < start + source.size()) mix.resize(start + source.size(), 0.0f);
  for (size_t i = 0; i < source.size(); ++i) mix[start + i] += source[i];
}

// A tone of a few harmonics with a short attack and an exponential or linear release, so it
// starts and stops without a click.
Samples tone(float hz, double seconds, const std::vector<float>& harmonics = {1.0f},
             double attack = 0.005, double release = 0.03) {
  Samples out(size_t(samplesFor(seconds)));
  const float n = float(out.size());
  for (size_t i = 0; i < out.size(); ++i) {
    const float t = float(i) / kSampleRate;
    float value = 0;
    for (size_t h = 0; h < harmonics.size(); ++h) value += harmonics[h] * std::sin(kTwoPi * hz * float(h + 1) * t);
    const float fromEnd = (n - float(i)) / kSampleRate;
    const float envelope = std::min({1.0f, t / float(attack), fromEnd / float(release)});
    out[i] = value * envelope;
  }
  return out;
}

// A struck metal body: inharmonic partials that die away.
Samples strike(float hz, double seconds, float decayPerSecond) {
  static const float partials[][2] = {{1.0f, 1.0f}, {2.76f, 0.5f}, {5.40f, 0.25f}, {8.93f, 0.12f}};
  Samples out(size_t(samplesFor(seconds)));
  for (size_t i = 0; i < out.size(); ++i) {
    const float t = float(i) / kSampleRate;
    float value = 0;
    for (const auto& p : partials) value += p[1] * std::sin(kTwoPi * hz * p[0] * t) * std::exp(-decayPerSecond * p[0] * t);
    out[i] = value * std::min(1.0f, t / 0.001f);
  }
  return out;
}

// A short click: filtered noise over a damped resonance.
Samples click(double seconds, float resonanceHz, float brightness, Noise& noise) {
  Samples out(size_t(samplesFor(seconds)));
  float previous = 0;
  for (size_t i = 0; i < out.size(); ++i) {
    const float t = float(i) / kSampleRate;
    const float raw = noise.next();
    const float bright = raw - (1.0f - brightness) * previous;  // simple high-pass of the noise
    previous = raw;
    const float decay = std::exp(-t / float(seconds / 4));
    out[i] = decay * (0.6f * bright + 0.8f * std::sin(kTwoPi * resonanceHz * t));
  }
  return out;
}

Samples sequence(std::initializer_list<std::pair<Samples, double>> parts) {
  Samples mix;
  for (const auto& [part, at] : parts) mixIn(mix, part, at);
  return mix;
}

Samples finished(Samples samples, float peak = kEffectPeak) {
  normalise(samples, peak);
  return samples;
}

Samples forward() { return finished(sequence({{tone(660, 0.08, {1, 0.3f}), 0.0}, {tone(880, 0.11, {1, 0.3f}), 0.08}})); }
Samples back() { return finished(sequence({{tone(880, 0.08, {1, 0.3f}), 0.0}, {tone(587, 0.11, {1, 0.3f}), 0.08}})); }

// "Too fast": a short low buzz, twice.
Samples tooFast() {
  const std::vector<float> buzz = {1, 0, 0.33f, 0, 0.2f, 0, 0.14f, 0, 0.11f};
  return finished(sequence({{tone(110, 0.12, buzz, 0.005, 0.02), 0.0}, {tone(110, 0.14, buzz, 0.005, 0.04), 0.16}}));
}

Samples menuHover() {
  Noise noise;
  return finished(click(0.018, 2400, 0.9f, noise), 0.18f);
}

Samples menuClick() {
  Noise noise;
  return finished(sequence({{click(0.03, 1200, 0.7f, noise), 0.0}, {tone(1500, 0.03, {1}, 0.001, 0.02), 0.0}}), 0.35f);
}

// A rattle bell: the hammer strikes the dome about 25 times a second.
Samples rattleBell() {
  Samples mix;
  const double length = 1.2;
  for (double at = 0; at < length; at += 0.04) mixIn(mix, strike(1250, 0.15, 14.0f), at);
  Samples release = strike(1250, 0.3, 8.0f);
  mixIn(mix, release, length);
  return finished(mix);
}

// A buzzer: a rough low tone with a slight flutter.
Samples buzzer() {
  Samples out(size_t(samplesFor(1.0)));
  for (size_t i = 0; i < out.size(); ++i) {
    const float t = float(i) / kSampleRate;
    float value = 0;
    for (int h = 1; h <= 12; ++h) value += std::sin(kTwoPi * 150.0f * float(h) * t) / float(h);
    const float flutter = 0.8f + 0.2f * std::sin(kTwoPi * 50.0f * t);
    const float envelope = std::min({1.0f, t / 0.01f, (1.0f - t) / 0.03f});
    out[i] = value * flutter * envelope;
  }
  return finished(out);
}

// An electronic chime: three short high beeps.
Samples electronicBeep() {
  const Samples beep = tone(1800, 0.12, {1, 0, 0.15f}, 0.003, 0.02);
  return finished(sequence({{beep, 0.0}, {beep, 0.2}, {beep, 0.4}}));
}

// A whistle gliding up to its pitch, with a little vibrato and breath.
Samples whistle() {
  Noise noise;
  Samples out(size_t(samplesFor(0.8)));
  float phase = 0;
  for (size_t i = 0; i < out.size(); ++i) {
    const float t = float(i) / kSampleRate;
    const float glide = std::min(1.0f, t / 0.12f);
    const float hz = 1700.0f + 500.0f * glide + 40.0f * std::sin(kTwoPi * 6.0f * t);
    phase += kTwoPi * hz / kSampleRate;
    const float envelope = std::min({1.0f, t / 0.03f, (0.8f - t) / 0.08f});
    out[i] = envelope * (std::sin(phase) + 0.04f * noise.next());
  }
  return finished(out);
}

// A relay pulling in: a hard click with a bounce.
Samples relayUp() {
  Noise noise;
  return finished(sequence({{click(0.02, 900, 0.8f, noise), 0.0}, {click(0.012, 1100, 0.8f, noise), 0.011}}));
}

// Dropping out: a duller, lower click.
Samples relayDown() {
  Noise noise;
  return finished(sequence({{click(0.025, 450, 0.4f, noise), 0.0}, {click(0.01, 500, 0.4f, noise), 0.016}}), 0.35f);
}

}  // namespace

const QList<SoundEffect>& soundEffects() {
  static const QList<SoundEffect> effects = {
      {"SndVerder.wav", forward},          {"SndTerug.wav", back},
      {"SndDatIsSnel.wav", tooFast},       {"SndHfdMnuOver.wav", menuHover},
      {"SndHfdMnuDown.wav", menuClick},    {"SndBelTring.wav", rattleBell},
      {"SndZoem.wav", buzzer},             {"SndPiep.wav", electronicBeep},
      {"SndFluit.wav", whistle},           {"SndRelaisUp.wav", relayUp},
      {"SndRelaisDown.wav", relayDown},
  };
  return effects;
}

void normalise(Samples& samples, float peak) {
  float loudest = 0;
  for (float s : samples) loudest = std::max(loudest, std::abs(s));
  if (loudest <= 0) return;
  for (float& s : samples) s *= peak / loudest;
}

bool writeWav(const QString& path, const Samples& samples, int sampleRate) {
  QByteArray data;
  data.reserve(int(samples.size() * 2 + 44));
  auto put32 = [&data](quint32 v) { v = qToLittleEndian(v); data.append(reinterpret_cast<const char*>(&v), 4); };
  auto put16 = [&data](quint16 v) { v = qToLittleEndian(v); data.append(reinterpret_cast<const char*>(&v), 2); };
  const quint32 dataBytes = quint32(samples.size() * 2);
  data.append("RIFF");
  put32(36 + dataBytes);
  data.append("WAVEfmt ");
  put32(16);
  put16(1);  // PCM
  put16(1);  // mono
  put32(quint32(sampleRate));
  put32(quint32(sampleRate) * 2);
  put16(2);
  put16(16);
  data.append("data");
  put32(dataBytes);
  for (float s : samples) put16(quint16(qint16(std::lround(std::clamp(s, -1.0f, 1.0f) * 32767.0f))));

  QFile file(path);
  if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) return false;
  return file.write(data) == data.size();
}

}  // namespace kwil::media
