#include "shell/dump.h"

#include <initializer_list>
#include <span>
#include <string>

#include "enemies/boss.h"
#include "enemies/enemies.h"
#include "enemies/script.h"
#include "gameplay/collision.h"
#include "gameplay/hud.h"
#include "gameplay/player.h"
#include "objects/motion.h"
#include "objects/objects.h"
#include "persistence/replay.h"
#include "shell/components.h"
#include "shell/game_vars.h"
#include "shell/shell.h"

namespace omb {
namespace {

struct Json {
  std::string out = "{\n";

  void Field(const char* name, long long value) {
    out += "  \"";
    out += name;
    out += "\": ";
    out += std::to_string(value);
    out += ",\n";
  }

  // One field for each entry of a table: "Name.0", "Name.1", ...
  void Fields(const char* name, std::span<const int32_t> values) {
    for (std::size_t k = 0; k < values.size(); ++k) {
      Field((std::string(name) + "." + std::to_string(k)).c_str(), values[k]);
    }
  }

  // A list of integers on one line.
  void List(const char* name, std::span<const int32_t> values) {
    out += "  \"";
    out += name;
    out += "\": [";
    for (std::size_t k = 0; k < values.size(); ++k) {
      if (k > 0) out += ", ";
      out += std::to_string(values[k]);
    }
    out += "],\n";
  }

  // A list of rows of integers, one row a line.
  void BeginRows(const char* name) {
    out += "  \"";
    out += name;
    out += "\": [";
    firstRow = true;
  }
  void Row(std::initializer_list<long long> values) {
    out += firstRow ? "\n    [" : ",\n    [";
    firstRow = false;
    bool first = true;
    for (long long v : values) {
      if (!first) out += ", ";
      first = false;
      out += std::to_string(v);
    }
    out += "]";
  }
  void EndRows(bool last) {
    out += firstRow ? "]" : "\n  ]";
    out += last ? "\n" : ",\n";
  }

