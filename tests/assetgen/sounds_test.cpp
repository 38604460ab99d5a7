// The twelve sound effects through the game's own wave reader: playable,
// audible, short (the explosions excepted) and of comparable loudness.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "generated.h"
#include "media/wav.h"

namespace {

using assetgen_test::GameDir;
using assetgen_test::ReadBytes;

const char* const Files[] = {"click05.wav", "click06.wav", "guard01.wav", "click04.wav",
                             "slash01.wav", "shua.wav",    "hit01.wav",   "metal01.wav",
                             "laser03.wav", "bom03.wav",   "bom04.wav",   "laser02.wav"};

struct Measured {
  double Seconds;
  double Peak;      // 0..1
  double LoudestDb; // RMS of the loudest 50 ms, dB below full scale
};

Measured Measure(const omb::WaveFile& w) {
  std::vector<double> s;
  for (size_t i = 0; i + 1 < w.Pcm.size(); i += 2)
    s.push_back(int16_t(w.Pcm[i] | w.Pcm[i + 1] << 8) / 32768.0);
  Measured m{double(s.size()) / w.Format.SampleRate, 0, -200};
  const size_t window = size_t(w.Format.SampleRate) / 20;
  double sum = 0, best = 0;
  for (size_t i = 0; i < s.size(); ++i) {
    m.Peak = std::max(m.Peak, std::fabs(s[i]));
    sum += s[i] * s[i];
    if (i >= window) sum -= s[i - window] * s[i - window];
    best = std::max(best, sum);
  }
  if (best > 0) m.LoudestDb = 10 * std::log10(best / double(std::min(window, s.size())));
  return m;
}

TEST(Sounds, EveryEffectIsAMonoPcmWaveTheGameCanLoad) {
  for (const char* name : Files) {
    SCOPED_TRACE(name);
    omb::WaveFile w;
    std::string error;
    ASSERT_TRUE(omb::DecodeWav(ReadBytes(GameDir() / "wave" / name), name, w, error)) << error;
    EXPECT_EQ(w.Format.Channels, 1);
    EXPECT_EQ(w.Format.BitsPerSample, 16);
    EXPECT_TRUE(w.Format.SampleRate == 22050 || w.Format.SampleRate == 44100);
    Measured m = Measure(w);
    EXPECT_GT(m.Peak, 0.1) << "silent";
    EXPECT_LT(m.Peak, 0.999) << "clipped";
    const bool explosion = std::string(name).rfind("bom", 0) == 0;
    if (explosion)
      EXPECT_LE(m.Seconds, 2.5);
    else
      EXPECT_LT(m.Seconds, 0.6) << "an event sound should be well under a second";
  }
}

TEST(Sounds, NoEffectDrownsTheOthers) {
  double lo = 0, hi = -200;
  for (const char* name : Files) {
    omb::WaveFile w;
    std::string error;
    ASSERT_TRUE(omb::DecodeWav(ReadBytes(GameDir() / "wave" / name), name, w, error)) << error;
    double db = Measure(w).LoudestDb;
    lo = std::min(lo, db);
    hi = std::max(hi, db);
  }
  EXPECT_LT(hi - lo, 10.0) << "loudest " << hi << " dB against quietest " << lo << " dB";
}

}  // namespace
