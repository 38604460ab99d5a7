// The synthesiser's finishing steps: loudness normalisation and the wave file
// as the game's reader sees it.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "media/wav.h"
#include "synth.h"

namespace {

using assetgen::Signal;

Signal Tone(double seconds, double amplitude) {
  Signal s(size_t(seconds * assetgen::SampleRate));
  for (size_t i = 0; i < s.size(); ++i)
    s[i] = amplitude * std::sin(2 * M_PI * 440 * double(i) / assetgen::SampleRate);
  return s;
}

TEST(Synth, NormaliseReachesTheLoudnessAndKeepsUnderTheCeiling) {
  Signal quiet = Tone(0.3, 0.01);
  assetgen::Normalise(quiet, -18);
  EXPECT_NEAR(assetgen::LoudestRmsDb(quiet), -18, 0.2);

  // a spike the loudness target would push past full scale is held at -1 dB
  Signal spiky = Tone(0.3, 0.05);
  spiky[1000] = 1.0;
  assetgen::Normalise(spiky, -3);
  double peak = 0;
  for (double v : spiky) peak = std::max(peak, std::fabs(v));
  EXPECT_NEAR(peak, std::pow(10.0, -1.0 / 20), 1e-9);

  // it ends at silence, so the channel stops without a click
  EXPECT_EQ(quiet.back(), 0.0);
}

TEST(Synth, WaveFilesReadBackThroughTheGamesReader) {
  Signal s = {0.0, 0.5, -0.5, 1.0, -1.0};
  std::vector<uint8_t> file = assetgen::EncodeWav(s);
  omb::WaveFile w;
  std::string error;
  ASSERT_TRUE(omb::DecodeWav(file, "t.wav", w, error)) << error;
  EXPECT_EQ(w.Format.Channels, 1);
  EXPECT_EQ(w.Format.SampleRate, assetgen::SampleRate);
  EXPECT_EQ(w.Format.BitsPerSample, 16);
  ASSERT_EQ(w.Pcm.size(), 10u);
  auto at = [&](int i) { return int16_t(w.Pcm[2 * i] | w.Pcm[2 * i + 1] << 8); };
  EXPECT_EQ(at(0), 0);
  EXPECT_EQ(at(1), 16384);
  EXPECT_EQ(at(2), -16384);
  EXPECT_EQ(at(3), 32767);
  EXPECT_EQ(at(4), -32767);
}

}  // namespace
