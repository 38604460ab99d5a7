#include "mml.h"

#include <algorithm>
#include <cctype>
#include <map>
#include <stdexcept>

namespace assetgen {
namespace {

constexpr int Division = 480;  // ticks per quarter note
constexpr int Bar = 4 * Division;

struct Event {
  int Tick;
  int Order;  // at one tick: controllers, then note-offs, then note-ons
  std::vector<uint8_t> Data;
};

struct Track {
  std::string Name;
  int Channel = 0;  // 0-based
  int Tick = 0;
  std::vector<Event> Events;
  // state
  int Octave = 4, Length = Division, Velocity = 96, Gate = 7, Transpose = 0;
  int LastNote = -1, LastEnd = -1;  // for ties
};

class Parser {
 public:
  Parser(std::string_view tune, Track& track, std::string text)
      : tune_(tune), t_(track), s_(std::move(text)) {}

  void Run() {
    Body(0);
    if (p_ < s_.size()) Fail("unexpected ']'");
  }

 private:
  [[noreturn]] void Fail(const std::string& why) {
    size_t from = p_ > 20 ? p_ - 20 : 0;
    throw std::runtime_error(std::string(tune_) + ", track " + t_.Name + ": " + why + " near \"" +
                             s_.substr(from, p_ - from) + "<here>" + s_.substr(p_, 20) + "\"");
  }

  void Skip() {
    while (p_ < s_.size() && (std::isspace(uint8_t(s_[p_])) || s_[p_] == '|')) ++p_;
  }
  bool Digit() { return p_ < s_.size() && std::isdigit(uint8_t(s_[p_])); }
  int Number() {
    Skip();
    bool neg = false;
    if (p_ < s_.size() && (s_[p_] == '-' || s_[p_] == '+')) neg = s_[p_++] == '-';
    if (!Digit()) Fail("a number is missing");
    int v = 0;
    while (Digit()) v = v * 10 + (s_[p_++] - '0');
    return neg ? -v : v;
  }

  // A length after a note or rest: "4", "8.", "4^16", or none (the default).
  int Length() {
    int total = 0;
    bool first = true;
    for (;;) {
      int len;
      if (Digit()) {
        int n = 0;
        while (Digit()) n = n * 10 + (s_[p_++] - '0');
        if (n <= 0 || (4 * Division) % n != 0) Fail("length " + std::to_string(n) + " does not fit");
        len = 4 * Division / n;
      } else if (first) {
        len = t_.Length;
      } else {
        Fail("'^' needs a length");
      }
      int dot = len / 2;
      while (p_ < s_.size() && s_[p_] == '.') {
        len += dot;
        dot /= 2;
        ++p_;
      }
      total += len;
      first = false;
      if (p_ < s_.size() && s_[p_] == '^') {
        ++p_;
        continue;
      }
      return total;
    }
  }

  int Pitch(char c) {
    static const int semis[7] = {9, 11, 0, 2, 4, 5, 7};  // a b c d e f g
    int n = semis[c - 'a'];
    while (p_ < s_.size() && (s_[p_] == '+' || s_[p_] == '#' || s_[p_] == '-'))
      n += s_[p_++] == '-' ? -1 : 1;
    int key = 12 * (t_.Octave + 1) + n + t_.Transpose;
    if (key < 0 || key > 127) Fail("note out of range");
    return key;
  }

  void Emit(int tick, int order, std::vector<uint8_t> data) {
    t_.Events.push_back({tick, order, std::move(data)});
  }

