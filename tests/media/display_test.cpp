#include "media/display.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "media/debuglog.h"
#include "media/hand_made.h"
#include "media/surface.h"
#include "scratch_dir.h"

namespace omb {
namespace {

// An uncompressed archive of the given files, in the scratch directory.
std::string WriteArchive(const std::string& file, const std::vector<std::pair<std::string, Bytes>>& files) {
  std::vector<Item> items;
  for (const auto& [name, data] : files) items.push_back({name, data, static_cast<uint32_t>(data.size())});
  WriteBytes(file, Archive(0, items));
  return file;
}

// ---- the platform and the failure reports, as the display sees them ----

std::vector<std::string> Failures;
void CollectFailure(std::string_view text) { Failures.emplace_back(text); }

struct FakePlatform : Platform {
  const uint32_t* presented = nullptr;
  int presents = 0;
  std::vector<bool> fullScreenCalls;

  uint32_t GetTickCount() override { return 0; }
  void GetLocalTime(std::array<uint16_t, 7>& date) override { date = {}; }
  void Idle(uint32_t) override {}
  void Present(const uint32_t* pixels) override {
    presented = pixels;
    ++presents;
  }
  void SetCaption(std::string_view) override {}
  void SetFullScreen(bool on) override { fullScreenCalls.push_back(on); }
  bool Paused() override { return false; }
  void RestPaused(uint32_t) override {}
  void ReadKeyboard(std::span<bool, KeyCount>) override {}
  void ReadJoystick(JoystickState&) override {}
  void PumpEvents(PlatformEvents&) override {}
  void SetChannelWave(int, const WaveFormat&, std::span<const uint8_t>) override {}
  void ClearChannel(int) override {}
  void PlayChannel(int) override {}
  void StopChannel(int) override {}
  void MusicPreload(std::string_view) override {}
  void MusicOpen(std::string_view) override {}
  void MusicPlay() override {}
  bool MusicPlaying() override { return false; }
  void MusicSeekStart() override {}
  void MusicStop() override {}
  void MusicClose() override {}
};

// What the shell's ScreenRestore does, on the display under test.
Display* Screen = nullptr;
std::string PaletteArchive;
std::string Events;
void ScreenRestore() {
  Events += "restore ";
  Screen->LoadPaletteFromArchive(PaletteArchive, "cg1.bmp");
  Screen->UpdatePalette();
}
void ScreenChangeDisplayMode() { Events += "mode "; }

class DisplayTest : public ::testing::Test {
 protected:
  void SetUp() override {
    Failures.clear();
    Events.clear();
    SetFailureSinkForTests(CollectFailure);
    ThePlatform = &platform;
    Screen = display.get();
    display->OnRestore = ScreenRestore;
    display->OnChangeDisplayMode = ScreenChangeDisplayMode;
  }
  void TearDown() override {
    ThePlatform = nullptr;
    SetFailureSinkForTests(nullptr);
  }

