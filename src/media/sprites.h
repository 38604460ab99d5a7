// The sprite manager: 800 shapes (a rectangle on a surface) and 838 sprite
// registers, each showing shape Shape + Frame at (X, Y) while visible.
// Register 0 is drawn last, so it lies on top of every other.
#pragma once
#include <array>
#include <cstdint>

namespace omb {

class Display;
class Surface;

struct SpriteRegister {
  int32_t ScaleXNum = 1, ScaleXDen = 1;
  int32_t ScaleYNum = 1, ScaleYDen = 1;
  bool ScaledX = false, ScaledY = false;
  int32_t Shape = 0;
  int32_t Frame = 0;
  int32_t LastFrame = 0;
  int32_t FirstFrame = 0;
  int32_t X = 0, Y = 0;
  int32_t Z = 0;
  int32_t Alpha = 0;
  bool Visible = false;
  bool PingPong = false;
  bool Reverse = false;
};

struct ShapeEntry {
  Surface* Sheet = nullptr;
  int32_t Left = 0, Top = 0, Right = 0, Bottom = 0;  // right, bottom exclusive
};

class SpriteManager {
 public:
  static constexpr int RegisterCount = 838;
  static constexpr int ShapeCount = 800;
  static constexpr int LayerCount = 1;  // every register of this game is on layer 0

  // Every register and shape back to its start value.
  void Create();

  void SetShape(int shape, Surface* sheet, int32_t left, int32_t top, int32_t right, int32_t bottom);
  SpriteRegister& Sprite(int index) { return registers_[index]; }
  const ShapeEntry& ShapeAt(int shape) const { return shapes_[shape]; }

  void Show(int index) { registers_[index].Visible = true; }
  void Hide(int index) { registers_[index].Visible = false; }
  void SetDrawWidth(int index, int32_t width);
  void SetDrawHeight(int index, int32_t height);
  void ResetScale(int index);
  int32_t DrawWidth(int index) const;
  int32_t DrawHeight(int index) const;
  void NextFrame(int index);

  // Draws every visible register onto the display's back buffer.
  void DrawAll(Display& display);

 private:
  std::array<SpriteRegister, RegisterCount> registers_{};
  std::array<ShapeEntry, ShapeCount> shapes_{};
  // Registers of each layer in drawing order, filled anew by each DrawAll.
  std::array<std::array<int16_t, 1024>, LayerCount> buckets_{};
};

}  // namespace omb