  bool firstRow = true;
};

// FNV-1a over 32-bit values, least significant byte first.
struct Fnv1a32 {
  uint32_t h = 2166136261u;
  void Add(int64_t value) {
    const auto v = static_cast<uint32_t>(value);
    for (int k = 0; k < 4; ++k) {
      h ^= (v >> (8 * k)) & 0xFF;
      h *= 16777619u;
    }
  }
  void Add(std::initializer_list<int64_t> values) {
    for (const int64_t v : values) Add(v);
  }
};

}  // namespace

int32_t StateHash() {
  Fnv1a32 f;
  for (int i = 0; i < ObjectCount; ++i) {
    const ObjectRecord& o = ObjectTable[i];
    if (!o.Active) continue;
    f.Add({i, o.Kind, o.Param, o.PosX, o.PosY, o.VelX, o.VelY, o.Speed, o.Angle, o.Life, o.HitScale, o.Age});
  }
  for (int i = EnemyFirst; i <= EnemyLast; ++i) {
    if (!ObjectTable[i].Active) continue;
    const EnemyRecord& e = Enemy(i);
    f.Add({i, e.AnimEvery, e.Hp, e.ExplosionSize, e.Variant, e.Bounty, e.Phase, e.Smokes});
    for (const int32_t w : e.Work) f.Add(w);
  }
  const BossStateRecord& b = BossState;
  f.Add({b.Present, b.Clock, b.GaugeShown, b.GaugeHp, b.Depletions, b.Slot, b.Wait, b.Attack, b.TimeLeft,
         b.TimeLimit, b.ScoreFactor, b.Parts, b.PartsMax, b.Aux0, b.Aux1, b.Loops});
  f.Add({Score, RandSeed});
  return static_cast<int32_t>(f.h & 0x7FFFFFFFu);
}

std::string DumpState() {
  Json j;
  j.Field("GameState", GameState);
  j.Field("FrameCount", FrameCount);
  j.Field("StageFrame", StageFrame);
  j.Field("RandSeed", RandSeed);
  j.Field("PadNow", PadNow);
  j.Field("PadPrev", PadPrev);
  j.Field("ButtonsNow", ButtonsNow);
  j.Field("ButtonsPrev", ButtonsPrev);
  j.Field("AxisX", AxisX);
  j.Field("AxisY", AxisY);
  j.Field("AxisXPrev", AxisXPrev);
  j.Field("AxisYPrev", AxisYPrev);
  j.Field("Stage", Stage);
  j.Field("Score", Score);
  // The settings of the game and the menus' cursors.
  j.Field("GameMode", GameMode);
  j.Field("SubShot", SubShot);
  j.Field("SpecialWeapon", SpecialWeapon);
  j.Field("BulletStyle", BulletStyle);
  j.Fields("ButtonFunction", ButtonFunction);
  j.Field("MusicOn", MusicOn);
  j.Field("WaitOn", WaitOn);
  j.Field("FrameSkip", FrameSkip);
  j.Field("MenuX", MenuX);
  j.Field("MenuY", MenuY);
  j.Field("MarqueeOffset", MarqueeOffset);
  j.Field("ReplayPlaying", ReplayPlaying);
  j.Field("ReplaySlot", ReplaySlot);
  j.Field("ReplayFrame", ReplayFrame);
  j.Fields("ReplayStageLength", ReplayStageLength);
  j.Field("ScriptPos", ScriptPos);
  j.Field("ScriptCount", ScriptCount);
  j.Field("Player.Life", Player.Life);
  j.Field("Player.Damage", Player.Damage);
  j.Field("Player.Odds", Player.Odds);
  j.Field("Player.Alive", Player.Alive);
  j.Field("Player.ContactGoal", Player.ContactGoal);
  j.Field("Player.ContactCount", Player.ContactCount);
  j.Field("Player.HitsByCancellable", Player.HitsByCancellable);
  j.Field("Player.HitsBySolid", Player.HitsBySolid);
  j.Field("Player.DamageTaken", Player.DamageTaken);
  j.Field("Bombs.Stock", Bombs.Stock);
  j.Field("Bombs.Used", Bombs.Used);
  j.Field("Bombs.UsedAtStageStart", Bombs.UsedAtStageStart);
  j.Field("Bombs.NoBombStreak", Bombs.NoBombStreak);
  j.Field("Bombs.Gauge", Bombs.Gauge);
  j.Field("Bombs.Timer", Bombs.Timer);
  j.Field("BarrierSize", BarrierSize);
  j.Field("ShipBank", ShipBank);
  j.Field("Invuln", Invuln);
  j.Field("PodAngle", PodAngle);
  j.Field("OrbitAngle", OrbitAngle);
  j.Field("BulletCount", BulletCount);
  j.Field("BonusCount", BonusCount);
  j.Field("BulletsFired", BulletsFired);
  j.Field("ShotMeter", ShotMeter);
  j.Field("ShotFrame", ShotFrame);
  j.Field("PlayTime", PlayTime);
  j.Field("GameOverTimer", GameOverTimer);
  j.Field("RankResult", RankResult);
  j.Field("AllClear", AllClear);
  j.Field("GameCleared", GameCleared);
  j.Field("ScriptHold", ScriptHold);
  j.Field("LastHitX", LastHitX);
  j.Field("LastHitY", LastHitY);
  j.Field("PopupCursor", PopupCursor);
  j.Field("AimTarget", AimTarget);
  j.Field("BonusGoal", BonusGoal);
  j.Field("BannerKind", BannerKind);
  j.Field("BannerTimer", BannerTimer);
  j.Field("BannerLength", BannerLength);
  const BossStateRecord& b = BossState;
  j.Field("BossState.Present", b.Present);
  j.Field("BossState.Clock", b.Clock);
  j.Field("BossState.GaugeShown", b.GaugeShown);
  j.Field("BossState.GaugeHp", b.GaugeHp);
  j.Field("BossState.Depletions", b.Depletions);
  j.Field("BossState.Slot", b.Slot);
  j.Field("BossState.Wait", b.Wait);
  j.Field("BossState.Attack", b.Attack);
  j.Field("BossState.TimeLeft", b.TimeLeft);
  j.Field("BossState.TimeLimit", b.TimeLimit);
  j.Field("BossState.ScoreFactor", b.ScoreFactor);
  j.Field("BossState.Parts", b.Parts);
  j.Field("BossState.PartsMax", b.PartsMax);
  j.Field("BossState.Aux0", b.Aux0);
  j.Field("BossState.Aux1", b.Aux1);
  j.Field("BossState.Loops", b.Loops);
  j.List("SpawnArgs", SpawnArgs);
  // [slot, AnimEvery, Hp, ExplosionSize, Variant, Bounty, Phase, Smokes, Work0, ..., Work9]
  j.BeginRows("Enemies");
  for (int i = EnemyFirst; i <= EnemyLast; ++i) {
    if (!ObjectTable[i].Active) continue;
    const EnemyRecord& e = Enemy(i);
    const auto& w = e.Work;
    j.Row({i, e.AnimEvery, e.Hp, e.ExplosionSize, e.Variant, e.Bounty, e.Phase, e.Smokes, w[0], w[1], w[2], w[3],
           w[4], w[5], w[6], w[7], w[8], w[9]});
  }
  j.EndRows(false);
  // [slot, Kind, Param, PosX, PosY, VelX, VelY, Speed, Angle, Life, HitScale, Age]
  j.BeginRows("Objects");
  for (int i = 0; i < ObjectCount; ++i) {
    const ObjectRecord& o = ObjectTable[i];
    if (o.Active) {
      j.Row({i, o.Kind, o.Param, o.PosX, o.PosY, o.VelX, o.VelY, o.Speed, o.Angle, o.Life, o.HitScale, o.Age});
    }
  }
  j.EndRows(false);
  // [index, X, Y, Shape, Frame] of every visible sprite register
  j.BeginRows("Sprites");
  for (int i = 0; i < SpriteManager::RegisterCount; ++i) {
    const SpriteRegister& r = Sprites.Sprite(i);
    if (r.Visible) j.Row({i, r.X, r.Y, r.Shape, r.Frame});
  }
  j.EndRows(true);
  j.out += "}\n";
  return j.out;
}

}  // namespace omb
