#include "app/verify.h"

#include <cstdio>

#include "gameplay/player.h"
#include "media/platform.h"
#include "persistence/replay.h"
#include "shell/dump.h"
#include "shell/game_vars.h"
#include "shell/shell.h"

namespace omb {
namespace {

// The result fields a replay must reproduce.
struct ResultField {
  int Field;
  const char* Name;
};
constexpr ResultField ResultFields[] = {
    {SysScore, "score"},
    {SysLastStage, "last stage"},
    {SysPlayTime, "play time"},
    {SysBulletsFired, "bullets fired"},
    {SysGameCleared, "all clear"},
    {SysHitsByCancellable, "hits by round bullets"},
    {SysHitsBySolid, "hits by other bullets and craft"},
    {SysDamageTaken, "damage taken"},
    {SysBombsUsed, "bombs used"},
    {SysNoBombStreak, "no-bomb count"},
};

// The same values of the game being replayed, as the result would take them.
int32_t Replayed(int field) {
  switch (field) {
    case SysScore: return Score;
    case SysLastStage: return Stage;
    case SysPlayTime: return PlayTime;
    case SysBulletsFired: return BulletsFired;
    case SysGameCleared: return GameCleared;
    case SysHitsByCancellable: return Player.HitsByCancellable;
    case SysHitsBySolid: return Player.HitsBySolid;
    case SysDamageTaken: return Player.DamageTaken;
    case SysBombsUsed: return Bombs.Used;
    case SysNoBombStreak: return Bombs.NoBombStreak;
    default: return 0;
  }
}

void RunFrame() {
  ShellEvents events;
  ThePlatform->PumpEvents(events);
  IdleFrame();
}

}  // namespace

int VerifyReplay(int32_t slot) {
  FormCreate();
  ScreenInit();
  SkipDrawing = true;
  FindUsedReplaySlots();
  if (!ReplaySlotInUse(slot)) {
    std::fprintf(stderr, "ombrezza: replay slot %d is empty\n", slot);
    return 2;
  }
  if (!ReplaySlotPlayable(slot)) return 2;
  LoadReplayInfo(slot, true);
  const auto stored = ReplaySys;
  const int32_t endFrame = stored[SysEndFrame];
  if (endFrame <= 0) {
    std::fprintf(stderr, "ombrezza: replay slot %d does not say at which frame its result was taken\n", slot);
    return 2;
  }
  // What the replay select screen does on confirm. The presentation that
  // follows draws no random number, so play may begin at the next frame, in
  // the way every game begins: a screen's frame turns to play, whose entry
  // follows in the same frame.
  ReplayPlaying = true;
  ReplaySlot = slot;
  DirectPlayRequest = {true, stored[SysStartStage], SubShot, SpecialWeapon, GameMode, BulletStyle, ButtonFunction};
  // Every stage's words and the frames after the ship's end, with room to spare.
  const int64_t limit = 4 * int64_t{ReplayInputLength} + 4 * int64_t{endFrame} + 1000;
  for (int64_t frame = 0; frame < limit; ++frame) {
    RunFrame();
    if (GameState != StatePlay) break;
    if (Stage == stored[SysLastStage] && StageFrame >= endFrame) break;
    if (Stage > stored[SysLastStage]) break;
  }
  int differences = 0;
  for (const ResultField& f : ResultFields) {
    const int32_t now = Replayed(f.Field);
    if (now == stored[f.Field]) continue;
    std::printf("%s: stored %d, replayed %d\n", f.Name, stored[f.Field], now);
    ++differences;
  }
  if (Stage == stored[SysLastStage] && StageFrame != endFrame) {
    std::printf("frames of the last stage: stored %d, replayed %d\n", endFrame, StageFrame);
    ++differences;
  }
  // Older replays hold 0 here and are checked by their result alone.
  const int32_t hash = StateHash();
  if (stored[SysStateHash] != 0 && hash != stored[SysStateHash]) {
    std::printf("state hash: stored %d, replayed %d\n", stored[SysStateHash], hash);
    ++differences;
  }
  FormDestroy();
  return differences == 0 ? 0 : 1;
}

}  // namespace omb
