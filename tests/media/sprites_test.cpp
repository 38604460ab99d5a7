#include "media/sprites.h"

#include <gtest/gtest.h>

#include <climits>
#include <memory>
#include <vector>

#include "media/display.h"
#include "media/surface.h"

namespace omb {
namespace {

constexpr uint32_t Key = 0xFF00FF;
constexpr uint32_t Back = 0x102030;

// Pixel of the pattern sheet: its own coordinates, never the key.
uint32_t Pattern(int x, int y) { return 0x010000u * x + 0x000100u * y + 1; }

class SpriteTest : public ::testing::Test {
 protected:
  void SetUp() override {
    sheet->Create(*display);
    for (int y = 0; y < Surface::Height; ++y) {
      for (int x = 0; x < Surface::Width; ++x) sheet->PutPixel(x, y, Pattern(x, y));
    }
    sheet->PutPixel(0, 0, Key);
    sheet->SetColorKey(sheet->GetPixel(0, 0));
    sprites->Create();
    display->BackColor = Back;
    display->Clear();
  }

  // Register `index` shows shape `shape` at (x, y).
  void Place(int index, int shape, int x, int y) {
    SpriteRegister& r = sprites->Sprite(index);
    r.Shape = shape;
    r.X = x;
    r.Y = y;
    sprites->Show(index);
  }
  uint32_t At(int x, int y) const { return display->BackBuffer()[y * Display::Width + x]; }
  int CountDrawn() const {
    int n = 0;
    for (int i = 0; i < Display::Width * Display::Height; ++i)
      n += display->BackBuffer()[i] != Back;
    return n;
  }

