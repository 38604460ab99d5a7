#include "platform/sdl/sdl_audio.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <cstdlib>

#include "media/debuglog.h"
#include "media/game_paths.h"
#include "platform/sdl/sdl_choices.h"

namespace omb {
namespace {

constexpr const char* SoundFontDir = "/usr/share/sounds/sf2";

bool WaveSdlFormat(const WaveFormat& f, SDL_AudioFormat& out) {
  if (f.Channels < 1 || f.Channels > 8 || f.SampleRate <= 0) return false;
  switch (f.BitsPerSample) {
    case 8: out = AUDIO_U8; return true;  // 8-bit WAVE samples are unsigned
    case 16: out = AUDIO_S16LSB; return true;
    case 32: out = AUDIO_S32LSB; return true;
    default: return false;
  }
}

}  // namespace

void SdlAudio::Open() {
  if (open_) return;
  if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
    ReportFailure(DebugLog::Sound, std::string("no sound: ") + SDL_GetError());
    return;
  }
  // FluidSynth checks the soundfont when the mixer opens its MIDI player, so
  // it has to be named before the device is opened.
  soundFont_ = FindSoundFont(std::getenv("SDL_SOUNDFONTS"), SoundFontDir);
  if (!soundFont_.empty()) Mix_SetSoundFonts(soundFont_.c_str());
  Mix_Init(MIX_INIT_MID);
  mixerStarted_ = true;
  if (Mix_OpenAudio(44100, AUDIO_S16SYS, 2, 1024) != 0) {
    ReportFailure(DebugLog::Sound, std::string("no sound: ") + Mix_GetError());
    Close();
    return;
  }
  Mix_QuerySpec(&mixFrequency_, &mixFormat_, &mixChannels_);
  Mix_AllocateChannels(ChannelCount);
  open_ = true;
  if (soundFont_.empty()) {
    ReportFailure(DebugLog::Sound, std::string("no music: no soundfont in ") + SoundFontDir +
                                       " and SDL_SOUNDFONTS is not set");
  } else {
    DebugReport(DebugLog::Sound, "soundfont " + soundFont_);
  }
}

void SdlAudio::Close() {
  if (open_) {
    MusicClose();
    for (int i = 0; i < tuneCount_; i++) {
      Mix_FreeMusic(tunes_[i].Music);
      tunes_[i] = Tune{};
    }
    tuneCount_ = 0;
    for (int i = 0; i < ChannelCount; i++) ClearChannel(i);
    Mix_CloseAudio();
    open_ = false;
  }
  if (mixerStarted_) {
    Mix_Quit();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    mixerStarted_ = false;
  }
}

void SdlAudio::SetChannelWave(int channel, const WaveFormat& format, std::span<const uint8_t> pcm) {
  if (!Usable(channel)) return;
  ClearChannel(channel);
  SDL_AudioFormat from;
  if (!WaveSdlFormat(format, from)) {
    if (!reportedFormat_) {
      ReportFailure(DebugLog::Sound, "wave of " + std::to_string(format.Channels) + " channels, " +
                                         std::to_string(format.BitsPerSample) + " bits, " +
                                         std::to_string(format.SampleRate) +
                                         " Hz cannot be played");
      reportedFormat_ = true;
    }
    return;
  }
  const int frameBytes = format.Channels * format.BitsPerSample / 8;
  const size_t length = pcm.size() / frameBytes * frameBytes;  // whole frames only
  if (length == 0) return;

  SDL_AudioStream* stream = SDL_NewAudioStream(from, static_cast<Uint8>(format.Channels),
                                               format.SampleRate, mixFormat_,
                                               static_cast<Uint8>(mixChannels_), mixFrequency_);
  if (stream == nullptr) return;
  Channel& ch = channels_[channel];
  if (SDL_AudioStreamPut(stream, pcm.data(), static_cast<int>(length)) == 0 &&
      SDL_AudioStreamFlush(stream) == 0) {
    ch.Samples.resize(SDL_AudioStreamAvailable(stream));
    const int got = SDL_AudioStreamGet(stream, ch.Samples.data(), static_cast<int>(ch.Samples.size()));
    ch.Samples.resize(got > 0 ? got : 0);
  }
  SDL_FreeAudioStream(stream);
  if (ch.Samples.empty()) return;
  ch.Chunk = Mix_QuickLoad_RAW(ch.Samples.data(), static_cast<Uint32>(ch.Samples.size()));
  if (ch.Chunk == nullptr) ch.Samples.clear();
}

