#include "gameplay/hud.h"

#include <algorithm>

#include "enemies/boss.h"
#include "enemies/enemies.h"
#include "gameplay/player.h"
#include "gameplay/weapons.h"
#include "objects/motion.h"
#include "objects/objects.h"
#include "persistence/ranking.h"
#include "persistence/replay.h"
#include "screens/text.h"
#include "shell/components.h"
#include "shell/game_vars.h"
#include "shell/shell.h"
#include "shell/sound_service.h"
#include "shell/start_values.h"
#include "shell/state_entry.h"

namespace omb {
namespace {

// Panel pieces: the bomb gauge's bar, and the boss's gauge, countdown
// label (113) and digits, shown only while a boss fights.
constexpr int BombGaugeBar = 110;
constexpr int BossGaugeBar = 112;
constexpr int BossTimerDigits = 114;  // hundreds, tens, units

void BossPanel() {
  const int32_t bossHp = Enemy(BossState.Slot).Hp;
  // The gauge follows the hit points by at most 1 % of its length a frame.
  BossState.GaugeShown = StepToward(BossState.GaugeShown, bossHp, BossState.GaugeHp / 100);
  const int32_t full = std::max(BossState.GaugeHp, 1);
  Sprites.SetDrawWidth(BossGaugeBar, std::min(480, BossState.GaugeShown * 480 / full));

  // Seconds left; the digits flash every 15 frames in the last ten.
  const int32_t t = std::max(BossState.TimeLeft / 50, 0);
  const int32_t flash = t < 10 && (StageFrame / 15) % 2 == 0 ? 10 : 0;
  const int32_t digits[3] = {t / 100 % 10, t / 10 % 10, t % 10};
  for (int k = 0; k < 3; ++k) Sprites.Sprite(BossTimerDigits + k).Shape = 105 + digits[k] + flash;
  if (t <= 10 && BossState.TimeLeft % 50 == 0) SoundRequest[3] = true;  // a tick each second
}

void ShowBossPanel(bool shown) {
  for (int s = BossGaugeBar; s <= BossTimerDigits + 2; ++s) {
    if (shown) {
      Sprites.Show(s);
    } else {
      Sprites.Hide(s);
    }
  }
}

// Text lines of the play screen use registers 1 to 107.
void Line(int32_t& c, std::string_view text) { DrawText(c, text, false, 0, TextLast); }
void Centred(int32_t& c, std::string_view text) { DrawText(c, text, true, 480, TextLast); }

// Energy in percent with two decimals: 9850 reads 98.50%.
TextLine Percent2(int32_t life) {
  return TextLine().Add(life / 100).Add('.').Add(ZeroPad(life % 100, 2)).Add('%');
}

void PanelLines(int32_t& c) {
  TextX = 480;
  TextY = 48;
  Line(c, TextLine("FPS  ").Add(MeasuredFps).View());
  Line(c, TextLine("TAMA ").Add(BulletCount).View());
  TextY += 80;
  Line(c, "SCORE");
  Line(c, TextLine().Add(Score).View());
  TextY += 16;
  Line(c, TextLine("BOMB ").Add(Bombs.Stock).View());
  TextY += 32;
  Line(c, "BONUS");
  if (BossState.Present) {
    Line(c, "NONE");
  } else if (BonusCount >= BonusGoal && (StageFrame / 2) % 2 == 0) {
    Line(c, " ");  // the figures blink once the bonus can be taken
  } else {
    Line(c, TextLine().Add(BonusCount).Add('/').Add(BonusGoal).View());
  }
  TextY += 16;
  Line(c, "LIFE");
  Line(c, Percent2(Player.Life).View());
  if (GameMode == ModeTechnical || GameMode == ModeNonBarrier) {
    TextY += 16;
    Line(c, "ODDS");
    Line(c, TextLine("x").Add(Player.Odds).View());
  }
  if (GameMode == ModeTechnical) {
    TextY += 16;
    Line(c, "DAMAGE");
    Line(c, TextLine().Add(Player.Damage * 100 / 10000).Add('%').View());
  }
  if (GameMode == ModeAnother) {
    TextY += 16;
    Line(c, "OMBREZZA");
    const int32_t goal = std::max(Player.ContactGoal, 1);
    Line(c, TextLine().Add(Player.ContactCount * 100 / goal).Add('%').View());
  }
}

// The clear banner starts the next stage when it ends; on the last stage its
// end ends the game.
TextLine BannerText() {
  switch (BannerKind) {
    case BannerStage:
      return TextLine("STAGE ").Add(Stage);
    case BannerWarning:
      return TextLine("CAUTION!");
    case BannerCleared:
      if (Stage == StageCount) {
        AllClear = BannerTimer == 0;
        GameCleared = 1;
        return TextLine("ALL CLEAR!");
      }
      if (BannerTimer == 0) {
        ++Stage;
        StageStart();
      }
      return TextLine("STAGE CLEAR!");
    default:
      return TextLine();
  }
}

void Banner(int32_t& c) {
  --BannerTimer;
  TextY = 232;
  const TextLine text = BannerText();
  Centred(c, Typewriter(text.View(), BannerTimer, BannerLength));
  if (BannerKind != BannerCleared || Bombs.Used != Bombs.UsedAtStageStart) return;
  // The stage was cleared without a bomb.
  if (BannerTimer == BannerLength - 1) ++Bombs.NoBombStreak;
  TextY += 16;
  Centred(c, Typewriter("NOBOMB BONUS", BannerTimer, BannerLength));
  const int32_t bonus = NoBombBonus(Bombs.NoBombStreak);
  Centred(c, Typewriter(TextLine().Add(bonus).Add("pts").View(), BannerTimer, BannerLength));
  if (BannerTimer == 50) Score += bonus;
}

std::string_view PlaceSuffix(int32_t place) {
  switch (place) {
    case 1: return "st";
    case 2: return "nd";
    case 3: return "rd";
    default: return "th";
  }
}

// After the ship's loss or the all clear: the ranking entry at 50 frames,
// then "GAME OVER" until the first button is pressed.
void EndOfGame(int32_t& c) {
  ++GameOverTimer;
  if (GameOverTimer == 50) RankResult = RankInsert(Score, GameMode);
  if (GameOverTimer <= 50) return;
  TextX = 168;
  TextY = 192;
  Line(c, "GAME OVER");
  TextX = 120;
  TextY += 32;
  if (RankResult == 0) {
    Line(c, " ");
  } else {
    Line(c, TextLine("RANK IN! AT ").Add(RankResult).Add(PlaceSuffix(RankResult)).View());
  }
  if ((ButtonsNow & 1) != 0 && (ButtonsPrev & 1) == 0) GameState = ReplayPlaying ? StateTitle : StateResult;
}

}  // namespace

void ResetHud() { RestoreStartValues<BannerKind, BannerTimer, BannerLength>(); }

void ShowBanner(int32_t kind, int32_t frames) {
  BannerKind = kind;
  BannerTimer = frames;
  BannerLength = frames;
}

std::string_view Typewriter(std::string_view text, int32_t timer, int32_t length) {
  const int32_t shown = (length - timer) / 10 + 1;
  return text.substr(0, static_cast<std::size_t>(std::clamp(shown, 0, static_cast<int32_t>(text.size()))));
}

int32_t NoBombBonus(int32_t streak) {
  const int32_t base = streak * streak * 10000;
  switch (BulletStyle) {
    case 1: return static_cast<int32_t>(base * 0.5);   // SMALL
    case 2: return static_cast<int32_t>(base * 2.0);   // BIG
    case 3: return static_cast<int32_t>(base * 0.25);  // MICRO
    case 4: return static_cast<int32_t>(base * 4.0);   // HUGE
    default: return base;
  }
}

void UpdatePanel() {
  CheckBombGauge();
  Sprites.SetDrawWidth(BombGaugeBar, Bombs.Gauge * 160 / 10000);
  TickBossClock();
  if (BossState.Present) {
    BossPanel();
    CountBossTime();
  }
  ShowBossPanel(BossState.Present);
}

void DrawHud() {
  int32_t c = 0;
  PanelLines(c);
  if (BannerTimer > 0) Banner(c);
  if (!Player.Alive || AllClear) EndOfGame(c);
  HideText(c + 1, TextLast);
}

}  // namespace omb
