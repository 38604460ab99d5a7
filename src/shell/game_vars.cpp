#include "shell/game_vars.h"

#include "shell/start_values.h"

namespace omb {

void ResetGameVars() {
  RestoreStartValues<Score, Stage, GameMode, SubShot, SpecialWeapon, BulletStyle, ButtonFunction, PlayTime,
                     BulletsFired, BulletsFiredMark, GameCleared, AllClear, GameOverTimer, RankResult, BulletCount,
                     BonusCount, BonusGoal, MenuX, MenuY, MenuDecision, ScreenPhase, ScreenFrame, MarqueeOffset,
                     TextX, TextY, LineWidth>();
}

}  // namespace omb