  void Note(const std::vector<int>& keys, int len, bool tie) {
    int sounding = t_.Channel == 9 ? std::min(len, Division / 4) : len * t_.Gate / 8;
    if (sounding < 1) sounding = 1;
    for (int key : keys) {
      uint8_t ch = uint8_t(t_.Channel);
      if (tie && t_.LastNote == key && t_.LastEnd >= 0) {
        // extend the note that is still sounding: move its note-off
        for (auto it = t_.Events.rbegin(); it != t_.Events.rend(); ++it)
          if (it->Order == 1 && it->Data[1] == key && (it->Data[0] & 0x0f) == ch) {
            it->Tick = t_.Tick + sounding;
            break;
          }
        continue;
      }
      Emit(t_.Tick, 2, {uint8_t(0x90 | ch), uint8_t(key), uint8_t(t_.Velocity)});
      Emit(t_.Tick + sounding, 1, {uint8_t(0x80 | ch), uint8_t(key), 0});
    }
    if (keys.size() == 1) t_.LastNote = keys[0];
    t_.LastEnd = t_.Tick + sounding;
    t_.Tick += len;
  }

  int Drum(char c) {
    switch (c) {
      case 'K': return 36;
      case 'S': return 38;
      case 'X': return 39;
      case 'H': return 42;
      case 'O': return 46;
      case 'F': return 44;
      case 'C': return 49;
      case 'R': return 51;
      case 'B': return 53;
      case 'T': return 50;
      case 'M': return 47;
      case 'L': return 45;
      case 'N': return 54;
      case 'Q': return 37;
    }
    Fail(std::string("unknown drum '") + c + "'");
  }

  void Body(int depth) {
    bool tieNext = false;
    for (;;) {
      Skip();
      if (p_ >= s_.size()) return;
      char c = s_[p_];
      if (c == ']') {
        if (depth == 0) Fail("']' without '['");
        return;
      }
      ++p_;
      if (c >= 'a' && c <= 'g') {
        int key = Pitch(c);
        Note({key}, Length(), tieNext);
        tieNext = false;
      } else if (c == 'r') {
        t_.Tick += Length();
        t_.LastNote = -1;
      } else if (c == '&') {
        tieNext = true;
      } else if (c == '{') {
        std::vector<int> keys;
        int octave = t_.Octave;
        for (;;) {
          Skip();
          if (p_ >= s_.size()) Fail("'{' without '}'");
          char d = s_[p_++];
          if (d == '}') break;
          if (d == '<') --t_.Octave;
          else if (d == '>') ++t_.Octave;
          else if (d >= 'a' && d <= 'g') keys.push_back(Pitch(d));
          else if (d == 'n') keys.push_back(std::clamp(Number(), 0, 127));
          else if (d >= 'A' && d <= 'Z') keys.push_back(Drum(d));
          else Fail(std::string("'") + d + "' in a chord");
        }
        t_.Octave = octave;
        if (keys.empty()) Fail("an empty chord");
        Note(keys, Length(), false);
      } else if (c >= 'A' && c <= 'Z' && c != 'V' && c != 'P' && c != 'Y') {
        int key = Drum(c);
        Note({key}, Length(), false);
      } else if (c == 'n') {
        int key = Number();
        if (key < 0 || key > 127) Fail("note number out of range");
        int len = t_.Length;
        if (p_ < s_.size() && s_[p_] == ':') {
          ++p_;
          len = Length();
        }
        Note({key}, len, false);
      } else if (c == '[') {
        size_t start = p_;
        Body(depth + 1);
        if (p_ >= s_.size() || s_[p_] != ']') Fail("'[' without ']'");
        size_t end = p_;
        ++p_;
        int times = Digit() ? Number() : 2;
        size_t after = p_;
        for (int k = 1; k < times; ++k) {
          p_ = start;
          Body(depth + 1);
        }
        (void)end;
        p_ = after;
      } else if (c == 'o') {
        t_.Octave = Number();
      } else if (c == '<') {
        --t_.Octave;
      } else if (c == '>') {
        ++t_.Octave;
      } else if (c == 'l') {
        t_.Length = Length();
      } else if (c == 'v') {
        t_.Velocity = std::clamp(Number(), 1, 127);
      } else if (c == 'q') {
        t_.Gate = std::clamp(Number(), 1, 8);
      } else if (c == 'k') {
        t_.Transpose = Number();
      } else if (c == '@') {
        Emit(t_.Tick, 0, {uint8_t(0xc0 | t_.Channel), uint8_t(std::clamp(Number(), 0, 127))});
      } else if (c == 'V' || c == 'P') {
        Emit(t_.Tick, 0, {uint8_t(0xb0 | t_.Channel), uint8_t(c == 'V' ? 7 : 10),
                          uint8_t(std::clamp(Number(), 0, 127))});
      } else if (c == 'Y') {
        int ctl = Number();
        Skip();
        if (p_ < s_.size() && s_[p_] == ',') ++p_;
        int val = Number();
        Emit(t_.Tick, 0, {uint8_t(0xb0 | t_.Channel), uint8_t(std::clamp(ctl, 0, 127)),
                          uint8_t(std::clamp(val, 0, 127))});
      } else {
        --p_;
        Fail(std::string("unknown command '") + c + "'");
      }
    }
  }

