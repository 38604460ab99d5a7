// The mixer against SDL's disk driver, which writes the mixed output to a
// file instead of a sound card: what the channels and the synthesiser
// produce can then be measured.
#include "platform/sdl/sdl_audio.h"

#include <SDL.h>
#include <SDL_mixer.h>
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <numbers>

#include "media/debuglog.h"
#include "media/hand_made.h"
#include "scratch_dir.h"

namespace omb {
namespace {

std::vector<std::string> Reports;
void CollectReport(std::string_view text) { Reports.emplace_back(text); }

// Three notes held for a quarter of a second, as a format 0 MIDI file.
std::vector<uint8_t> TinyTune() {
  const std::vector<uint8_t> track = {
      0x00, 0xC0, 0x00,                                                // piano
      0x00, 0x90, 0x3C, 0x64, 0x00, 0x90, 0x40, 0x64, 0x00, 0x90, 0x43, 0x64,  // C E G on
      0x30, 0x80, 0x3C, 0x40, 0x00, 0x80, 0x40, 0x40, 0x00, 0x80, 0x43, 0x40,  // off 48 ticks later
      0x00, 0xFF, 0x2F, 0x00,                                          // end of track
  };
  std::vector<uint8_t> file = {'M', 'T', 'h', 'd', 0, 0, 0, 6, 0, 0, 0, 1, 0, 96,
                               'M', 'T', 'r', 'k', 0, 0, 0, static_cast<uint8_t>(track.size())};
  file.insert(file.end(), track.begin(), track.end());
  return file;
}

class AudioOnDisk : public ::testing::Test {
 protected:
  void SetUp() override {
    setenv("SDL_AUDIODRIVER", "disk", 1);
    setenv("SDL_DISKAUDIOFILE", "output.raw", 1);
    Reports.clear();
    SetFailureSinkForTests(CollectReport);
  }
  void TearDown() override {
    audio_.Close();
    SetFailureSinkForTests(nullptr);
    unsetenv("SDL_AUDIODRIVER");
    unsetenv("SDL_DISKAUDIOFILE");
    unsetenv("SDL_DISKAUDIODELAY");
  }

  // Closes the device and returns the loudest sample it was given.
  int Peak() {
    int frequency = 0, channels = 0;
    Uint16 format = 0;
    Mix_QuerySpec(&frequency, &format, &channels);
    EXPECT_EQ(format, AUDIO_S16SYS);
    audio_.Close();
    const Bytes bytes = ReadBytes("output.raw");
    EXPECT_GT(bytes.size(), 4096u) << "the disk driver wrote nothing";
    int peak = 0;
    for (size_t i = 0; i + 1 < bytes.size(); i += 2) {
      int16_t s;
      std::memcpy(&s, &bytes[i], 2);
      peak = std::max(peak, std::abs(static_cast<int>(s)));
    }
    return peak;
  }

