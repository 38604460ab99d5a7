// The one table of stages: for each stage, its spawn table, its behaviours,
// its script builder and its art. A stage is its two files (stageN.cpp: its
// craft, spawn table and script; stageN_boss.cpp: its boss and lives), its row
// in Stages (stages.cpp, entry points declared below) and its row in the
// kinds table (kinds.h).
#pragma once
#include <cstdint>
#include <span>

#include "enemies/kinds.h"

namespace omb {

// What a spawn code starts: the behaviour the enemy runs, its kind, and its
// start (its motion and Work values, and for a boss the boss state; null for
// none). Variant is what SetEnemyTag gives it.
struct SpawnRow {
  int32_t Behaviour;
  int32_t Kind;
  void (*Start)(int slot);
  int32_t Variant = 0;
};

struct StageRow {
  std::span<const SpawnRow> (*Spawns)();  // by spawn code
  void (*Behaviour)(int slot);            // runs the behaviour of the object's Kind
  void (*BuildScript)();
  const StageArt& Art;
};

// The game reads the table two ways: a stage's look (StageLook) chooses its
// spawn table, its kinds and its script, while Stage itself chooses the
// behaviours. Both are null outside the table.
const StageRow* RowOfLook(int32_t look);
const StageRow* RowOfStage(int32_t stage);
// The look of a stage; 0 (no look) outside the look table.
int32_t LookOf(int32_t stage);

// Each stage's entry points.
std::span<const SpawnRow> Stage1Spawns();
void Stage1Behaviour(int slot);
void BuildStage1Script();
void Stage1BossStart(int slot);
void Stage1Boss(int slot);

std::span<const SpawnRow> Stage2Spawns();
void Stage2Behaviour(int slot);
void BuildStage2Script();
void Stage2BossStart(int slot);
void Stage2Boss(int slot);

std::span<const SpawnRow> Stage3Spawns();
void Stage3Behaviour(int slot);
void BuildStage3Script();
void Stage3BossStart(int slot);
void Stage3Boss(int slot);

std::span<const SpawnRow> Stage4Spawns();
void Stage4Behaviour(int slot);
void BuildStage4Script();
void Stage4BossStart(int slot);
void Stage4Boss(int slot);

}  // namespace omb
