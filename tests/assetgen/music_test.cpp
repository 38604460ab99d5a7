// The nine tunes: well-formed Standard MIDI Files of General MIDI, one pass
// lasting 60 to 120 seconds, listed in "midi/midi.txt", and loadable by
// SDL_mixer as the game will load them.
#include <SDL.h>
#include <SDL_mixer.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "generated.h"
#include "smf_reader.h"

namespace {

using assetgen_test::GameDir;
using assetgen_test::ReadBytes;

std::vector<std::string> MusicList() {
  std::vector<uint8_t> bytes = ReadBytes(GameDir() / "midi" / "midi.txt");
  std::vector<std::string> lines;
  std::string line;
  for (uint8_t c : bytes) {
    if (c == '\n') {
      if (!line.empty() && line.back() == '\r') line.pop_back();
      lines.push_back(line);
      line.clear();
    } else {
      line += char(c);
    }
  }
  if (!line.empty()) lines.push_back(line);
  return lines;
}

TEST(Music, TheListNamesNineExistingFiles) {
  std::vector<std::string> list = MusicList();
  ASSERT_EQ(list.size(), 9u);
  for (const std::string& name : list) {
    EXPECT_FALSE(name.empty());
    EXPECT_TRUE(std::filesystem::is_regular_file(GameDir() / "midi" / name)) << name;
  }
}

TEST(Music, EveryTuneIsAWholeGeneralMidiFileOfOneToTwoMinutes) {
  for (const std::string& name : MusicList()) {
    SCOPED_TRACE(name);
    assetgen_test::MidiFile m = assetgen_test::ReadMidi(ReadBytes(GameDir() / "midi" / name));
    ASSERT_TRUE(m.Error.empty()) << m.Error;
    EXPECT_EQ(m.Format, 1);
    EXPECT_EQ(m.Chunks, m.Tracks);
    EXPECT_TRUE(m.EveryTrackEnds) << "a track lacks its end-of-track event";
    int programs = 0;
    bool drums = false;
    for (const auto& e : m.Events) {
      if ((e.Status & 0xf0) == 0xc0) ++programs;
      if ((e.Status & 0xf0) == 0x90 && (e.Status & 0x0f) == 9 && e.B > 0) drums = true;
    }
    EXPECT_TRUE(drums) << "no drums on channel 10";
    EXPECT_GE(programs, 3) << "instruments are chosen by program change";
    ASSERT_GT(m.Division, 0);
    EXPECT_GE(m.Seconds(), 60);
    EXPECT_LE(m.Seconds(), 120);
    // Looping cleanly: one pass ends on a 4/4 bar line, so the restart
    // falls on the beat, and no note is left sounding across it.
    EXPECT_EQ(m.LastTick % uint32_t(4 * m.Division), 0u);
    int sounding = 0;
    for (const auto& e : m.Events) {
      if ((e.Status & 0xf0) == 0x90 && e.B > 0) ++sounding;
      if ((e.Status & 0xf0) == 0x80 || ((e.Status & 0xf0) == 0x90 && e.B == 0)) --sounding;
    }
    EXPECT_EQ(sounding, 0);
  }
}

TEST(Music, SdlMixerLoadsEveryTune) {
  SDL_setenv("SDL_AUDIODRIVER", "dummy", 1);
  const char* font = "/usr/share/sounds/sf2/TimGM6mb.sf2";
  if (std::filesystem::exists(font)) SDL_setenv("SDL_SOUNDFONTS", font, 0);
  ASSERT_EQ(SDL_Init(SDL_INIT_AUDIO), 0) << SDL_GetError();
  Mix_Init(MIX_INIT_MID);
  ASSERT_EQ(Mix_OpenAudio(22050, AUDIO_S16SYS, 2, 1024), 0) << Mix_GetError();
  for (const std::string& name : MusicList()) {
    Mix_Music* music = Mix_LoadMUS((GameDir() / "midi" / name).string().c_str());
    EXPECT_NE(music, nullptr) << name << ": " << Mix_GetError();
    if (music) {
      EXPECT_EQ(Mix_GetMusicType(music), MUS_MID) << name;
      Mix_FreeMusic(music);
    }
  }
  Mix_CloseAudio();
  Mix_Quit();
  SDL_Quit();
}

}  // namespace
