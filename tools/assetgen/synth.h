// A small sound synthesiser: oscillators, noise, filters and envelopes, and
// the mono 16-bit PCM wave file the sound channels load.
#pragma once
#include <cstdint>
#include <vector>

namespace assetgen {

constexpr int SampleRate = 22050;

using Signal = std::vector<double>;

// Seeded white noise in [-1, 1]; the seed makes every run the same.
class Noise {
 public:
  explicit Noise(uint32_t seed) : s_(seed * 747796405u + 2891336453u) {}
  double Next() {
    s_ ^= s_ << 13;
    s_ ^= s_ >> 17;
    s_ ^= s_ << 5;
    return s_ / 2147483648.0 - 1.0;
  }

 private:
  uint32_t s_;
};

// A phase accumulator; frequency may change every sample.
class Osc {
 public:
  double Sine(double hz);
  double Square(double hz, double duty = 0.5);
  double Saw(double hz);
  double Triangle(double hz);

 private:
  double Step(double hz);
  double phase_ = 0;
};

// Resonant filter (state-variable); cutoff and resonance may move per sample.
class Filter {
 public:
  struct Out {
    double Low, Band, High;
  };
  Out Run(double in, double cutoffHz, double q = 0.7);

 private:
  double low_ = 0, band_ = 0;
};

// Envelopes by time in seconds.
double Decay(double t, double tau);                // 1 at t = 0, e^(-t/tau)
double AttackDecay(double t, double attack, double tau);
double Glide(double t, double from, double to, double time);  // exponential pitch glide

Signal Make(double seconds);

// Scales the sound so that its loudest 50 ms have the given RMS level (dB
// below full scale), keeping the peak under -1 dBFS, and fades out the last
// few milliseconds so it ends without a click.
void Normalise(Signal& s, double rmsDb);
// The loudest 50 ms window's RMS, in dB below full scale.
double LoudestRmsDb(const Signal& s);

// A RIFF WAVE file: PCM, mono, 16-bit, SampleRate.
std::vector<uint8_t> EncodeWav(const Signal& s);

}  // namespace assetgen
