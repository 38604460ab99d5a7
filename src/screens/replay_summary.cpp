#include "screens/replay_summary.h"

#include "persistence/replay.h"
#include "shell/game_vars.h"

namespace omb {
namespace {

int32_t Field(int field) { return ReplaySys[static_cast<std::size_t>(field)]; }

}  // namespace

TextLine StageSpanLine(int32_t first, int32_t last) {
  return TextLine("STAGE  ").Add(first).Add(">>").Add(last);
}

TextLine SummaryLine(int32_t item) {
  switch (item) {
    case SummaryScore: return TextLine("SCORE  ").Add(Score);
    case SummaryMode:
      return TextLine("MODE  ").Add(GameModeName(GameMode)).Add('-').Add(BulletStyleName(BulletStyle));
    case SummaryWeapon: return TextLine("WEAPON  ").Add(SubShotName(SubShot));
    case SummarySpecial: return TextLine("OMBREZZA  ").Add(SpecialWeaponName(SpecialWeapon));
    case SummaryStage:
      if (Field(SysStartStage) == 1 && Field(SysGameCleared) == 1) return TextLine("STAGE  ALL");
      return StageSpanLine(Field(SysStartStage), Field(SysLastStage));
    case SummaryDate:
      return TextLine()
          .Add(Field(SysDate + 0))
          .Add('/')
          .Add(Field(SysDate + 1))
          .Add('/')
          .Add(Field(SysDate + 2))
          .Add(' ')
          .Add(Field(SysDate + 3))
          .Add(':')
          .Add(ZeroPad(Field(SysDate + 4), 2))
          .Add('-')
          .Add(ZeroPad(Field(SysDate + 5), 2))
          .Add('.')
          .Add(ZeroPad(Field(SysDate + 6), 3));
    case SummaryTime: return TextLine("PLAYTIME  ").Add(Field(SysPlayTime) / 50).Add("sec");
    case SummaryBullets: return TextLine("BULLET  ").Add(Field(SysBulletsFired));
    case SummaryDamage: return TextLine("DAMAGE  ").Add(Field(SysDamageTaken) / 100).Add('%');
    case SummaryBombs: return TextLine("USE BOMB  ").Add(Field(SysBombsUsed));
    case SummaryNoBomb: return TextLine("NO BOMB  ").Add(Field(SysNoBombStreak));
    default: return TextLine();
  }
}

}  // namespace omb
