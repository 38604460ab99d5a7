// A compact music notation of our own, turned into Standard MIDI Files.
//
// A tune is plain text, one statement a line; ';' starts a comment.
//   tempo 150            quarter notes a minute
//   $riff = c8 d e g     a macro; "$riff" anywhere later stands for its text
//   A(1): ...            notes for track A on MIDI channel 1; later "A(1):"
//                        lines (or "A:") continue the same track
// Inside a track:
//   @n         General MIDI program n (0-based, as sent)
//   V n, P n   channel volume and pan (0..127); Y c,v sets controller c
//   v n        velocity of the notes that follow (1..127)
//   o n, <, >  octave (o4 holds middle C), one octave down, up
//   l n        default length: 1 whole, 4 quarter, 8 eighth, 16, 32; a
//              trailing '.' adds half again
//   q n        gate: notes sound n eighths of their length (1..8)
//   k n        transpose by n semitones
//   c d e f g a b   notes, then '+' or '#' sharp, '-' flat, then a length;
//              "c4" a quarter C, "c" the default length, "c4." dotted,
//              "c4^16" tied lengths, "c4 & c8" tied notes
//   r          rest, with a length like a note
//   {c e g}4   a chord: its notes sound together for one length
//   [ ... ]n   the bracketed notes n times
// Drums (channel 10) are written with capital letters, one per hit:
//   K kick  S snare  X clap  Q side stick  H closed hat  O open hat  F foot hat
//   C crash  R ride  B ride bell  T high tom  M mid tom  L low tom  N tambourine
//   nN, nN:4   any note number N, on any channel (also inside a chord), with
//              the default length or the one after ':'
// Every track must end on the same bar line, so a tune loops without a gap.
#pragma once
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace assetgen {

struct Smf {
  std::vector<uint8_t> Bytes;
  double Seconds = 0;  // length of one pass through the tune
  int Bars = 0;        // 4/4 bars
};

// Throws std::runtime_error naming the tune and the place of any mistake.
Smf CompileMml(std::string_view name, std::string_view text);

}  // namespace assetgen