  std::string_view tune_;
  Track& t_;
  std::string s_;
  size_t p_ = 0;
};

void PutVarLen(std::vector<uint8_t>& out, uint32_t v) {
  uint8_t buf[5];
  int n = 0;
  buf[n++] = v & 0x7f;
  while (v >>= 7) buf[n++] = uint8_t(0x80 | (v & 0x7f));
  while (n) out.push_back(buf[--n]);
}
void Put32(std::vector<uint8_t>& out, uint32_t v) {
  for (int s = 24; s >= 0; s -= 8) out.push_back(uint8_t(v >> s));
}

std::vector<uint8_t> Chunk(const std::vector<Event>& events, int endTick) {
  std::vector<uint8_t> body;
  int now = 0;
  for (const Event& e : events) {
    PutVarLen(body, uint32_t(e.Tick - now));
    now = e.Tick;
    body.insert(body.end(), e.Data.begin(), e.Data.end());
  }
  PutVarLen(body, uint32_t(endTick - now));
  body.insert(body.end(), {0xff, 0x2f, 0x00});
  std::vector<uint8_t> out = {'M', 'T', 'r', 'k'};
  Put32(out, uint32_t(body.size()));
  out.insert(out.end(), body.begin(), body.end());
  return out;
}

std::vector<uint8_t> Meta(uint8_t type, const std::string& text) {
  std::vector<uint8_t> d = {0xff, type};
  PutVarLen(d, uint32_t(text.size()));
  d.insert(d.end(), text.begin(), text.end());
  return d;
}

std::string Trim(std::string_view s) {
  size_t a = 0, b = s.size();
  while (a < b && std::isspace(uint8_t(s[a]))) ++a;
  while (b > a && std::isspace(uint8_t(s[b - 1]))) --b;
  return std::string(s.substr(a, b - a));
}

}  // namespace

Smf CompileMml(std::string_view name, std::string_view text) {
  auto fail = [&](const std::string& why) {
    throw std::runtime_error(std::string(name) + ": " + why);
  };
  double tempo = 120;
  std::map<std::string, std::string> macros;
  std::vector<std::string> order;
  std::map<std::string, std::pair<int, std::string>> bodies;  // channel, text

  size_t pos = 0;
  while (pos <= text.size()) {
    size_t nl = text.find('\n', pos);
    if (nl == std::string_view::npos) nl = text.size();
    std::string line(text.substr(pos, nl - pos));
    pos = nl + 1;
    if (size_t c = line.find(';'); c != std::string::npos) line.resize(c);
    line = Trim(line);
    if (line.empty()) continue;
    // A macro name runs over letters, digits and '_'; its text is expanded
    // where it is used, so a macro may use the macros defined before it.
    auto expand = [&](std::string body) {
      for (size_t d; (d = body.find('$')) != std::string::npos;) {
        size_t e = d + 1;
        while (e < body.size() && (std::isalnum(uint8_t(body[e])) || body[e] == '_')) ++e;
        auto it = macros.find(body.substr(d + 1, e - d - 1));
        if (it == macros.end()) fail("unknown macro $" + body.substr(d + 1, e - d - 1));
        body = body.substr(0, d) + " " + it->second + " " + body.substr(e);
      }
      return body;
    };
    if (line[0] == '$') {
      size_t eq = line.find('=');
      if (eq == std::string::npos) fail("a macro needs '=': " + line);
      macros[Trim(line.substr(1, eq - 1))] = expand(Trim(line.substr(eq + 1)));
      continue;
    }
    line = expand(line);
    if (line.rfind("tempo", 0) == 0) {
      tempo = std::stod(line.substr(5));
      continue;
    }
    size_t colon = line.find(':');
    if (colon == std::string::npos) fail("not a statement: " + line);
    std::string head = Trim(line.substr(0, colon));
    int channel = -1;
    if (size_t p = head.find('('); p != std::string::npos) {
      channel = std::stoi(head.substr(p + 1)) - 1;
      head = Trim(head.substr(0, p));
      if (channel < 0 || channel > 15) fail("channel out of range in " + head);
    }
    auto it = bodies.find(head);
    if (it == bodies.end()) {
      if (channel < 0) fail("track " + head + " needs a channel the first time");
      order.push_back(head);
      bodies[head] = {channel, ""};
      it = bodies.find(head);
    } else if (channel >= 0 && channel != it->second.first) {
      fail("track " + head + " changes channel");
    }
    it->second.second += " " + line.substr(colon + 1);
  }
  if (order.empty()) fail("no tracks");

  std::vector<Track> tracks;
  for (const std::string& n : order) {
    Track t;
    t.Name = n;
    t.Channel = bodies[n].first;
    Parser(name, t, bodies[n].second).Run();
    tracks.push_back(std::move(t));
  }
  const int end = tracks.front().Tick;
  for (const Track& t : tracks)
    if (t.Tick != end)
      fail("track " + t.Name + " lasts " + std::to_string(t.Tick) + " ticks, track " +
           tracks.front().Name + " " + std::to_string(end));
  if (end % Bar != 0) fail("the tune does not end on a bar line");

  Smf smf;
  smf.Bars = end / Bar;
  smf.Seconds = end / double(Division) * 60.0 / tempo;

  std::vector<uint8_t>& out = smf.Bytes;
  out = {'M', 'T', 'h', 'd', 0, 0, 0, 6, 0, 1};
  out.push_back(uint8_t((tracks.size() + 1) >> 8));
  out.push_back(uint8_t(tracks.size() + 1));
  out.push_back(Division >> 8);
  out.push_back(Division & 255);
  // conductor: name, 4/4, tempo
  std::vector<Event> conductor;
  conductor.push_back({0, 0, Meta(0x03, std::string(name))});
  conductor.push_back({0, 0, {0xff, 0x58, 0x04, 4, 2, 24, 8}});
  uint32_t usPerQuarter = uint32_t(60000000.0 / tempo + 0.5);
  conductor.push_back({0, 0, {0xff, 0x51, 0x03, uint8_t(usPerQuarter >> 16),
                              uint8_t(usPerQuarter >> 8), uint8_t(usPerQuarter)}});
  std::vector<uint8_t> c = Chunk(conductor, end);
  out.insert(out.end(), c.begin(), c.end());
  for (Track& t : tracks) {
    for (Event& e : t.Events)
      if (e.Tick > end) e.Tick = end;  // a note ringing past the loop point ends on it
    std::stable_sort(t.Events.begin(), t.Events.end(), [](const Event& a, const Event& b) {
      return a.Tick != b.Tick ? a.Tick < b.Tick : a.Order < b.Order;
    });
    t.Events.insert(t.Events.begin(), {0, 0, Meta(0x03, t.Name)});
    std::vector<uint8_t> chunk = Chunk(t.Events, end);
    out.insert(out.end(), chunk.begin(), chunk.end());
  }
  return smf;
}

}  // namespace assetgen
