#include "media/sound.h"

#include <cstdio>
#include <string>

#include "media/debuglog.h"
#include "media/platform.h"

namespace omb {

bool SoundWave::Create(std::string_view path) {
  std::string error;
  Loaded = LoadWav(path, Data, error);
  if (!Loaded) ReportFailure(DebugLog::Sound, error);
  return Loaded;
}

bool SoundDevice::CheckChannel(int channel) const {
  if (channel >= 0 && channel < ChannelCount) return true;
  char text[160];
  std::snprintf(text, sizeof text, "チャンネル番号%dは無効です、%d～%dの範囲で指定してください", channel, 0,
                ChannelCount - 1);
  ReportFailure(DebugLog::Sound, text);
  return false;
}

void SoundDevice::SetWaveData(int channel, const SoundWave& wave) {
  if (!CheckChannel(channel) || ThePlatform == nullptr) return;
  if (wave.Loaded) {
    ThePlatform->SetChannelWave(channel, wave.Data.Format, wave.Data.Pcm);
  } else {
    ThePlatform->ClearChannel(channel);
  }
}

void SoundDevice::Stop(int channel) {
  if (CheckChannel(channel) && ThePlatform != nullptr) ThePlatform->StopChannel(channel);
}

void SoundDevice::Play(int channel) {
  if (CheckChannel(channel) && ThePlatform != nullptr) ThePlatform->PlayChannel(channel);
}

void SoundDevice::FreeAll() {
  if (ThePlatform == nullptr) return;
  for (int channel = 0; channel < ChannelCount; ++channel) ThePlatform->ClearChannel(channel);
}

}  // namespace omb
