// The in-game display: the side panel's figures and gauges, the boss gauge
// and countdown along the bottom of the field, the banners typed out in the
// middle of the field, and the end of the game.
#pragma once
#include <cstdint>
#include <string_view>

namespace omb {

enum : int32_t { BannerStage = 1, BannerWarning = 2, BannerCleared = 3 };

inline int32_t BannerKind = 0;
inline int32_t BannerTimer = 0;   // frames left; 0 = none
inline int32_t BannerLength = 0;  // the banner's whole duration

void ResetHud();

void ShowBanner(int32_t kind, int32_t frames);
// The first characters of text a banner shows: one more every 10 frames.
std::string_view Typewriter(std::string_view text, int32_t timer, int32_t length);
// The no-bomb bonus of a stage cleared with this streak, scaled by the
// bullet style like its score drift.
int32_t NoBombBonus(int32_t streak);

// Play-frame steps, in this order.
void UpdatePanel();
void DrawHud();

}  // namespace omb
