// The asset tables loaded at start-up: the image sheets, the shape table that
// cuts them into numbered pieces, the sound channels and the stage looks.
#pragma once
#include <array>
#include <cstdint>
#include <span>

namespace omb {

// One run of the shape table: shapes First .. First + Count - 1 are cells of
// W x H laid out PerRow to a row from (X0, Y0) on sheet Sheet.
struct ShapeRun {
  int16_t First, Count, Sheet, W, H, X0, Y0, PerRow;
};

// The start-up shape table, in load order.
inline constexpr ShapeRun ShapeRuns[] = {
    {0, 96, 1, 16, 16, 0, 0, 16},        // font: shape = character code - 32
    {96, 8, 1, 16, 16, 160, 96, 6},      // menu cursor
    {104, 1, 1, 160, 96, 0, 96, 1},      // side panel piece
    {105, 10, 1, 6, 16, 160, 128, 10},   // boss countdown digits
    {115, 10, 1, 6, 16, 160, 144, 10},   // the same, flashing
    {125, 1, 1, 25, 16, 220, 144, 1},    // boss countdown label
    {126, 2, 1, 16, 16, 192, 112, 2},    // bomb gauge frame and bar
    {128, 1, 1, 8, 8, 240, 112, 1},      // boss gauge bar
    {129, 8, 1, 8, 8, 160, 160, 8},      // background stars
    {137, 5, 1, 32, 16, 160, 176, 3},    // bonus popup
    {149, 1, 4, 256, 64, 0, 0, 1},       // title logo
    {150, 12, 2, 48, 48, 0, 0, 5},       // ship by lean, then its shield
    {162, 9, 2, 32, 32, 96, 96, 5},      // sub-shot pods, 166 upright
    {171, 4, 2, 16, 48, 0, 144, 4},      // main shot
    {175, 20, 2, 16, 16, 96, 160, 10},   // sub shots
    {200, 15, 4, 48, 48, 0, 64, 5},      // multiplier popups
    {215, 11, 6, 64, 64, 0, 48, 4},      // bomb blast
    {250, 12, 3, 32, 32, 0, 0, 8},       // spark
    {262, 16, 3, 16, 16, 128, 32, 8},    // debris
    {278, 11, 3, 64, 64, 0, 64, 4},      // explosion
    {290, 4, 4, 48, 48, 0, 0, 4},
    {294, 4, 4, 32, 32, 0, 48, 4},
    {298, 8, 4, 32, 32, 0, 80, 8},
    {306, 1, 4, 128, 128, 0, 128, 1},
    {307, 15, 4, 8, 8, 192, 16, 8},
    {322, 12, 4, 16, 16, 0, 208, 12},    // smoke
    {334, 8, 2, 16, 16, 0, 192, 8},      // barrier markers
    {342, 4, 3, 32, 32, 192, 192, 2},    // small spark
    {350, 8, 5, 32, 32, 0, 104, 8},      // bullet type 0
    {358, 8, 5, 32, 32, 0, 136, 8},      // bullet type 1
    {366, 4, 5, 16, 16, 0, 88, 4},       // bullet size 2, cancellable
    {370, 8, 5, 16, 16, 64, 88, 8},      // bullet size 2, solid
    {378, 4, 5, 24, 24, 128, 0, 4},      // bullet size 3, cancellable
    {382, 8, 5, 24, 24, 0, 64, 8},       // bullet size 3, solid
    {390, 4, 5, 32, 32, 0, 0, 4},        // bullet size 4, cancellable
    {394, 8, 5, 32, 32, 0, 32, 8},       // bullet size 4, solid
    {402, 8, 5, 32, 32, 0, 176, 8},      // captured bullet
    {410, 11, 5, 16, 16, 0, 208, 11},    // LASER
    {421, 4, 5, 32, 32, 0, 224, 4},      // ENERGY
    {425, 9, 5, 16, 16, 160, 224, 6},    // AIM
    {434, 4, 5, 10, 10, 192, 64, 4},     // bullet size 1, cancellable
    {438, 8, 5, 10, 10, 192, 74, 4},     // bullet size 1, solid
};

// Wave file of each sound channel 0 to 13.
inline constexpr const char* WaveFiles[14] = {
    "wave/click05.wav", "wave/click06.wav", "wave/guard01.wav", "wave/click04.wav",
    "wave/slash01.wav", "wave/shua.wav",    "wave/hit01.wav",   "wave/metal01.wav",
    "wave/laser03.wav", "wave/bom03.wav",   "wave/bom04.wav",   "wave/laser02.wav",
    "wave/hit01.wav",   "wave/hit01.wav",
};

// Look of each stage (indexed by Stage - 1): picks its script builder and its
// enemy kinds and images.
inline constexpr std::array<uint8_t, 6> StageLook = {1, 2, 3, 4, 2, 3};

// Sheets 1 to 11 from "cg.qda", each keyed by its own pixel (0, 0); the
// stage images 7 to 12 are kept for LoadSheet as well.
void LoadSheets();
// Fills the start-up shape table, run by run.
void LoadShapes();
// Defines the shapes of the runs on the sheets they name.
void CutShapes(std::span<const ShapeRun> runs);
// Waves 0 to 13 onto channels 0 to 13.
void LoadWaves();
// Reloads sheet n with image "cg" + image + ".bmp"; its colour key stays.
// The stage images come from what start-up kept, without reading the file.
void LoadSheet(int n, int image);

}  // namespace omb