  std::unique_ptr<Display> display = std::make_unique<Display>();
  std::unique_ptr<Surface> sheet = std::make_unique<Surface>();
  std::unique_ptr<SpriteManager> sprites = std::make_unique<SpriteManager>();
};

TEST_F(SpriteTest, LowerRegistersAreDrawnOverHigherOnesAndHiddenOnesNotAtAll) {
  sprites->SetShape(0, sheet.get(), 16, 16, 24, 24);
  sprites->SetShape(1, sheet.get(), 32, 32, 40, 40);
  sprites->SetShape(2, sheet.get(), 48, 48, 56, 56);
  Place(1, 1, 100, 100);
  Place(0, 0, 104, 104);  // overlaps register 1's lower right quarter
  Place(7, 1, 200, 200);
  Place(3, 0, 204, 204);
  Place(2, 2, 300, 300);
  sprites->Hide(2);
  sprites->DrawAll(*display);

  EXPECT_EQ(At(100, 100), Pattern(32, 32));
  EXPECT_EQ(At(105, 105), Pattern(17, 17));  // register 0 on top
  EXPECT_EQ(At(205, 205), Pattern(17, 17));  // 3 over 7
  EXPECT_EQ(At(300, 300), Back);
}

TEST_F(SpriteTest, KeyColouredPixelsAreTransparentAnywhereInTheSheet) {
  sheet->PutPixel(20, 21, Key);
  sheet->PutPixel(21, 21, Key + 1);  // near the key is not the key
  sprites->SetShape(0, sheet.get(), 16, 16, 32, 32);
  Place(0, 0, 50, 60);
  sprites->DrawAll(*display);

  EXPECT_EQ(At(54, 65), Back);
  EXPECT_EQ(At(55, 65), Key + 1);
  EXPECT_EQ(CountDrawn(), 16 * 16 - 1);
}

TEST_F(SpriteTest, DrawingIsClippedAtEveryEdgeAndWhollyOffScreenRegistersDrawNothing) {
  sprites->SetShape(0, sheet.get(), 8, 8, 16, 16);
  Place(0, 0, -3, 100);   // left
  Place(1, 0, 636, 200);  // right
  Place(2, 0, 300, -5);   // top
  Place(3, 0, 400, 477);  // bottom
  // Wholly off screen, however far: nothing at all.
  const int away[][2] = {{-8, 0},      {640, 0},     {0, -8},      {0, 480},
                         {INT_MAX, 0}, {INT_MIN, 0}, {0, INT_MAX}, {INT_MIN, INT_MIN}};
  int index = 4;
  for (const auto& p : away) Place(index++, 0, p[0], p[1]);
  sprites->DrawAll(*display);

  EXPECT_EQ(At(0, 100), Pattern(11, 8));
  EXPECT_EQ(At(4, 107), Pattern(15, 15));
  EXPECT_EQ(At(639, 200), Pattern(11, 8));
  EXPECT_EQ(At(0, 201), Back);  // the right edge's next row starts here
  EXPECT_EQ(At(300, 0), Pattern(8, 13));
  EXPECT_EQ(At(400, 479), Pattern(8, 10));
  EXPECT_EQ(CountDrawn(), 5 * 8 + 4 * 8 + 8 * 3 + 8 * 3);
}

TEST_F(SpriteTest, SetDrawWidthStretchesOnlyWhenTheWidthDiffers) {
  sprites->SetShape(0, sheet.get(), 8, 8, 16, 16);
  Place(0, 0, 100, 100);
  sprites->SetDrawWidth(0, 16);
  sprites->SetDrawHeight(0, 4);
  EXPECT_EQ(sprites->DrawWidth(0), 16);
  EXPECT_EQ(sprites->DrawHeight(0), 4);
  sprites->DrawAll(*display);
  for (int i = 0; i < 16; ++i) EXPECT_EQ(At(100 + i, 100), Pattern(8 + i / 2, 8)) << i;
  EXPECT_EQ(At(100, 103), Pattern(8, 14));
  EXPECT_EQ(CountDrawn(), 16 * 4);

  sprites->ResetScale(0);
  EXPECT_EQ(sprites->DrawWidth(0), 8);
  EXPECT_EQ(sprites->DrawHeight(0), 8);
}

TEST_F(SpriteTest, StretchedDrawingKeepsTheKeyAndIsClipped) {
  sheet->PutPixel(11, 8, Key);
  sprites->SetShape(0, sheet.get(), 8, 8, 16, 16);
  Place(0, 0, -5, 476);
  sprites->SetDrawWidth(0, 16);
  sprites->SetDrawHeight(0, 16);
  sprites->DrawAll(*display);

  // Destination column c shows source column 8 + (c + 5) / 2, row r source row 8 + r / 2.
  EXPECT_EQ(At(0, 476), Pattern(10, 8));
  EXPECT_EQ(At(1, 477), Back);  // source (11, 8), the key
  EXPECT_EQ(At(2, 476), Back);
  EXPECT_EQ(At(1, 478), Pattern(11, 9));
  EXPECT_EQ(At(10, 479), Pattern(15, 9));
  EXPECT_EQ(CountDrawn(), 11 * 4 - 4);
}

TEST_F(SpriteTest, NextFrameWrapsOrBouncesBetweenFirstAndLastFrame) {
  SpriteRegister& r = sprites->Sprite(5);
  r.FirstFrame = 0;
  r.LastFrame = 3;
  std::vector<int> frames;
  for (int i = 0; i < 4; ++i) {
    sprites->NextFrame(5);
    frames.push_back(r.Frame);
  }
  EXPECT_EQ(frames, (std::vector<int>{1, 2, 3, 0}));

  r.PingPong = true;
  frames.clear();
  for (int i = 0; i < 7; ++i) {
    sprites->NextFrame(5);
    frames.push_back(r.Frame);
  }
  EXPECT_EQ(frames, (std::vector<int>{1, 2, 3, 2, 1, 0, 1}));
}

TEST_F(SpriteTest, InvalidShapesEmptyShapesAndBadLayersAreSkipped) {
  sprites->SetShape(0, sheet.get(), 8, 8, 16, 16);
  sprites->SetShape(799, sheet.get(), 8, 8, 16, 16);
  sprites->SetShape(5, sheet.get(), 16, 16, 8, 8);  // right and bottom before left and top
  // shape 3 has no surface
  Place(1, 799, 10, 10);
  sprites->Sprite(1).Frame = 1;  // 800
  Place(2, -1, 10, 10);
  Place(3, 3, 10, 10);
  Place(4, 0, 10, 10);
  sprites->Sprite(4).Z = 1;
  Place(5, 0, 10, 10);
  sprites->Sprite(5).Z = -1;
  Place(6, INT_MAX, 10, 10);
  sprites->Sprite(6).Frame = 1;  // wraps in 32 bits, still not a shape
  Place(7, 5, 10, 10);
  Place(8, 0, 50, 50);  // the one that is drawn, after all the skipped ones
  sprites->DrawAll(*display);
  EXPECT_EQ(CountDrawn(), 64);
  EXPECT_EQ(At(50, 50), Pattern(8, 8));
}

TEST_F(SpriteTest, ShapesReachingBeyondTheirSheetDrawOnlyTheSheetsPixels) {
  sprites->SetShape(0, sheet.get(), -4, -4, 4, 4);
  sprites->SetShape(1, sheet.get(), 252, 250, 300, 300);
  sprites->SetShape(2, sheet.get(), INT_MIN, INT_MIN, INT_MAX, INT_MAX);
  sprites->SetShape(3, sheet.get(), 250, 0, 262, 4);
  Place(0, 0, 100, 100);
  Place(1, 1, 200, 100);
  Place(3, 3, 300, 300);
  sprites->SetDrawWidth(3, 24);  // stretched across the sheet's right edge
  sprites->DrawAll(*display);

  EXPECT_EQ(At(103, 103), Back);
  EXPECT_EQ(At(105, 104), Pattern(1, 0));
  EXPECT_EQ(At(200, 100), Pattern(252, 250));
  EXPECT_EQ(At(203, 105), Pattern(255, 255));
  EXPECT_EQ(At(311, 300), Pattern(255, 0));
  EXPECT_EQ(CountDrawn(), (4 * 4 - 1) + 4 * 6 + 12 * 4);

  display->Clear();
  sprites->Create();
  sprites->SetShape(0, sheet.get(), -10, -10, 1000, 1000);
  Place(0, 0, 0, 0);
  sprites->DrawAll(*display);
  EXPECT_EQ(At(15, 17), Pattern(5, 7));
  EXPECT_EQ(At(265, 265), Pattern(255, 255));
  EXPECT_EQ(CountDrawn(), 256 * 256 - 1);

  // Extremes of every field, stretched or not: no read or write past an edge.
  sprites->SetShape(1, sheet.get(), INT_MIN, INT_MIN, INT_MAX, INT_MAX);
  sprites->SetShape(2, sheet.get(), -300, -300, 600, 600);
  const int places[][2] = {{0, 0}, {INT_MIN, INT_MIN}, {-1000, 17}, {INT_MAX, 0}, {300, -200}};
  int index = 1;
  for (int shape = 1; shape <= 2; ++shape) {
    for (const auto& p : places) {
      Place(index, shape, p[0], p[1]);
      Place(index + 1, shape, p[0], p[1]);
      SpriteRegister& r = sprites->Sprite(index + 1);
      r.ScaledX = r.ScaledY = true;
      r.ScaleXDen = 3;
      r.ScaleYNum = 3;
      index += 2;
    }
  }
  sprites->DrawAll(*display);
  EXPECT_EQ(At(0, Display::Height - 1), Back);
}

}  // namespace
}  // namespace omb
