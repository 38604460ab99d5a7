// The twelve sound effects of the sound table, synthesised. Each is built for
// its event; all are then brought to a common loudness, the frequent small
// ones a little under it and the explosions a little over.
#include <cmath>

#include "files.h"
#include "synth.h"

namespace assetgen {
namespace {

// Menu cursor moved: a short soft blip.
Signal CursorClick() {
  Signal s = Make(0.05);
  Osc a, b;
  Noise n(5);
  for (size_t i = 0; i < s.size(); ++i) {
    double t = double(i) / SampleRate;
    double f = Glide(t, 1750, 1450, 0.04);
    s[i] = (a.Sine(f) + 0.25 * b.Sine(2 * f)) * AttackDecay(t, 0.001, 0.011);
    if (t < 0.002) s[i] += 0.3 * n.Next() * (1 - t / 0.002);
  }
  return s;
}

// Menu choice confirmed: two bright rising notes.
Signal ConfirmClick() {
  Signal s = Make(0.2);
  Osc a, b;
  for (size_t i = 0; i < s.size(); ++i) {
    double t = double(i) / SampleRate;
    double f = t < 0.06 ? 987.8 : 1318.5;
    double local = t < 0.06 ? t : t - 0.06;
    double env = AttackDecay(local, 0.002, t < 0.06 ? 0.05 : 0.06);
    s[i] = (a.Square(f, 0.3) * 0.35 + b.Sine(f * 2) * 0.4) * env;
  }
  return s;
}

// A shot hitting: a short metallic ping, an FM bell struck hard.
Signal Guard() {
  Signal s = Make(0.16);
  Osc mod;
  Noise n(11);
  Filter hp;
  for (size_t i = 0; i < s.size(); ++i) {
    double t = double(i) / SampleRate;
    double index = 3.5 * Decay(t, 0.03);
    double m = mod.Sine(2200 * 1.414) * index;
    s[i] = std::sin(m + 2 * M_PI * 2200 * t) * AttackDecay(t, 0.0008, 0.035);
    double strike = hp.Run(n.Next(), 3500).High * Decay(t, 0.004);
    s[i] = 0.8 * s[i] + 0.5 * strike;
  }
  return s;
}

// The boss countdown: a hard, dry tick.
Signal Tick() {
  Signal s = Make(0.07);
  Noise n(17);
  Filter bp;
  Osc body;
  for (size_t i = 0; i < s.size(); ++i) {
    double t = double(i) / SampleRate;
    double click = bp.Run(n.Next(), 2800, 3).Band * Decay(t, 0.006);
    double ring = body.Square(1200, 0.5) * Decay(t, 0.012) * 0.35;
    double thump = std::sin(2 * M_PI * 180 * t) * Decay(t, 0.015) * 0.5;
    s[i] = click * 1.4 + ring + thump;
  }
  return s;
}

// An enemy destroyed: a slash of noise sweeping down over a dull thump.
Signal Slash() {
  Signal s = Make(0.32);
  Noise n(23);
  Filter bp;
  Osc thump;
  for (size_t i = 0; i < s.size(); ++i) {
    double t = double(i) / SampleRate;
    double sweep = bp.Run(n.Next(), Glide(t, 7000, 700, 0.22), 2.2).Band;
    double env = AttackDecay(t, 0.004, 0.07);
    double low = thump.Sine(Glide(t, 110, 45, 0.2)) * AttackDecay(t, 0.002, 0.08);
    s[i] = sweep * env * 1.3 + low * 0.8;
  }
  return s;
}

// A bullet captured: a rising whoosh with a glassy glide over it.
Signal Capture() {
  Signal s = Make(0.36);
  Noise n(29);
  Filter bp;
  Osc glass;
  for (size_t i = 0; i < s.size(); ++i) {
    double t = double(i) / SampleRate;
    double u = t / 0.36;
    double env = std::sin(M_PI * std::pow(u, 0.7)) * (1 - 0.3 * u);
    double whoosh = bp.Run(n.Next(), Glide(t, 350, 4500, 0.3), 2.5).Band;
    double tone = glass.Sine(Glide(t, 400, 1600, 0.3)) * 0.25;
    s[i] = (whoosh * 1.6 + tone) * env;
  }
  return s;
}

// The barrier touching bullets: a soft, padded hit.
Signal SoftHit() {
  Signal s = Make(0.09);
  Noise n(31);
  Filter lp;
  Osc body;
  for (size_t i = 0; i < s.size(); ++i) {
    double t = double(i) / SampleRate;
    double puff = lp.Run(n.Next(), 1100).Low * AttackDecay(t, 0.002, 0.018);
    double tone = body.Sine(Glide(t, 240, 150, 0.06)) * AttackDecay(t, 0.002, 0.03);
    s[i] = puff * 1.5 + tone * 0.6;
  }
  return s;
}

// An enemy shoving the ship: a clang of inharmonic partials that rings out.
Signal Clang() {
  Signal s = Make(0.48);
  Noise n(37);
  Filter hp;
  const double freq[6] = {431, 452, 1181, 1693, 2467, 3101};
  const double amp[6] = {0.5, 0.4, 0.45, 0.3, 0.22, 0.15};
  const double tau[6] = {0.18, 0.16, 0.1, 0.07, 0.05, 0.035};
  for (size_t i = 0; i < s.size(); ++i) {
    double t = double(i) / SampleRate;
    double v = 0;
    for (int k = 0; k < 6; ++k) v += amp[k] * std::sin(2 * M_PI * freq[k] * t) * Decay(t, tau[k]);
    v += 0.6 * hp.Run(n.Next(), 2500).High * Decay(t, 0.006);
    s[i] = v * (t < 0.001 ? t / 0.001 : 1);
  }
  return s;
}

// A captured bullet launched: a quick falling zap.
Signal LaunchLaser() {
  Signal s = Make(0.26);
  Osc a, b, vib;
  Filter lp;
  for (size_t i = 0; i < s.size(); ++i) {
    double t = double(i) / SampleRate;
    double f = Glide(t, 2600, 260, 0.22) * (1 + 0.03 * vib.Sine(40));
    double raw = a.Square(f, 0.35) * 0.6 + b.Saw(f * 1.01) * 0.4;
    s[i] = lp.Run(raw, 5000).Low * AttackDecay(t, 0.002, 0.09);
  }
  return s;
}

// The barrier released for a bonus: a rising, shimmering power-up sweep.
Signal ReleaseLaser() {
  Signal s = Make(0.46);
  Osc a, b, vib;
  Filter lp;
  for (size_t i = 0; i < s.size(); ++i) {
    double t = double(i) / SampleRate;
    double f = Glide(t, 280, 1900, 0.32) * (1 + 0.05 * vib.Sine(24));
    double raw = a.Saw(f) * 0.5 + b.Saw(f * 1.012) * 0.5;
    double env = t < 0.02 ? t / 0.02 : (t < 0.3 ? 1 : Decay(t - 0.3, 0.05));
    s[i] = lp.Run(raw, 2500 + 6000 * std::min(1.0, t / 0.3)).Low * env;
  }
  return s;
}

// Explosions: noise under a closing low-pass, a sinking sub thump and
// crackle. `weight` 0 is the ship being hit, 1 the ship destroyed.
Signal Explosion(double weight, uint32_t seed) {
  const double length = 0.8 + 1.0 * weight;
  Signal s = Make(length);
  Noise n(seed), crackleNoise(seed + 1), brown(seed + 2);
  Filter lp, rumble;
  Osc sub;
  double brownState = 0;
  const double tau = 0.16 + 0.34 * weight;
  for (size_t i = 0; i < s.size(); ++i) {
    double t = double(i) / SampleRate;
    double cutoff = Glide(t, 4200 - 1000 * weight, 160, length * 0.9);
    double body = lp.Run(n.Next(), cutoff, 0.9).Low * AttackDecay(t, 0.003, tau);
    brownState = 0.995 * brownState + 0.05 * brown.Next();
    double low = rumble.Run(brownState, 180).Low * AttackDecay(t, 0.01, tau * 1.8) * (1 + 2 * weight);
    double thump = sub.Sine(Glide(t, 75 - 15 * weight, 30, 0.3 + 0.3 * weight)) *
                   AttackDecay(t, 0.002, 0.12 + 0.2 * weight);
    double crack = 0;
    if (crackleNoise.Next() > 0.985 - 0.01 * weight) crack = crackleNoise.Next() * Decay(t, tau * 1.3);
    double v = body * 1.4 + low * 2.5 + thump * 0.9 + crack * 0.7;
    if (weight > 0.5 && t > 0.22) {
      // a second, deeper burst as the wreck breaks up
      double t2 = t - 0.22;
      v += lp.Run(n.Next(), Glide(t2, 2200, 150, 1.2), 0.9).Low * AttackDecay(t2, 0.004, 0.3) * 0.9;
    }
    s[i] = v;
  }
  return s;
}

struct Effect {
  const char* Name;
  Signal (*Make)();
  double Loudness;  // dBFS of the loudest 50 ms
};

Signal ShipHit() { return Explosion(0, 41); }
Signal ShipDestroyed() { return Explosion(1, 43); }

}  // namespace

std::vector<NamedFile> MakeSoundEffects() {
  // Frequent sounds (hits, the barrier, clicks) sit below the common level
  // so a storm of them never buries the rest; the explosions sit above it.
  const Effect effects[] = {
      {"click05.wav", CursorClick, -17},   {"click06.wav", ConfirmClick, -16},
      {"guard01.wav", Guard, -19},         {"click04.wav", Tick, -15},
      {"slash01.wav", Slash, -15},         {"shua.wav", Capture, -16},
      {"hit01.wav", SoftHit, -20},         {"metal01.wav", Clang, -15},
      {"laser03.wav", LaunchLaser, -17},   {"bom03.wav", ShipHit, -12},
      {"bom04.wav", ShipDestroyed, -11},   {"laser02.wav", ReleaseLaser, -15},
  };
  std::vector<NamedFile> out;
  for (const Effect& e : effects) {
    Signal s = e.Make();
    Normalise(s, e.Loudness);
    out.push_back({e.Name, EncodeWav(s)});
  }
  return out;
}

}  // namespace assetgen
