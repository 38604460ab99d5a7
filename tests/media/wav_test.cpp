#include "media/wav.h"

#include <gtest/gtest.h>

#include "media/hand_made.h"
#include "scratch_dir.h"

namespace {

Bytes Chunk(std::string_view id, const Bytes& body, uint32_t claimed = 0xFFFFFFFF) {
  Bytes b;
  Add(b, id);
  Add(b, claimed == 0xFFFFFFFF ? static_cast<uint32_t>(body.size()) : claimed, 4);
  b.insert(b.end(), body.begin(), body.end());
  if (body.size() % 2) b.push_back(0);  // word alignment
  return b;
}

Bytes Fmt(uint32_t tag, uint32_t channels, uint32_t rate, uint32_t bits) {
  Bytes b;
  Add(b, tag, 2), Add(b, channels, 2), Add(b, rate, 4);
  Add(b, rate * channels * bits / 8, 4), Add(b, channels * bits / 8, 2), Add(b, bits, 2);
  return b;
}

Bytes Riff(const std::vector<Bytes>& chunks, std::string_view kind = "WAVE") {
  Bytes b;
  Add(b, "RIFF");
  Add(b, 0, 4);
  Add(b, kind);
  for (const Bytes& c : chunks) b.insert(b.end(), c.begin(), c.end());
  for (int i = 0; i < 4; ++i) b[4 + i] = static_cast<uint8_t>((b.size() - 8) >> (8 * i));
  return b;
}

const Bytes kPcm = {1, 2, 3, 4, 5, 6, 7, 8};

TEST(Wav, ReadsPcmPastOtherChunksInWholeFrames) {
  // Extensible format with the PCM sub-format.
  Bytes ext = Fmt(0xFFFE, 1, 11025, 8);
  Add(ext, 22, 2), Add(ext, 8, 2), Add(ext, 4, 4);
  ext.insert(ext.end(), {1, 0, 0, 0, 0, 0, 0x10, 0, 0x80, 0, 0, 0xAA, 0, 0x38, 0x9B, 0x71});
  // A data size past the end: the bytes that are there, in whole 4-byte frames.
  Bytes clamped = Riff({Chunk("fmt ", Fmt(1, 2, 44100, 16))});
  Add(clamped, "data"), Add(clamped, 0x7FFFFFF0);
  clamped.insert(clamped.end(), {1, 2, 3, 4, 5, 6, 7});
  const struct {
    Bytes File;
    int Channels, Rate, Bits;
    Bytes Pcm;
  } cases[] = {
      // An odd-sized chunk before fmt and data: its pad byte must be skipped.
      {Riff({Chunk("LIST", {1, 2, 3}), Chunk("fmt ", Fmt(1, 2, 22050, 16)), Chunk("data", kPcm)}), 2, 22050, 16, kPcm},
      {Riff({Chunk("fmt ", ext), Chunk("data", {9, 8, 7})}), 1, 11025, 8, {9, 8, 7}},
      {clamped, 2, 44100, 16, {1, 2, 3, 4}},
  };
  for (const auto& c : cases) {
    omb::WaveFile wave;
    std::string error;
    ASSERT_TRUE(omb::DecodeWav(c.File, "a.wav", wave, error)) << error;
    EXPECT_EQ(wave.Format.Channels, c.Channels);
    EXPECT_EQ(wave.Format.SampleRate, c.Rate);
    EXPECT_EQ(wave.Format.BitsPerSample, c.Bits);
    EXPECT_EQ(wave.Pcm, c.Pcm);
  }
}

TEST(Wav, EachFaultHasItsMessageAfterTheName) {
  const Bytes fmt = Chunk("fmt ", Fmt(1, 1, 22050, 16));
  const Bytes data = Chunk("data", kPcm);
  Bytes fmtOverEnd = Riff({data});
  Add(fmtOverEnd, "fmt "), Add(fmtOverEnd, 16, 4), Add(fmtOverEnd, 1, 2);
  const struct {
    Bytes File;
    const char* Suffix;
  } cases[] = {
      {{}, "は、WAVEファイルではありません"},
      {Riff({fmt, data}, "AVI "), "は、WAVEファイルではありません"},
      {Bytes(8, 0), "は、WAVEファイルではありません"},
      {Riff({data}), "には、fmtチャンクが有りません"},
      {Riff({Chunk("fmt ", Bytes(14, 0)), data}), "のfmtチャンクが不正です"},
      {Riff({Chunk("fmt ", Fmt(3, 1, 22050, 32)), data}), "のfmtチャンクが不正です"},  // float
      {Riff({Chunk("fmt ", Fmt(1, 3, 22050, 16)), data}), "のfmtチャンクが不正です"},
      {Riff({Chunk("fmt ", Fmt(1, 1, 22050, 24)), data}), "のfmtチャンクが不正です"},
      {Riff({Chunk("fmt ", Fmt(1, 1, 1000, 16)), data}), "のfmtチャンクが不正です"},
      {Riff({Chunk("fmt ", Fmt(1, 1, 400000, 16)), data}), "のfmtチャンクが不正です"},
      {Riff({Chunk("fmt ", Fmt(0xFFFE, 1, 22050, 16)), data}), "のfmtチャンクが不正です"},
      {fmtOverEnd, "のfmtチャンクが不正です"},
      {Riff({fmt}), "には、dataチャンクが有りません"},
      {Riff({fmt, Chunk("junk", {1, 2}, 0xFFFFFF00), data}), "には、dataチャンクが有りません"},
  };
  for (const auto& c : cases) {
    omb::WaveFile wave;
    std::string error;
    EXPECT_FALSE(omb::DecodeWav(c.File, "wave/hit01.wav", wave, error));
    EXPECT_EQ(error, std::string("wave/hit01.wav") + c.Suffix) << &c - cases;
    EXPECT_TRUE(wave.Pcm.empty());
  }
  // Cut anywhere, a good file never reads out of bounds.
  const Bytes good = Riff({fmt, data});
  for (size_t n = 0; n < good.size(); ++n) {
    omb::WaveFile wave;
    std::string error;
    if (omb::DecodeWav({good.data(), n}, "w", wave, error)) {
      EXPECT_LE(wave.Pcm.size(), kPcm.size());
    }
  }
}

TEST(Wav, LoadsFilesAndReportsAMissingOne) {
  omb::ScratchDirectory dir;
  WriteBytes("hit01.wav", Riff({Chunk("fmt ", Fmt(1, 1, 8000, 8)), Chunk("data", kPcm)}));
  omb::WaveFile wave;
  std::string error;
  ASSERT_TRUE(omb::LoadWav("hit01.wav", wave, error)) << error;
  EXPECT_EQ(wave.Pcm, kPcm);
  EXPECT_FALSE(omb::LoadWav("none.wav", wave, error));
  EXPECT_EQ(error, "none.wavが、見つかりません");
  EXPECT_FALSE(omb::LoadWav(dir.Path().string(), wave, error));  // a directory is no file
}

}  // namespace
