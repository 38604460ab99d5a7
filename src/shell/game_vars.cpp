#include "shell/game_vars.h"

namespace omb {

void ResetGameVars() {
  Score = 0;
  Stage = 1;
  GameMode = SubShot = SpecialWeapon = BulletStyle = 0;
  ButtonFunction.fill(0);
  PlayTime = BulletsFired = BulletsFiredMark = GameCleared = 0;
  AllClear = false;
  GameOverTimer = RankResult = BulletCount = BonusCount = BonusGoal = 0;
  MenuX = MenuY = MenuDecision = ScreenPhase = ScreenFrame = MarqueeOffset = TextX = TextY = 0;
  LineWidth = 20;
}

}  // namespace omb
