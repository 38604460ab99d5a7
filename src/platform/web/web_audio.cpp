#include "platform/web/web_audio.h"

#include <emscripten.h>

#include <cstdio>
#include <string>
#include <vector>

#include "media/debuglog.h"
#include "media/game_paths.h"
#include "media/sound.h"

namespace omb::web_audio {
namespace {

EM_JS(void, JsOpen, (int channels), { OmbrezzaAudio.open(channels); });
EM_JS(void, JsSetWave, (int channel, int channels, int rate, int bits, const uint8_t* pcm, int size), {
  OmbrezzaAudio.setWave(channel, channels, rate, bits, HEAPU8.subarray(pcm, pcm + size));
});
EM_JS(void, JsClear, (int channel), { OmbrezzaAudio.clear(channel); });
EM_JS(void, JsPlay, (int channel), { OmbrezzaAudio.play(channel); });
EM_JS(void, JsStop, (int channel), { OmbrezzaAudio.stop(channel); });
EM_JS(void, JsPause, (int on), { OmbrezzaAudio.pause(!!on); });
EM_JS(void, JsPreload, (const char* path, const uint8_t* data, int size), {
  OmbrezzaAudio.preload(UTF8ToString(path), HEAPU8.subarray(data, data + size));
});
// 0 when the tune is neither preloaded nor given.
EM_JS(int, JsMusicOpen, (const char* path, int pathLength, const uint8_t* data, int size), {
  return OmbrezzaAudio.musicOpen(UTF8ToString(path, pathLength), data ? HEAPU8.subarray(data, data + size) : null);
});
EM_JS(void, JsMusicPlay, (), { OmbrezzaAudio.musicPlay(); });
EM_JS(int, JsMusicPlaying, (), { return OmbrezzaAudio.musicPlaying() ? 1 : 0; });
EM_JS(void, JsMusicSeekStart, (), { OmbrezzaAudio.musicSeekStart(); });
EM_JS(void, JsMusicStop, (), { OmbrezzaAudio.musicStop(); });
EM_JS(void, JsMusicClose, (), { OmbrezzaAudio.musicClose(); });

bool Usable(int channel) { return channel >= 0 && channel < SoundDevice::ChannelCount; }

// The tune's file from the game's assets; empty, and said once, when it
// cannot be read.
std::vector<uint8_t> ReadTune(const std::string& name) {
  std::vector<uint8_t> bytes;
  FILE* f = std::fopen(GameFilePath(name.c_str()).c_str(), "rb");
  if (f != nullptr) {
    uint8_t buffer[4096];
    std::size_t n;
    while ((n = std::fread(buffer, 1, sizeof buffer, f)) > 0) bytes.insert(bytes.end(), buffer, buffer + n);
    std::fclose(f);
  }
  if (bytes.empty()) ReportFailure(DebugLog::Sound, "cannot play " + name + ": the file cannot be read");
  return bytes;
}

}  // namespace

void Open() { JsOpen(SoundDevice::ChannelCount); }

void SetChannelWave(int channel, const WaveFormat& format, std::span<const uint8_t> pcm) {
  if (!Usable(channel)) return;
  const bool playable = format.Channels >= 1 && format.Channels <= 8 && format.SampleRate > 0 &&
                        (format.BitsPerSample == 8 || format.BitsPerSample == 16 || format.BitsPerSample == 32);
  if (!playable) {
    JsClear(channel);
    return;
  }
  JsSetWave(channel, format.Channels, format.SampleRate, format.BitsPerSample, pcm.data(),
            static_cast<int>(pcm.size()));
}

void ClearChannel(int channel) {
  if (Usable(channel)) JsClear(channel);
}

void PlayChannel(int channel) {
  if (Usable(channel)) JsPlay(channel);
}

void StopChannel(int channel) {
  if (Usable(channel)) JsStop(channel);
}

void MusicPreload(std::string_view path) {
  const std::string name(path);
  const std::vector<uint8_t> bytes = ReadTune(name);
  if (!bytes.empty()) JsPreload(name.c_str(), bytes.data(), static_cast<int>(bytes.size()));
}

// A tune the game preloaded is opened by its name alone, without a file read
// or an allocation in play; any other is read from its file.
void MusicOpen(std::string_view path) {
  if (JsMusicOpen(path.data(), static_cast<int>(path.size()), nullptr, 0) != 0) return;
  const std::string name(path);
  const std::vector<uint8_t> bytes = ReadTune(name);
  if (!bytes.empty()) JsMusicOpen(name.data(), static_cast<int>(name.size()), bytes.data(), static_cast<int>(bytes.size()));
}

void MusicPlay() { JsMusicPlay(); }
bool MusicPlaying() { return JsMusicPlaying() != 0; }
void MusicSeekStart() { JsMusicSeekStart(); }
void MusicStop() { JsMusicStop(); }
void MusicClose() { JsMusicClose(); }
void Pause(bool on) { JsPause(on ? 1 : 0); }

}  // namespace omb::web_audio
