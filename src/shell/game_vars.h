// The game-wide variables of a game, with their start values. The state
// entry routines (shell/state_entry.h) set them up; between games nothing else
// resets them.
#pragma once
#include <array>
#include <cstdint>

namespace omb {

enum : int32_t { ModeNormal = 0, ModeTechnical = 1, ModeNonBarrier = 2, ModeTheater = 3, ModeAnother = 4 };
enum : int32_t { SubTilt = 0, SubCurve = 1, SubWave = 2 };
enum : int32_t { SpecialLaser = 0, SpecialEnergy = 1, SpecialAim = 2 };

inline int32_t Score = 0;
inline constexpr int32_t StageCount = 4;
inline int32_t Stage = 1;          // 1 to StageCount
inline int32_t GameMode = 0;       // selects the ranking table too
inline int32_t SubShot = 0;
inline int32_t SpecialWeapon = 0;
inline int32_t BulletStyle = 0;    // 0 NORMAL, 1 SMALL, 2 BIG, 3 MICRO, 4 HUGE
inline std::array<int32_t, 6> ButtonFunction{};  // 0 shot, 1 bomb, 2 barrier, 3 none
// What a game gets while no option file says otherwise: Z/Space shoots,
// X bombs, C raises the barrier, the other buttons do nothing.
inline constexpr int32_t DefaultBulletStyle = 0;
inline constexpr std::array<int32_t, 6> DefaultButtonFunction = {0, 1, 2, 3, 3, 3};
inline int32_t PlayTime = 0;
inline int32_t BulletsFired = 0, BulletsFiredMark = 0;
inline int32_t GameCleared = 0;
inline bool AllClear = false;
inline int32_t GameOverTimer = 0;
inline int32_t RankResult = 0;
inline int32_t BulletCount = 0;
inline int32_t BonusCount = 0, BonusGoal = 0;

// The front-end screens' shared variables.
inline int32_t MenuX = 0, MenuY = 0;
inline int32_t MenuDecision = 0;
inline int32_t ScreenPhase = 0, ScreenFrame = 0;
inline int32_t MarqueeOffset = 0;
inline int32_t TextX = 0, TextY = 0;
inline int32_t LineWidth = 20;

// Every variable above back to its start value.
void ResetGameVars();

}  // namespace omb
