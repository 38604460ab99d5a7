#include "platform/headless/headless_platform.h"

#include <algorithm>
#include <charconv>

namespace omb {
namespace {

std::string_view Trim(std::string_view s) {
  while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
  while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r')) s.remove_suffix(1);
  return s;
}

bool ParseNumber(std::string_view s, int64_t& value) {
  auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), value);
  return ec == std::errc() && end == s.data() + s.size();
}

// Each input-word bit pressed by the key that the default key tables give it.
constexpr Key WordKeys[10] = {KeyLeft, KeyUp, KeyRight, KeyDown, KeyZ, KeyX, KeyC, KeyA, KeyS, KeyD};

}  // namespace

bool InputScript::Parse(std::string_view text, std::string& error) {
  Words.clear();
  Keys.clear();
  int lineNumber = 0;
  while (!text.empty()) {
    const std::size_t eol = text.find('\n');
    std::string_view line = text.substr(0, eol);
    text = eol == std::string_view::npos ? std::string_view() : text.substr(eol + 1);
    ++lineNumber;
    if (const std::size_t hash = line.find('#'); hash != std::string_view::npos) line = line.substr(0, hash);
    line = Trim(line);
    if (line.empty()) continue;
    const std::size_t space = line.find_first_of(" \t");
    const std::string_view first = line.substr(0, space);
    const std::string_view rest = space == std::string_view::npos ? std::string_view() : Trim(line.substr(space));
    auto fail = [&](const char* what) {
      error = "input script line " + std::to_string(lineNumber) + ": " + what;
      return false;
    };
    if (first == "key") {
      Key key;
      if (rest == "Escape") key = KeyEscape;
      else if (rest == "F1") key = KeyF1;
      else if (rest == "F2") key = KeyF2;
      else if (rest == "F5") key = KeyF5;
      else return fail("the key must be Escape, F1, F2 or F5");
      Keys.push_back({static_cast<int64_t>(Words.size()), key});
      continue;
    }
    int64_t count = 0, word = 0;
    if (!ParseNumber(first, count) || !ParseNumber(rest, word)) return fail("expected COUNT WORD");
    if (count < 0 || count > 10'000'000) return fail("COUNT must lie in 0..10000000");
    if (word < 0 || word >= 1024) return fail("WORD must lie in 0..1023");
    Words.insert(Words.end(), static_cast<std::size_t>(count), static_cast<uint32_t>(word));
  }
  return true;
}

void HeadlessPlatform::Present(const uint32_t* pixels) {
  std::copy(pixels, pixels + LastFrame.size(), LastFrame.begin());
  ++Presents;
}

void HeadlessPlatform::ReadKeyboard(std::span<bool, KeyCount> keys) {
  const uint32_t word = Polls < static_cast<int64_t>(script_.Words.size()) ? script_.Words[Polls] : 0;
  ++Polls;
  for (int bit = 0; bit < 10; ++bit) keys[WordKeys[bit]] = (word >> bit) & 1u;
}

void HeadlessPlatform::GetLocalTime(std::array<uint16_t, 7>& date) {
  // 2026-01-01 00:00:00.000 plus the clock, within one day.
  const uint32_t ms = Clock % 86400000u;
  date = {2026, 1, 1, static_cast<uint16_t>(ms / 3600000), static_cast<uint16_t>(ms / 60000 % 60),
          static_cast<uint16_t>(ms / 1000 % 60), static_cast<uint16_t>(ms % 1000)};
}

void HeadlessPlatform::PumpEvents(PlatformEvents& sink) {
  while (nextKey_ < script_.Keys.size() && script_.Keys[nextKey_].Poll <= Polls) {
    sink.KeyDown(script_.Keys[nextKey_++].Pressed);
  }
  ++Frame;
}

void HeadlessPlatform::SetChannelWave(int channel, const WaveFormat&, std::span<const uint8_t>) {
  if (channel >= 0 && channel < 50) ChannelLoaded[channel] = true;
}

void HeadlessPlatform::ClearChannel(int channel) {
  if (channel >= 0 && channel < 50) ChannelLoaded[channel] = false;
}

void HeadlessPlatform::PlayChannel(int channel) { Sounds.push_back({Frame, channel}); }

void HeadlessPlatform::LogMusic(std::string_view command, std::string_view path) {
  MusicEntry& e = MusicLog.emplace_back();
  for (std::string_view part : {command, path}) {
    const std::size_t n = std::min(part.size(), e.Text.size() - e.Length);
    std::copy_n(part.data(), n, e.Text.data() + e.Length);
    e.Length += n;
  }
}

void HeadlessPlatform::MusicOpen(std::string_view path) {
  MusicFile.assign(path);
  TunePlaying = false;
  LogMusic("open ", path);
}

void HeadlessPlatform::MusicPlay() {
  TunePlaying = !MusicFile.empty();
  LogMusic("play");
}

void HeadlessPlatform::MusicStop() {
  TunePlaying = false;
  LogMusic("stop");
}

void HeadlessPlatform::MusicClose() {
  TunePlaying = false;
  MusicFile.clear();
  LogMusic("close");
}

}  // namespace omb
