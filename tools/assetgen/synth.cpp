#include "synth.h"

#include <algorithm>
#include <cmath>

namespace assetgen {

double Osc::Step(double hz) {
  double p = phase_;
  phase_ += hz / SampleRate;
  phase_ -= std::floor(phase_);
  return p;
}
double Osc::Sine(double hz) { return std::sin(2 * M_PI * Step(hz)); }
double Osc::Square(double hz, double duty) { return Step(hz) < duty ? 1.0 : -1.0; }
double Osc::Saw(double hz) { return 2 * Step(hz) - 1; }
double Osc::Triangle(double hz) {
  double p = Step(hz);
  return p < 0.5 ? 4 * p - 1 : 3 - 4 * p;
}

Filter::Out Filter::Run(double in, double cutoffHz, double q) {
  // Chamberlin state-variable filter, stable below a sixth of the rate.
  double f = 2 * std::sin(M_PI * std::min(cutoffHz, SampleRate / 6.5) / SampleRate);
  double damp = 1 / std::max(q, 0.5);
  low_ += f * band_;
  double high = in - low_ - damp * band_;
  band_ += f * high;
  return {low_, band_, high};
}

double Decay(double t, double tau) { return std::exp(-t / tau); }
double AttackDecay(double t, double attack, double tau) {
  return t < attack ? t / attack : std::exp(-(t - attack) / tau);
}
double Glide(double t, double from, double to, double time) {
  if (t >= time) return to;
  return from * std::pow(to / from, t / time);
}

Signal Make(double seconds) { return Signal(size_t(seconds * SampleRate), 0.0); }

double LoudestRmsDb(const Signal& s) {
  const size_t window = SampleRate / 20;
  double best = 0, sum = 0;
  for (size_t i = 0; i < s.size(); ++i) {
    sum += s[i] * s[i];
    if (i >= window) sum -= s[i - window] * s[i - window];
    best = std::max(best, sum);
  }
  double rms = std::sqrt(best / double(std::min(window, std::max<size_t>(s.size(), 1))));
  return rms > 0 ? 20 * std::log10(rms) : -200;
}

void Normalise(Signal& s, double rmsDb) {
  double gain = std::pow(10.0, (rmsDb - LoudestRmsDb(s)) / 20);
  double peak = 0;
  for (double v : s) peak = std::max(peak, std::fabs(v));
  const double ceiling = std::pow(10.0, -1.0 / 20);
  if (peak * gain > ceiling) gain = ceiling / peak;
  for (double& v : s) v *= gain;
  const size_t fade = std::min<size_t>(s.size(), SampleRate / 200);
  for (size_t i = 0; i < fade; ++i) s[s.size() - 1 - i] *= double(i) / fade;
}

std::vector<uint8_t> EncodeWav(const Signal& s) {
  std::vector<uint8_t> out;
  auto put16 = [&](uint32_t v) {
    out.push_back(v & 255);
    out.push_back((v >> 8) & 255);
  };
  auto put32 = [&](uint32_t v) {
    put16(v & 0xffff);
    put16(v >> 16);
  };
  const uint32_t data = uint32_t(s.size() * 2);
  out.reserve(44 + data);
  auto tag = [&](const char* t) {
    for (int i = 0; i < 4; ++i) out.push_back(uint8_t(t[i]));
  };
  tag("RIFF");
  put32(36 + data);
  tag("WAVE");
  tag("fmt ");
  put32(16);
  put16(1);  // PCM
  put16(1);  // mono
  put32(SampleRate);
  put32(SampleRate * 2);
  put16(2);
  put16(16);
  tag("data");
  put32(data);
  for (double v : s) {
    long q = std::lround(std::clamp(v, -1.0, 1.0) * 32767);
    put16(uint16_t(int16_t(q)));
  }
  return out;
}

}  // namespace assetgen
