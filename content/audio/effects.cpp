#include "content/audio/effects.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <numbers>
#include <random>

namespace content::sound {
namespace {

constexpr double kTwoPi = 2 * std::numbers::pi;

enum class Wave { Square, Triangle, Sine, Pulse25 };

double waveAt(Wave w, double phase) {  // phase in cycles
  const double p = phase - std::floor(phase);
  switch (w) {
    case Wave::Square: return p < 0.5 ? 1.0 : -1.0;
    case Wave::Pulse25: return p < 0.25 ? 1.0 : -1.0;
    case Wave::Triangle: return p < 0.5 ? 4 * p - 1 : 3 - 4 * p;
    case Wave::Sine: return std::sin(kTwoPi * p);
  }
  return 0;
}

// A float buffer that tones and noise are mixed into, then scaled to 16 bits.
class Buffer {
 public:
  explicit Buffer(double seconds) : data_(static_cast<size_t>(seconds * kSampleRate), 0.0) {}

  size_t size() const { return data_.size(); }

  // A tone from `start` for `length` seconds whose frequency follows `hz(t)` (t in
  // seconds from the tone's start), with a short attack and an exponential decay.
  void tone(double start, double length, Wave wave, const std::function<double(double)>& hz, double level,
            double decay = 4.0) {
    double phase = 0;
    const size_t first = static_cast<size_t>(start * kSampleRate);
    const size_t count = static_cast<size_t>(length * kSampleRate);
    for (size_t i = 0; i < count && first + i < data_.size(); ++i) {
      const double t = static_cast<double>(i) / kSampleRate;
      phase += hz(t) / kSampleRate;
      data_[first + i] += waveAt(wave, phase) * level * envelope(t, length, decay);
    }
  }

  // Noise through a one-pole low-pass whose cut-off follows `cutoff(t)` in Hz.
  void noise(double start, double length, const std::function<double(double)>& cutoff, double level,
             double decay = 6.0) {
    std::mt19937 rng(12345);
    std::uniform_real_distribution<double> white(-1.0, 1.0);
    double low = 0;
    const size_t first = static_cast<size_t>(start * kSampleRate);
    const size_t count = static_cast<size_t>(length * kSampleRate);
    for (size_t i = 0; i < count && first + i < data_.size(); ++i) {
      const double t = static_cast<double>(i) / kSampleRate;
      const double a = 1.0 - std::exp(-kTwoPi * cutoff(t) / kSampleRate);
      low += a * (white(rng) - low);
      data_[first + i] += low * level * envelope(t, length, decay);
    }
  }

  // Multiplies the whole buffer by f(t).
  void shape(const std::function<double(double)>& f) {
    for (size_t i = 0; i < data_.size(); ++i) data_[i] *= f(static_cast<double>(i) / kSampleRate);
  }

  // Scaled so that the loudest sample reaches `peak` of full scale.
  std::vector<int16_t> finish(double peak = 0.8) const {
    double maxAbs = 1e-9;
    for (double v : data_) maxAbs = std::max(maxAbs, std::abs(v));
    std::vector<int16_t> out(data_.size());
    for (size_t i = 0; i < data_.size(); ++i)
      out[i] = static_cast<int16_t>(std::lround(std::clamp(data_[i] / maxAbs * peak, -1.0, 1.0) * 32767));
    return out;
  }

 private:
  static double envelope(double t, double length, double decay) {
    const double attack = std::min(1.0, t / 0.004);
    const double release = std::min(1.0, (length - t) / 0.01);  // no click at the end
    return attack * std::max(0.0, release) * std::exp(-decay * t);
  }

