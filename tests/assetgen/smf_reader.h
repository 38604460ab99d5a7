// A plain reader of Standard MIDI Files for the tests: every event with its
// absolute tick, and whether each track chunk closes with end-of-track.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

namespace assetgen_test {

struct MidiEvent {
  int Track = 0;
  uint32_t Tick = 0;
  uint8_t Status = 0;  // 0xff for meta events
  uint8_t A = 0, B = 0;  // data bytes; A is the type of a meta event
  std::vector<uint8_t> Meta;
};

struct MidiFile {
  int Format = -1, Tracks = 0, Division = 0;
  int Chunks = 0;
  bool EveryTrackEnds = true;
  uint32_t LastTick = 0;
  uint32_t Tempo = 500000;  // microseconds a quarter note
  std::vector<MidiEvent> Events;
  std::string Error;  // empty when the file parsed

  // Note-ons with a velocity, as (tick, channel, key).
  std::vector<MidiEvent> NotesOn() const;
  double Seconds() const { return Division ? double(LastTick) / Division * Tempo / 1e6 : 0; }
};

MidiFile ReadMidi(const std::vector<uint8_t>& bytes);

}  // namespace assetgen_test
