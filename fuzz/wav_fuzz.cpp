// WAV reader: the chunk walk and the format checks.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "media/wav.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  omb::WaveFile wave;
  std::string error;
  if (omb::DecodeWav({data, size}, "fuzz.wav", wave, error) &&
      wave.Pcm.size() % (wave.Format.Channels * wave.Format.BitsPerSample / 8) != 0)
    std::abort();
  return 0;
}