  std::vector<double> data_;
};

double note(int key) { return 440.0 * std::pow(2.0, (key - 69) / 12.0); }
auto fixed(double hz) { return [hz](double) { return hz; }; }

// Notes one after another, each `step` seconds, each ringing for `ring` seconds.
void arpeggio(Buffer& b, double start, const std::vector<int>& keys, double step, double ring, Wave wave,
              double level, double decay) {
  for (size_t i = 0; i < keys.size(); ++i)
    b.tone(start + step * static_cast<double>(i), ring, wave, fixed(note(keys[i])), level, decay);
}

std::vector<int16_t> jump() {  // a quick rising sweep
  Buffer b(0.22);
  b.tone(0, 0.22, Wave::Pulse25, [](double t) { return 260 + 2600 * t + 9000 * t * t; }, 0.6, 6);
  return b.finish(0.7);
}

std::vector<int16_t> coin() {  // two bright chimes, the second one ringing
  Buffer b(0.45);
  b.tone(0, 0.07, Wave::Square, fixed(note(83)), 0.5, 2);
  b.tone(0.07, 0.38, Wave::Square, fixed(note(88)), 0.5, 7);
  b.tone(0.07, 0.38, Wave::Sine, fixed(note(100)), 0.2, 9);
  return b.finish(0.7);
}

std::vector<int16_t> pipe() {  // three falling warbles
  Buffer b(0.6);
  for (int i = 0; i < 3; ++i)
    b.tone(0.2 * i, 0.18, Wave::Square,
           [](double t) { return (520 - 1400 * t) * (1 + 0.08 * std::sin(kTwoPi * 30 * t)); }, 0.5, 3);
  return b.finish(0.65);
}

std::vector<int16_t> brick() {  // a crunch: noise bursts over a low thump
  Buffer b(0.32);
  b.noise(0, 0.32, [](double t) { return 5000 * std::exp(-8 * t) + 400; }, 1.0, 11);
  b.noise(0.05, 0.2, fixed(2500), 0.6, 14);
  b.tone(0, 0.12, Wave::Triangle, [](double t) { return 140 - 500 * t; }, 0.8, 18);
  return b.finish(0.8);
}

std::vector<int16_t> pause() {  // a two-note blip, high then low, twice
  Buffer b(0.36);
  const std::vector<int> keys{88, 81, 88, 81};
  arpeggio(b, 0, keys, 0.08, 0.08, Wave::Square, 0.5, 1);
  return b.finish(0.6);
}

std::vector<int16_t> bump() {  // a short dull knock
  Buffer b(0.12);
  b.tone(0, 0.12, Wave::Triangle, [](double t) { return 180 - 700 * t; }, 1.0, 20);
  b.noise(0, 0.04, fixed(1200), 0.3, 40);
  return b.finish(0.8);
}

std::vector<int16_t> oneUp() {  // a rising tune of six notes
  Buffer b(0.7);
  arpeggio(b, 0, {76, 79, 88, 84, 86, 91}, 0.1, 0.12, Wave::Square, 0.5, 2);
  return b.finish(0.65);
}

std::vector<int16_t> poison() {  // a sour wobbling fall
  Buffer b(0.55);
  b.tone(0, 0.55, Wave::Square, [](double t) { return (600 - 700 * t) * (1 + 0.06 * std::sin(kTwoPi * 14 * t)); },
         0.5, 2);
  b.tone(0, 0.55, Wave::Square, [](double t) { return (636 - 740 * t); }, 0.3, 2);
  return b.finish(0.6);
}

std::vector<int16_t> mapIntro() {  // a little fanfare: arpeggio then a held chord
  Buffer b(0.9);
  arpeggio(b, 0, {72, 76, 79}, 0.1, 0.12, Wave::Square, 0.4, 2);
  for (int key : {72, 76, 79, 84}) b.tone(0.3, 0.6, Wave::Triangle, fixed(note(key)), 0.35, 3);
  b.tone(0.3, 0.6, Wave::Square, fixed(note(84)), 0.25, 3);
  return b.finish(0.65);
}

std::vector<int16_t> mapMove() {  // a tiny step tick
  Buffer b(0.07);
  b.tone(0, 0.07, Wave::Square, [](double t) { return 900 + 6000 * t; }, 0.5, 30);
  return b.finish(0.5);
}

std::vector<int16_t> enterNode() {  // a swoop up into a chime
  Buffer b(0.5);
  b.tone(0, 0.2, Wave::Triangle, [](double t) { return 300 * std::pow(8.0, t / 0.2); }, 0.6, 2);
  b.tone(0.2, 0.3, Wave::Sine, fixed(note(91)), 0.5, 8);
  b.tone(0.2, 0.3, Wave::Square, fixed(note(84)), 0.2, 8);
  return b.finish(0.65);
}

std::vector<int16_t> powerUp() {  // a fast arpeggio over two octaves
  Buffer b(0.75);
  std::vector<int> keys;
  for (int octave = 0; octave < 3; ++octave)
    for (int step : {0, 4, 7}) keys.push_back(60 + 12 * octave + step);
  arpeggio(b, 0, keys, 0.06, 0.09, Wave::Square, 0.45, 3);
  b.tone(0.54, 0.2, Wave::Triangle, fixed(note(96)), 0.4, 6);
  return b.finish(0.65);
}

std::vector<int16_t> transform() {  // a shimmering trill that climbs
  Buffer b(0.6);
  b.tone(0, 0.6, Wave::Square,
         [](double t) { return note(72 + static_cast<int>(t * 20)) * (std::fmod(t, 0.05) < 0.025 ? 1.0 : 1.5); },
         0.45, 2);
  return b.finish(0.6);
}

std::vector<int16_t> flight() {  // wing beats of soft noise; silent at both ends so it loops
  const double length = 0.4;
  Buffer b(length);
  b.noise(0, length, [](double t) { return 700 + 900 * std::sin(kTwoPi * t / 0.2) * std::sin(kTwoPi * t / 0.2); },
          1.0, 0);
  b.shape([](double t) {
    const double beat = std::sin(std::numbers::pi * std::fmod(t, 0.2) / 0.2);
    return beat * beat;
  });
  return b.finish(0.55);
}

std::vector<int16_t> fireball() {  // a short "fwoosh" falling in pitch
  Buffer b(0.2);
  b.noise(0, 0.2, [](double t) { return 6000 * std::exp(-12 * t) + 300; }, 1.0, 10);
  b.tone(0, 0.15, Wave::Square, [](double t) { return 900 - 4000 * t; }, 0.3, 12);
  return b.finish(0.7);
}

}  // namespace

std::vector<Effect> synthesizeEffects() {
  return {
      {"jump", jump()},         {"coin", coin()},          {"pipe", pipe()},
      {"brick", brick()},       {"pause", pause()},        {"bump", bump()},
      {"extra life", oneUp()},  {"poison", poison()},      {"map intro", mapIntro()},
      {"map move", mapMove()},  {"enter node", enterNode()}, {"power-up", powerUp()},
      {"transform", transform()}, {"flight", flight()},     {"fireball", fireball()},
  };
}

}  // namespace content::sound
