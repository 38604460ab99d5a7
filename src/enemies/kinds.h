// The kinds table: for each stage look, the archive images it loads into
// sheets 7, 8 and 9, the shapes from 600 up that it cuts from them, and its
// enemy kinds, each kind under the name its stage's enemies and boss use. The
// asset generator draws the art from these same tables, so the pictures and
// the game can never drift apart.
#pragma once
#include <array>
#include <cstdint>
#include <span>

#include "shell/assets.h"

namespace omb {

// What an enemy is made of: its picture and animation, its hit size and its
// strength.
struct EnemyKind {
  int32_t Shape = 0;
  int32_t FirstFrame = 0, LastFrame = 0;
  bool PingPong = false;
  int32_t HitScale = 0;  // percent of the drawn size; -100 cannot be hit
  int32_t Hp = 0;
  uint8_t ExplosionSize = 0;  // 1 small, 2 large
  int32_t AnimEvery = 0;      // frames per animation step, -1 never
};

// A run's Sheet is the sheet slot 7, 8 or 9.

namespace stage1 {
enum : int32_t { KindSmall = 0, KindBoss = 1, KindLarge = 2 };
}
inline constexpr ShapeRun Stage1Shapes[] = {
    {600, 4, 7, 48, 48, 0, 32, 5},      // small craft, banking
    {605, 1, 8, 176, 176, 64, 64, 1},   // boss
    {606, 1, 9, 240, 160, 0, 0, 1},     // large craft
};
inline constexpr EnemyKind Stage1Kinds[] = {
    {602, 0, 0, false, 100, 50, 1, 1},     // KindSmall
    {605, 0, 0, false, 90, 10000, 1, 1},   // KindBoss
    {606, 0, 0, false, 90, 2000, 2, 1},    // KindLarge
};

namespace stage2 {
enum : int32_t { KindSwayer = 0, KindTilter = 1, KindLarge = 2, KindRinger = 3, KindPart = 4, KindDebris = 5,
                 KindBoss = 6 };
}
inline constexpr ShapeRun Stage2Shapes[] = {
    {600, 8, 7, 32, 32, 0, 0, 8},
    {608, 5, 7, 48, 48, 0, 32, 5},
    {613, 1, 8, 80, 80, 96, 160, 1},
    {614, 5, 9, 64, 64, 0, 0, 4},
    {619, 1, 8, 80, 80, 176, 160, 1},
    {620, 1, 8, 80, 80, 176, 160, 1},
    {621, 1, 7, 160, 160, 0, 80, 1},    // boss
};
inline constexpr EnemyKind Stage2Kinds[] = {
    {600, 0, 7, false, 100, 30, 1, 3},       // KindSwayer
    {610, 0, 0, false, 100, 150, 1, -1},     // KindTilter
    {613, 0, 0, false, 100, 5000, 1, 1},     // KindLarge
    {616, 0, 0, false, 100, 250, 1, -1},     // KindRinger
    {619, 0, 0, false, 100, 5000, 1, 1},     // KindPart
    {620, 0, 0, false, -100, 1000, 1, 1},    // KindDebris
    {621, 0, 0, false, 100, 20000, 1, 1},    // KindBoss
};

namespace stage3 {
enum : int32_t { KindSmall = 0, KindLarge = 1, KindRiser = 2, KindPart = 3, KindBoss = 4 };  // parts and drones alike
}
inline constexpr ShapeRun Stage3Shapes[] = {
    {600, 5, 7, 48, 48, 0, 0, 5},
    {605, 1, 8, 96, 96, 0, 160, 1},
    {606, 5, 9, 48, 48, 0, 32, 5},
    {611, 6, 7, 48, 48, 0, 48, 5},
    {617, 1, 7, 160, 160, 48, 96, 1},   // boss
};
inline constexpr EnemyKind Stage3Kinds[] = {
    {602, 0, 0, false, 100, 150, 1, -1},     // KindSmall
    {605, 0, 0, false, 100, 2500, 1, -1},    // KindLarge
    {608, 0, 0, false, 100, 150, 1, -1},     // KindRiser
    {611, 0, 5, false, 100, 1000, 1, 3},     // KindPart
    {617, 0, 0, false, 100, 22000, 1, 1},    // KindBoss
};

namespace stage4 {
enum : int32_t { KindLarge = 0, KindBomb = 1, KindDrone = 2, KindSmall = 3, KindDiver = 4, KindBoss = 5 };
}
inline constexpr ShapeRun Stage4Shapes[] = {
    {600, 1, 7, 96, 96, 0, 96, 1},
    {601, 6, 7, 48, 48, 0, 0, 5},
    {607, 6, 7, 32, 32, 0, 192, 6},
    {613, 8, 8, 32, 32, 0, 0, 8},
    {621, 5, 8, 48, 48, 0, 32, 5},
    {626, 4, 9, 128, 128, 0, 0, 2},     // boss
    {630, 1, 7, 128, 128, 96, 64, 1},
};
inline constexpr EnemyKind Stage4Kinds[] = {
    {600, 0, 0, false, 100, 8000, 1, -1},    // KindLarge
    {601, 0, 5, false, -100, 100, 1, 3},     // KindBomb
    {607, 0, 5, false, -100, 100, 1, 3},     // KindDrone
    {613, 0, 7, false, 100, 30, 1, 3},       // KindSmall
    {623, 0, 0, false, 100, 150, 1, -1},     // KindDiver
    {628, 0, 0, false, 90, 10000, 1, -1},    // KindBoss
};

struct StageArt {
  std::array<int, 3> SheetImages;  // archive image "cg" + n + ".bmp" for sheets 7, 8, 9
  std::span<const ShapeRun> Shapes;
  std::span<const EnemyKind> Kinds;
};

// By stage look 1 to 4.
inline constexpr StageArt StageArts[] = {
    {{9, 8, 7}, Stage1Shapes, Stage1Kinds},
    {{9, 7, 8}, Stage2Shapes, Stage2Kinds},
    {{10, 7, 9}, Stage3Shapes, Stage3Kinds},
    {{11, 9, 12}, Stage4Shapes, Stage4Kinds},
};

}  // namespace omb
