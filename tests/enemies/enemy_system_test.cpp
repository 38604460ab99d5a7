#include "enemies/boss.h"
#include "enemies/enemies.h"

#include <gtest/gtest.h>

#include <vector>

#include "enemies/script.h"
#include "gameplay/collision.h"
#include "gameplay/hud.h"
#include "play_fixture.h"

namespace omb {
namespace {

using V = std::vector<int32_t>;

using EnemySystemTest = PlayTest;

void Script(std::initializer_list<ScriptEntry> entries) {
  ResetStageScript();
  int k = 0;
  for (const ScriptEntry& e : entries) StageScript[k++] = e;
}

TEST_F(EnemySystemTest, TheScriptDropsWhatComesDueDuringAHold) {
  Script({{2, 100, -48, 0}, {3, 200, -48, 0}, {4, 300, -48, 0}, {ScriptWarning, 0, 0, 0}, {ScriptEnd, 0, 0, 0}});
  StageFrame = 2;
  RunStageScript();
  EXPECT_EQ(CountActive(EnemyFirst, EnemyLast), 1);
  StageFrame = 3;
  ScriptHold = true;
  RunStageScript();
  EXPECT_FALSE(ScriptHold) << "a holder sets it again every frame";
  StageFrame = 4;
  RunStageScript();
  // The entry of frame 3 is dropped, not delayed; the warning comes with the
  // entry before it.
  EXPECT_EQ(CountActive(EnemyFirst, EnemyLast), 2);
  EXPECT_EQ(Sprites.Sprite(EnemyFirst + 1).X, 300);
  EXPECT_EQ((V{BannerKind, BannerTimer, ScriptPos}), (V{BannerWarning, 200, 4}));
}

TEST_F(EnemySystemTest, TheBossWaitsForAFreeSlotInsteadOfBeingLost) {
  Script({{5, 0, 0, 0}, {5, 152, -176, 4}, {ScriptEnd, 0, 0, 0}});
  for (int j = EnemyFirst; j <= EnemyLast; ++j) Activate(j, 0, 0);
  StageFrame = 5;
  RunStageScript();
  EXPECT_EQ(ScriptPos, 1) << "the craft is lost; the boss entry stays";
  EXPECT_FALSE(BossState.Present);
  StageFrame = 6;
  Release(770);
  RunStageScript();
  EXPECT_EQ((V{ScriptPos, BossState.Slot, BossState.Present}), (V{2, 770, 1}));
  EXPECT_EQ((V{Sprites.Sprite(770).X, Sprites.Sprite(770).Y, Enemy(770).Hp}), (V{152, -176, 10000}));

  // Nor is it lost to a hold at its frame.
  ResetBossState();
  ReleaseRange(EnemyFirst, 30);
  Script({{5, 152, -176, 4}, {ScriptEnd, 0, 0, 0}});
  StageFrame = 5;
  ScriptHold = true;
  RunStageScript();
  StageFrame = 6;
  RunStageScript();
  EXPECT_TRUE(BossState.Present);
}

}  // namespace
}  // namespace omb