void SdlAudio::ClearChannel(int channel) {
  if (!Usable(channel)) return;
  Channel& ch = channels_[channel];
  // Freeing the chunk halts the mixer's use of it before the samples go.
  if (ch.Chunk != nullptr) Mix_FreeChunk(ch.Chunk);
  ch.Chunk = nullptr;
  ch.Samples.clear();
  ch.Samples.shrink_to_fit();
}

void SdlAudio::PlayChannel(int channel) {
  if (!Usable(channel) || channels_[channel].Chunk == nullptr) return;
  Mix_HaltChannel(channel);
  Mix_PlayChannel(channel, channels_[channel].Chunk, 0);
}

void SdlAudio::StopChannel(int channel) {
  if (!Usable(channel)) return;
  Mix_HaltChannel(channel);
}

Mix_Music* SdlAudio::FindTune(std::string_view path) const {
  for (int i = 0; i < tuneCount_; i++) {
    if (tunes_[i].Path == path) return tunes_[i].Music;
  }
  return nullptr;
}

// Reads the tune's file. It is kept for good while there is room (`kept`);
// otherwise the caller frees it. A tune that will not load is complained
// about once and not kept, so a file put right later is still found.
Mix_Music* SdlAudio::LoadTune(std::string_view path, bool& kept) {
  kept = false;
  std::string name(path);
  Mix_Music* music = Mix_LoadMUS(GameFilePath(name.c_str()).c_str());
  if (music == nullptr) {
    if (reportedTunes_.insert(name).second) {
      ReportFailure(DebugLog::Sound, "cannot play " + name + ": " + Mix_GetError());
    }
    return nullptr;
  }
  if (tuneCount_ < TuneCacheSize) {
    tunes_[tuneCount_++] = Tune{std::move(name), music};
    kept = true;
  }
  return music;
}

void SdlAudio::MusicPreload(std::string_view path) {
  if (!MusicOn() || FindTune(path) != nullptr) return;
  bool kept;
  Mix_Music* music = LoadTune(path, kept);
  if (music != nullptr && !kept) Mix_FreeMusic(music);  // no room: opened from its file
}

void SdlAudio::MusicOpen(std::string_view path) {
  if (!MusicOn()) return;
  MusicClose();
  music_ = FindTune(path);
  musicKept_ = music_ != nullptr;
  if (music_ == nullptr) music_ = LoadTune(path, musicKept_);
}

void SdlAudio::MusicPlay() {
  if (music_ != nullptr) Mix_PlayMusic(music_, 1);  // once; the game restarts it
}

bool SdlAudio::MusicPlaying() { return music_ != nullptr && Mix_PlayingMusic() != 0; }

void SdlAudio::MusicSeekStart() {
  if (music_ != nullptr && Mix_PlayingMusic()) Mix_RewindMusic();
}

void SdlAudio::MusicStop() {
  if (music_ != nullptr) Mix_HaltMusic();
}

void SdlAudio::MusicClose() {
  if (music_ == nullptr) return;
  Mix_HaltMusic();
  if (!musicKept_) Mix_FreeMusic(music_);  // a kept tune waits for its next open
  music_ = nullptr;
  musicKept_ = false;
}

void SdlAudio::Pause(bool on) {
  if (!open_) return;
  if (on) {
    Mix_HaltChannel(-1);
    Mix_PauseMusic();
  } else {
    // A paused tune still counts as playing, so the game never notices.
    Mix_ResumeMusic();
  }
}

}  // namespace omb