  ScratchDirectory scratch_;  // the working directory: the device's output and the tunes
  SdlAudio audio_;
};

// The device plays in its own thread at its own pace; give it time.
template <typename Condition>
bool WaitUntil(Condition done, int ms = 5000) {
  for (int waited = 0; !done(); waited += 10) {
    if (waited >= ms) return false;
    SDL_Delay(10);
  }
  return true;
}

std::vector<uint8_t> Tone16(int rate, int ms) {
  std::vector<uint8_t> pcm;
  for (int i = 0; i < rate * ms / 1000; i++) {
    const auto s = static_cast<int16_t>(16000 * std::sin(i * 2 * std::numbers::pi * 440 / rate));
    pcm.push_back(static_cast<uint8_t>(s & 0xFF));
    pcm.push_back(static_cast<uint8_t>((s >> 8) & 0xFF));
  }
  return pcm;
}

TEST_F(AudioOnDisk, WaveIsConvertedToTheMixerAndHeard) {
  audio_.Open();
  ASSERT_TRUE(audio_.SoundOn());
  audio_.SetChannelWave(3, {.Channels = 1, .SampleRate = 22050, .BitsPerSample = 16}, Tone16(22050, 300));
  audio_.PlayChannel(3);
  EXPECT_TRUE(Mix_Playing(3));
  EXPECT_TRUE(WaitUntil([] { return !Mix_Playing(3); })) << "a wave plays once";
  EXPECT_GT(Peak(), 8000);
}

TEST_F(AudioOnDisk, SilentWavesAndClearedChannelsStaySilent) {
  audio_.Open();
  ASSERT_TRUE(audio_.SoundOn());
  // 8-bit samples are unsigned: 128 is the rest level, not a full swing.
  const std::vector<uint8_t> rest(2756, 128);
  audio_.SetChannelWave(0, {.Channels = 1, .SampleRate = 11025, .BitsPerSample = 8}, rest);
  audio_.SetChannelWave(1, {.Channels = 1, .SampleRate = 22050, .BitsPerSample = 16}, Tone16(22050, 300));
  audio_.ClearChannel(1);
  // Out of range or unplayable: ignored without a crash.
  audio_.SetChannelWave(50, {}, rest);
  audio_.PlayChannel(-1);
  audio_.SetChannelWave(2, {.Channels = 1, .SampleRate = 22050, .BitsPerSample = 12}, rest);
  audio_.SetChannelWave(4, {.Channels = 2, .SampleRate = 22050, .BitsPerSample = 16}, {rest.data(), 3});
  for (int i = 0; i < 5; i++) audio_.PlayChannel(i);
  EXPECT_TRUE(Mix_Playing(0));
  EXPECT_FALSE(Mix_Playing(1));
  EXPECT_TRUE(WaitUntil([] { return !Mix_Playing(0); }));
  const size_t expected = audio_.MusicOn() ? 1 : 2;  // the 12-bit wave, once; the soundfont
  EXPECT_LT(Peak(), 16);
  EXPECT_EQ(Reports.size(), expected);
}

// Tunes change in the middle of play: once loaded, a tune is opened again
// from memory, so its file is removed here before each reopening.
TEST_F(AudioOnDisk, MidiPlaysOnceThroughTheSynthesiserAndLoadedTunesReopenWithoutTheirFiles) {
  // The synthesiser lets the notes ring out for seconds after the last
  // event: run the device about five times faster than real time.
  setenv("SDL_DISKAUDIODELAY", "4", 1);
  audio_.Open();
  ASSERT_TRUE(audio_.SoundOn());
  if (!audio_.MusicOn()) GTEST_SKIP() << "no soundfont installed (Debian timgm6mb-soundfont)";
  WriteBytes("tune.mid", TinyTune());
  std::filesystem::copy_file("tune.mid", "other.mid");

  audio_.MusicPreload("tune.mid");
  audio_.MusicPreload("tune.mid");  // a second preload keeps the first
  std::filesystem::remove("tune.mid");
  audio_.MusicOpen("tune.mid");
  EXPECT_TRUE(Mix_HasMusicDecoder("FLUIDSYNTH"));
  EXPECT_FALSE(audio_.MusicPlaying());
  audio_.MusicPlay();
  EXPECT_TRUE(audio_.MusicPlaying()) << "a preloaded tune plays without its file";

  audio_.MusicOpen("other.mid");  // never preloaded: read from its file
  audio_.MusicPlay();
  EXPECT_TRUE(audio_.MusicPlaying());
  audio_.MusicClose();
  EXPECT_FALSE(audio_.MusicPlaying());
  std::filesystem::remove("other.mid");
  audio_.MusicOpen("other.mid");
  audio_.MusicPlay();
  EXPECT_TRUE(audio_.MusicPlaying()) << "a tune once opened is kept as well";

  audio_.MusicClose();
  audio_.MusicOpen("tune.mid");  // closing did not free it
  audio_.MusicPlay();
  EXPECT_TRUE(audio_.MusicPlaying());
  audio_.MusicSeekStart();
  EXPECT_TRUE(WaitUntil([this] { return !audio_.MusicPlaying(); }, 15000))
      << "the tune must end by itself, not loop";
  EXPECT_TRUE(Reports.empty());

  audio_.MusicPreload("midi/none.mid");  // a missing tune: said once, then quiet
  audio_.MusicPreload("midi/none.mid");
  for (int i = 0; i < 3; i++) {
    audio_.MusicOpen("midi/none.mid");
    audio_.MusicPlay();
    EXPECT_FALSE(audio_.MusicPlaying());
  }
  ASSERT_EQ(Reports.size(), 1u);
  EXPECT_NE(Reports[0].find("midi/none.mid"), std::string::npos);
  EXPECT_GT(Peak(), 500);
}

TEST_F(AudioOnDisk, NoDeviceMeansSilenceNotACrash) {
  setenv("SDL_AUDIODRIVER", "nonesuch", 1);
  audio_.Open();
  EXPECT_FALSE(audio_.SoundOn());
  EXPECT_FALSE(audio_.MusicOn());
  audio_.SetChannelWave(0, {}, Tone16(22050, 100));
  audio_.PlayChannel(0);
  audio_.StopChannel(0);
  audio_.MusicPreload("midi/none.mid");
  audio_.MusicOpen("midi/none.mid");
  audio_.MusicPlay();
  EXPECT_FALSE(audio_.MusicPlaying());
  audio_.MusicClose();
  ASSERT_EQ(Reports.size(), 1u);
  EXPECT_EQ(Reports[0].rfind("no sound", 0), 0u);
}

}  // namespace
}  // namespace omb
