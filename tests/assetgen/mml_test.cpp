// The music notation compiler: the timing of every construct, the MIDI it
// writes, and the mistakes it must refuse rather than turn into a tune that
// stumbles when it loops.
#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "mml.h"
#include "smf_reader.h"

namespace {

using assetgen::CompileMml;
using assetgen_test::MidiEvent;
using assetgen_test::MidiFile;
using assetgen_test::ReadMidi;

MidiFile Compile(const std::string& text) {
  MidiFile m = ReadMidi(CompileMml("test", text).Bytes);
  EXPECT_TRUE(m.Error.empty()) << m.Error;
  return m;
}

// (tick, key) of every note-on, and the tick each key is released.
std::vector<std::pair<uint32_t, int>> Ons(const MidiFile& m) {
  std::vector<std::pair<uint32_t, int>> v;
  for (const MidiEvent& e : m.NotesOn()) v.push_back({e.Tick, e.A});
  return v;
}
std::vector<std::pair<uint32_t, int>> Offs(const MidiFile& m) {
  std::vector<std::pair<uint32_t, int>> v;
  for (const MidiEvent& e : m.Events)
    if ((e.Status & 0xf0) == 0x80) v.push_back({e.Tick, e.A});
  return v;
}

TEST(Mml, NotesLengthsAndOctavesLandOnTheirTicks) {
  // 480 ticks a quarter; the default gate sounds 7/8 of each note
  MidiFile m = Compile("tempo 120\nA(1): l4 c d e f+ | o5 c8 c8 < b-4. r8 c4 & | c2 c4^16 r8.");
  using P = std::vector<std::pair<uint32_t, int>>;
  EXPECT_EQ(Ons(m), (P{{0, 60}, {480, 62}, {960, 64}, {1440, 66}, {1920, 72}, {2160, 72},
                       {2400, 70}, {3360, 60}, {4800, 60}}));
  // the dotted quarter, the tie across the bar line, the tied lengths
  EXPECT_EQ(Offs(m)[6], (std::pair<uint32_t, int>{2400 + 720 * 7 / 8, 70}));
  EXPECT_EQ(Offs(m)[7], (std::pair<uint32_t, int>{3360 + 480 + 960 * 7 / 8, 60}));
  EXPECT_EQ(Offs(m)[8], (std::pair<uint32_t, int>{4800 + 600 * 7 / 8, 60}));
  EXPECT_EQ(m.LastTick, 3u * 1920);
  EXPECT_DOUBLE_EQ(m.Seconds(), 6.0);
}

TEST(Mml, RepeatsChordsMacrosTransposeAndDrums) {
  MidiFile m = Compile(
      "tempo 100\n"
      "$up = c d\n"
      "A(2): l8 [$up [e]2]2 | {c e g}2 k2 c4 o3 n40:4\n"
      "D(10): l4 K S {K H} X r1");
  std::vector<int> keys;
  std::vector<int> channels;
  for (const MidiEvent& e : m.NotesOn()) {
    keys.push_back(e.A);
    channels.push_back(e.Status & 0x0f);
  }
  EXPECT_EQ(keys, (std::vector<int>{60, 62, 64, 64, 60, 62, 64, 64, 60, 64, 67, 62, 40,  //
                                    36, 38, 36, 42, 39}));
  EXPECT_EQ(channels.back(), 9) << "drums play on channel 10";
  EXPECT_EQ(channels.front(), 1);
  // the chord's three notes start together, on the second bar
  EXPECT_EQ(m.NotesOn()[8].Tick, 1920u);
  EXPECT_EQ(m.NotesOn()[10].Tick, 1920u);
  EXPECT_EQ(m.Tempo, 600000u);
}

TEST(Mml, TracksCarryTheirProgramsControllersAndNames) {
  MidiFile m = Compile("tempo 120\nLead(3): @81 V90 P20 Y91,40 c1\nLead: d1");
  ASSERT_EQ(m.Tracks, 2) << "a conductor track and one part";
  bool program = false, volume = false, pan = false, reverb = false, name = false;
  for (const MidiEvent& e : m.Events) {
    if (e.Status == 0xc2 && e.A == 81) program = true;
    if (e.Status == 0xb2 && e.A == 7 && e.B == 90) volume = true;
    if (e.Status == 0xb2 && e.A == 10 && e.B == 20) pan = true;
    if (e.Status == 0xb2 && e.A == 91 && e.B == 40) reverb = true;
    if (e.Status == 0xff && e.A == 0x03 && std::string(e.Meta.begin(), e.Meta.end()) == "Lead")
      name = true;
  }
  EXPECT_TRUE(program && volume && pan && reverb && name);
  EXPECT_EQ(m.NotesOn().size(), 2u) << "a continued track adds to the same part";
  EXPECT_TRUE(m.EveryTrackEnds);
}

TEST(Mml, RefusesTunesThatWouldNotLoopCleanly) {
  auto fails = [](const std::string& text, const std::string& needle) {
    try {
      CompileMml("broken", text);
    } catch (const std::runtime_error& e) {
      EXPECT_NE(std::string(e.what()).find(needle), std::string::npos) << e.what();
      return;
    }
    ADD_FAILURE() << "accepted: " << text;
  };
  fails("A(1): c1\nB(2): c2", "track B");          // parts of different lengths
  fails("A(1): c4", "bar line");                   // a pass that stops mid-bar
  fails("A(1): c1 w4", "unknown command 'w'");     // a slip of the pen, with its place
  fails("A(1): $nothing", "unknown macro");
  fails("A(1): [c1", "'['");
  fails("A(1): c1 ]", "']'");
  fails("A: c1", "needs a channel");
  fails("A(1): c7", "does not fit");               // a length that is not a note value
  fails("A(1): o11 c1", "out of range");
}

}  // namespace