  ScratchDirectory scratch;
  FakePlatform platform;
  std::unique_ptr<Display> display = std::make_unique<Display>();
  std::unique_ptr<Surface> sheet = std::make_unique<Surface>();  // half a megabyte: off the stack
};

TEST_F(DisplayTest, ClearFillsWithBackColorAndFlipPresentsTheBackBuffer) {
  display->BackColor = 0x123456;
  display->Clear();
  for (int i = 0; i < Display::Width * Display::Height; ++i)
    ASSERT_EQ(display->BackBuffer()[i], 0x123456u);
  display->Flip();
  EXPECT_EQ(platform.presents, 1);
  EXPECT_EQ(platform.presented, display->BackBuffer());
}

TEST_F(DisplayTest, OnlyTheGamesModesSwitchTellingThePlatformAndRaisingRestoreThenChangeDisplayMode) {
  PaletteArchive = WriteArchive("modes.qda", {{"cg1.bmp", Bmp({8}, 1, 1, {0})}});
  display->InitializeFullScreen(800, 600, 16);
  display->InitializeFullScreen(640, 480, 32);
  display->InitializeWindowed(320, 240);
  EXPECT_FALSE(display->FullScreen());
  EXPECT_TRUE(platform.fullScreenCalls.empty());
  EXPECT_EQ(Events, "");
  EXPECT_EQ(Failures, (std::vector<std::string>{"画面モード800x600x16の初期化に失敗しました",
                                                "画面モード640x480x32の初期化に失敗しました",
                                                "画面モード320x240x32の初期化に失敗しました"}));
  display->InitializeFullScreen(640, 480, 8);
  EXPECT_TRUE(display->FullScreen());
  display->InitializeWindowed(640, 480);
  EXPECT_FALSE(display->FullScreen());
  EXPECT_EQ(platform.fullScreenCalls, (std::vector<bool>{true, false}));
  EXPECT_EQ(Events, "restore mode restore mode ");
  EXPECT_EQ(Failures.size(), 3u) << "and no more";
}

TEST_F(DisplayTest, PaletteFailuresAreReportedAndLeaveNoPalette) {
  const std::string archive =
      WriteArchive("nopalette.qda", {{"true.bmp", Bmp({}, 2, 1, {0xFF0000, 0x00FF00})}});
  EXPECT_FALSE(display->UpdatePalette());
  EXPECT_FALSE(display->LoadPaletteFromArchive(archive, "cg1.bmp"));
  EXPECT_FALSE(display->LoadPaletteFromArchive(archive, "true.bmp"));
  EXPECT_FALSE(display->UpdatePalette());
  ASSERT_EQ(Failures.size(), 4u);
  EXPECT_EQ(Failures[0], "パレットが更新できませんでした");
  EXPECT_TRUE(Failures[1].starts_with(archive + "/cg1.bmpの抽出に失敗しました")) << Failures[1];
  EXPECT_TRUE(Failures[2].starts_with("不正なビットマップです")) << Failures[2];
  EXPECT_EQ(Failures[3], "パレットが更新できませんでした");
}

TEST_F(DisplayTest, FullScreenDrawsEverySheetThroughThePaletteAndAWindowRestoresIt) {
  // Index 0 and 1 are equally near 0x000001: the lower index must win.
  const std::vector<uint32_t> palette = {0x000002, 0x000000, 0xFF0000, 0x00FF00, 0xFF00FF};
  PaletteArchive = WriteArchive("palette.qda", {{"cg1.bmp", Bmp({8}, 1, 1, {0}, palette)}});
  sheet->Create(*display);
  sheet->PutPixel(0, 0, 0xFE01FE);
  sheet->PutPixel(1, 0, 0xF00810);
  sheet->PutPixel(2, 0, 0x000001);
  sheet->PutPixel(3, 0, 0xFF00FF);  // another colour, but the key's palette colour
  sheet->SetColorKey(sheet->GetPixel(0, 0));

  display->InitializeFullScreen(640, 480, 8);
  EXPECT_EQ(sheet->GetPixel(0, 0), 0xFF00FFu);
  EXPECT_EQ(sheet->GetPixel(1, 0), 0xFF0000u);
  EXPECT_EQ(sheet->GetPixel(2, 0), 0x000002u);
  EXPECT_EQ(sheet->GetPixel(4, 0), 0x000000u);
  EXPECT_EQ(sheet->ColorKey(), 0xFF00FFu);
  EXPECT_EQ(display->ColorMatch(0x10F010), 0x00FF00u);
  // Re-reading the key in full screen, as the shell does, keeps the true key.
  sheet->SetColorKey(sheet->GetPixel(0, 0));

  display->InitializeWindowed(640, 480);
  EXPECT_EQ(sheet->GetPixel(0, 0), 0xFE01FEu);
  EXPECT_EQ(sheet->GetPixel(1, 0), 0xF00810u);
  EXPECT_EQ(sheet->GetPixel(3, 0), 0xFF00FFu);
  EXPECT_EQ(sheet->ColorKey(), 0xFE01FEu);
  EXPECT_EQ(display->ColorMatch(0x10F010), 0x10F010u);
  EXPECT_TRUE(Failures.empty());
}

TEST_F(DisplayTest, SheetsLoadAtTheOriginCutTo256AndKeepTheRestOnFailure) {
  std::vector<uint32_t> small = {0x111111, 0x222222, 0x333333, 0x444444, 0x555555, 0x666666};
  std::vector<uint32_t> large(300 * 260);
  for (int y = 0; y < 260; ++y) {
    for (int x = 0; x < 300; ++x) large[y * 300 + x] = static_cast<uint32_t>(x << 12 | y);
  }
  const std::string archive = WriteArchive(
      "sheets.qda", {{"small.bmp", Bmp({}, 3, 2, small)}, {"large.bmp", Bmp({}, 300, 260, large)}});
  sheet->Create(*display);
  sheet->PutPixel(200, 200, 0xABCDEF);

  ASSERT_TRUE(sheet->LoadFromArchive(archive, "SMALL.BMP"));
  EXPECT_EQ(sheet->GetPixel(0, 0), 0x111111u);
  EXPECT_EQ(sheet->GetPixel(2, 1), 0x666666u);
  EXPECT_EQ(sheet->GetPixel(3, 0), 0u);
  EXPECT_EQ(sheet->GetPixel(200, 200), 0xABCDEFu);

  EXPECT_FALSE(sheet->LoadFromArchive(archive, "missing.bmp"));
  EXPECT_FALSE(sheet->LoadFromArchive(archive + ".none", "small.bmp"));
  ASSERT_EQ(Failures.size(), 2u);
  EXPECT_TRUE(Failures[0].starts_with("アーカイブからのビットマップの読み取りに失敗しました"));
  EXPECT_NE(Failures[0].find("missing.bmp"), std::string::npos) << Failures[0];
  EXPECT_NE(Failures[1].find("アーカイブファイル '" + archive + ".none' が開けません"), std::string::npos) << Failures[1];
  EXPECT_EQ(sheet->GetPixel(0, 0), 0x111111u);

  ASSERT_TRUE(sheet->LoadFromArchive(archive, "large.bmp"));
  EXPECT_EQ(sheet->GetPixel(255, 255), static_cast<uint32_t>(255 << 12 | 255));
  EXPECT_EQ(sheet->GetPixel(200, 200), static_cast<uint32_t>(200 << 12 | 200));

  // Outside the sheet there is nothing to read.
  EXPECT_EQ(sheet->GetPixel(256, 0), 0u);
  EXPECT_EQ(sheet->GetPixel(0, -1), 0u);
}

TEST_F(DisplayTest, SurfacesOutlivingTheirDisplayLetGoOfIt) {
  sheet->Create(*display);
  display.reset();
  sheet->PutPixel(1, 1, 0x123456);  // now true colour, nothing to convert through
  EXPECT_EQ(sheet->GetPixel(1, 1), 0x123456u);
  sheet.reset();
}

}  // namespace
}  // namespace omb
