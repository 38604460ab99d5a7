#include "smf_reader.h"

#include <algorithm>
#include <stdexcept>

namespace assetgen_test {
namespace {

uint32_t Be(const std::vector<uint8_t>& d, size_t p, int n) {
  uint32_t v = 0;
  for (int i = 0; i < n; ++i) v = v << 8 | d.at(p + i);
  return v;
}

}  // namespace

std::vector<MidiEvent> MidiFile::NotesOn() const {
  std::vector<MidiEvent> out;
  for (const MidiEvent& e : Events)
    if ((e.Status & 0xf0) == 0x90 && e.B > 0) out.push_back(e);
  return out;
}

MidiFile ReadMidi(const std::vector<uint8_t>& d) {
  MidiFile r;
  try {
    if (d.size() < 14 || std::string(d.begin(), d.begin() + 4) != "MThd" || Be(d, 4, 4) != 6) {
      r.Error = "no MThd header";
      return r;
    }
    r.Format = int(Be(d, 8, 2));
    r.Tracks = int(Be(d, 10, 2));
    r.Division = int(Be(d, 12, 2));
    size_t p = 14;
    while (p + 8 <= d.size()) {
      if (std::string(d.begin() + p, d.begin() + p + 4) != "MTrk") {
        r.Error = "a chunk is not MTrk";
        return r;
      }
      const size_t end = p + 8 + Be(d, p + 4, 4);
      size_t q = p + 8;
      uint32_t tick = 0;
      uint8_t status = 0;
      bool ended = false;
      auto varlen = [&]() {
        uint32_t v = 0;
        for (int k = 0; k < 4; ++k) {
          uint8_t b = d.at(q++);
          v = v << 7 | (b & 0x7f);
          if (!(b & 0x80)) return v;
        }
        throw std::out_of_range("a number of more than four bytes");
      };
      while (q < end && !ended) {
        tick += varlen();
        MidiEvent e;
        e.Track = r.Chunks;
        e.Tick = tick;
        if (d.at(q) == 0xff) {
          e.Status = 0xff;
          e.A = d.at(q + 1);
          q += 2;
          uint32_t len = varlen();
          e.Meta.assign(d.begin() + q, d.begin() + q + len);
          if (e.A == 0x51 && len == 3) r.Tempo = Be(d, q, 3);
          if (e.A == 0x2f) ended = true;
          q += len;
        } else {
          if (d.at(q) & 0x80) status = d.at(q++);
          e.Status = status;
          const int kind = status & 0xf0;
          e.A = d.at(q);
          if (kind == 0xc0 || kind == 0xd0) {
            q += 1;
          } else {
            e.B = d.at(q + 1);
            q += 2;
          }
        }
        r.Events.push_back(std::move(e));
      }
      r.EveryTrackEnds = r.EveryTrackEnds && ended && q == end;
      r.LastTick = std::max(r.LastTick, tick);
      ++r.Chunks;
      p = end;
    }
  } catch (const std::out_of_range&) {
    r.Error = "cut short";
  }
  return r;
}

}  // namespace assetgen_test
