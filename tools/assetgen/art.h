// The drawing entry points, one per subject. Each fills the cells the layout
// table gives it; none draws outside its own cells.
#pragma once
#include "canvas.h"
#include "mesh.h"

namespace assetgen {

void DrawHud(Images& images);       // font, cursor, panel, gauges, countdown, stars, bonus
void DrawPlayer(Images& images);    // ship, shield, pods, shots, barrier markers
void DrawEffects(Images& images);   // sparks, debris, explosions, smoke, bomb blast
void DrawTitle(Images& images);     // logo, multiplier popups, the spare runs beneath them
void DrawBullets(Images& images);   // enemy bullets, flashes, captured bullet, special weapons
void DrawShared(Images& images);    // the small craft every stage meets (image 9)
void DrawStage1(Images& images);
void DrawStage2(Images& images);
void DrawStage3(Images& images);
void DrawStage4(Images& images);

// The player's ship (sheet 2), which the program's icon shows as well.
Mesh PlayerShipModel();

// Darkens the transparent pixels around a drawn area into a thin rim, so the
// sprite keeps a crisp edge over stars and bullets.
void Rim(Images& images, int image, Rect area, double alpha = 0.85);

// Clears every pixel of the area that would show dimmer than `level` (its
// strongest channel, 0 to 255, as seen on black) and makes the rest opaque.
// The game draws every visible pixel solid, so the faint fringe of a glow
// would otherwise come out as a dark smudge over whatever lies beneath.
void Harden(Images& images, int image, Rect area, int level);

}  // namespace assetgen
