// DrawAll with every register visible, beside SDL's own colour-keyed software
// blit doing the same copies in the same order. Prints both times per frame
// and their ratio at the end.
//
//   build-render/bench/draw_bench --benchmark_min_time=0.5s
#include <SDL.h>
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <vector>

#include "media/display.h"
#include "media/sprites.h"
#include "media/surface.h"

namespace {

using omb::Display;
using omb::SpriteManager;
using omb::Surface;

constexpr uint32_t Key = 0xFF00FF;
constexpr int SheetCount = 11;

uint32_t Seed = 12345;
int Random(int lo, int hi) {  // inclusive
  Seed = Seed * 1103515245u + 12345u;
  return lo + static_cast<int>((Seed >> 8) % static_cast<uint32_t>(hi - lo + 1));
}

struct Rect {
  int sheet, x, y, w, h;
};

// The field as the game might look in a busy moment: sheets packed shelf by
// shelf with round blobs (about half of each cell is the key colour), and
// every register showing one of them.
struct Scene {
  std::unique_ptr<Display> display = std::make_unique<Display>();
  std::vector<std::unique_ptr<Surface>> sheets;
  std::unique_ptr<SpriteManager> sprites = std::make_unique<SpriteManager>();
  std::vector<Rect> shapes;

  SDL_Surface* sdlBack = nullptr;
  std::vector<SDL_Surface*> sdlSheets;

  int shelfSheet = 0, shelfX = 0, shelfY = 0, shelfH = 0;

  Rect Pack(int w, int h) {
    if (shelfX + w > Surface::Width) {
      shelfX = 0;
      shelfY += shelfH;
      shelfH = 0;
    }
    if (shelfY + h > Surface::Height) {
      ++shelfSheet;
      shelfX = shelfY = shelfH = 0;
    }
    Rect r{shelfSheet, shelfX, shelfY, w, h};
    shelfX += w;
    if (h > shelfH) shelfH = h;
    return r;
  }

  // A new shape of w x h holding a blob of radius 0.4 of the cell.
  int AddShape(int w, int h) {
    const Rect r = Pack(w, h);
    Surface& sheet = *sheets.at(r.sheet);
    const float cx = w / 2.0f, cy = h / 2.0f, radius = 0.4f * (w < h ? w : h);
    const uint32_t tint = static_cast<uint32_t>(Random(0, 0xFFFFFF)) & 0x7F7F7F;
    for (int y = 0; y < h; ++y) {
      for (int x = 0; x < w; ++x) {
        const float d = std::hypot(x + 0.5f - cx, y + 0.5f - cy);
        if (d >= radius) {
          sheet.PutPixel(r.x + x, r.y + y, Key);
          continue;
        }
        const uint32_t shade = static_cast<uint32_t>(127 * (1 - d / radius));
        sheet.PutPixel(r.x + x, r.y + y, tint + shade * 0x010101);
      }
    }
    const int index = static_cast<int>(shapes.size());
    sprites->SetShape(index, &sheet, r.x, r.y, r.x + w, r.y + h);
    shapes.push_back(r);
    return index;
  }

  // `count` registers from `first` on, spread over shapes [lo, hi].
  int Place(int first, int count, int lo, int hi) {
    for (int i = first; i < first + count; ++i) {
      omb::SpriteRegister& reg = sprites->Sprite(i);
      reg.Shape = Random(lo, hi);
      const Rect& r = shapes[reg.Shape];
      reg.X = Random(-r.w / 2, Display::Width - r.w / 2);
      reg.Y = Random(-r.h / 2, Display::Height - r.h / 2);
      sprites->Show(i);
    }
    return first + count;
  }

  Scene() {
    for (int i = 0; i < SheetCount; ++i) {
      sheets.push_back(std::make_unique<Surface>());
      sheets.back()->Create(*display);
      sheets.back()->PutPixel(0, 0, Key);
    }
    sprites->Create();
    const int glyphs = AddShape(16, 16);
    for (int i = 1; i < 96; ++i) AddShape(16, 16);
    const int star = AddShape(8, 8);
    const int bullets = AddShape(10, 10);
    for (int i = 1; i < 40; ++i) AddShape(10 + i * 22 / 39, 10 + i * 22 / 39);
    const int effects = AddShape(32, 32);
    for (int i = 1; i < 20; ++i) AddShape(32 + i * 32 / 19, 32 + i * 32 / 19);
    const int small = AddShape(12, 12);
    for (int i = 1; i < 30; ++i) AddShape(12 + i % 12, 12 + i % 10);
    const int enemies = AddShape(64, 64);
    for (int i = 1; i < 10; ++i) AddShape(64 + i * 64 / 9, 64 + i * 48 / 9);
    const int last = static_cast<int>(shapes.size()) - 1;
    for (auto& sheet : sheets) sheet->SetColorKey(sheet->GetPixel(0, 0));

    // The game's pools, in slot order.
    int next = 1;
    next = Place(next, 107, glyphs, glyphs + 95);
    next = Place(next, 15, small, small + 29);  // side panel
    next = Place(next, 400, bullets, bullets + 39);
    next = Place(next, 43, small, small + 29);  // ship group, afterimages, pop-ups
    next = Place(next, 90, effects, effects + 19);
    next = Place(next, 122, small, small + 29);  // player shots and the rest
    next = Place(next, 10, enemies, last);
    next = Place(next, 50, star, star);
    Place(0, 1, small, small);
    if (next != SpriteManager::RegisterCount) std::abort();

    sdlBack = SDL_CreateRGBSurfaceWithFormat(0, Display::Width, Display::Height, 32,
                                             SDL_PIXELFORMAT_RGB888);
    for (auto& sheet : sheets) {
      SDL_Surface* s = SDL_CreateRGBSurfaceWithFormat(0, Surface::Width, Surface::Height, 32,
                                                      SDL_PIXELFORMAT_RGB888);
      for (int y = 0; y < Surface::Height; ++y) {
        std::memcpy(static_cast<uint8_t*>(s->pixels) + y * s->pitch,
                    sheet->Pixels() + y * Surface::Width, Surface::Width * 4);
      }
      SDL_SetColorKey(s, SDL_TRUE, sheet->ColorKey());
      sdlSheets.push_back(s);
    }
  }

  ~Scene() {
    for (SDL_Surface* s : sdlSheets) SDL_FreeSurface(s);
    SDL_FreeSurface(sdlBack);
  }

  // The same copies through SDL, in DrawAll's order: highest register first.
  void SdlDrawAll() {
    for (int i = SpriteManager::RegisterCount - 1; i >= 0; --i) {
      const omb::SpriteRegister& reg = sprites->Sprite(i);
      const Rect& r = shapes[reg.Shape + reg.Frame];
      SDL_Rect src{r.x, r.y, r.w, r.h};
      SDL_Rect dst{reg.X, reg.Y, 0, 0};
      SDL_BlitSurface(sdlSheets[r.sheet], &src, sdlBack, &dst);
    }
  }

  long Pixels() const {
    long n = 0;
    for (int i = 0; i < SpriteManager::RegisterCount; ++i) {
      const omb::SpriteRegister& reg = sprites->Sprite(i);
      const Rect& r = shapes[reg.Shape];
      const int w = std::min(reg.X + r.w, Display::Width) - std::max(reg.X, 0);
      const int h = std::min(reg.Y + r.h, Display::Height) - std::max(reg.Y, 0);
      if (w > 0 && h > 0) n += static_cast<long>(w) * h;
    }
    return n;
  }
};

Scene& TheScene() {
  static Scene scene;
  return scene;
}

void BM_DrawAll(benchmark::State& state) {
  Scene& s = TheScene();
  for (auto _ : state) {
    s.sprites->DrawAll(*s.display);
    benchmark::DoNotOptimize(s.display->BackBuffer()[0]);
    benchmark::ClobberMemory();
  }
  state.SetItemsProcessed(state.iterations() * s.Pixels());
}
BENCHMARK(BM_DrawAll)->Unit(benchmark::kMicrosecond);

void BM_SdlKeyedBlits(benchmark::State& state) {
  Scene& s = TheScene();
  for (auto _ : state) {
    s.SdlDrawAll();
    benchmark::DoNotOptimize(static_cast<uint32_t*>(s.sdlBack->pixels)[0]);
    benchmark::ClobberMemory();
  }
  state.SetItemsProcessed(state.iterations() * s.Pixels());
}
BENCHMARK(BM_SdlKeyedBlits)->Unit(benchmark::kMicrosecond);

// Keeps the time per frame of the two runs for the closing ratio.
class RatioReporter : public benchmark::ConsoleReporter {
 public:
  double ours = 0, sdl = 0, oursCpu = 0, sdlCpu = 0;
  void ReportRuns(const std::vector<Run>& runs) override {
    ConsoleReporter::ReportRuns(runs);
    for (const Run& run : runs) {
      // With --benchmark_repetitions the median stands for the run.
      const bool median = run.run_type == Run::RT_Aggregate && run.aggregate_name == "median";
      if (!median && run.run_type != Run::RT_Iteration) continue;
      if (run.benchmark_name().rfind("BM_DrawAll", 0) == 0) {
        ours = run.GetAdjustedRealTime();
        oursCpu = run.GetAdjustedCPUTime();
      } else if (run.benchmark_name().rfind("BM_SdlKeyedBlits", 0) == 0) {
        sdl = run.GetAdjustedRealTime();
        sdlCpu = run.GetAdjustedCPUTime();
      }
    }
  }
};

// Both renderers must put the same pixels on screen before their speed means anything.
bool SamePicture(Scene& s) {
  s.display->BackColor = 0x203040;
  s.display->Clear();
  SDL_FillRect(s.sdlBack, nullptr, 0x203040);
  s.sprites->DrawAll(*s.display);
  s.SdlDrawAll();
  long differing = 0;
  for (int y = 0; y < Display::Height; ++y) {
    const auto* row = reinterpret_cast<const uint32_t*>(static_cast<uint8_t*>(s.sdlBack->pixels) +
                                                        y * s.sdlBack->pitch);
    for (int x = 0; x < Display::Width; ++x) {
      differing += (row[x] & 0xFFFFFF) != s.display->BackBuffer()[y * Display::Width + x];
    }
  }
  std::printf("%d registers, %ld pixels copied per frame, %ld pixels differ from SDL\n",
              SpriteManager::RegisterCount, s.Pixels(), differing);
  return differing == 0;
}

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  if (!SamePicture(TheScene())) return 1;
  RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  if (reporter.ours > 0 && reporter.sdl > 0) {
    std::printf("per frame (real): DrawAll %.1f us, SDL keyed blits %.1f us, ours/SDL %.2f\n",
                reporter.ours, reporter.sdl, reporter.ours / reporter.sdl);
    std::printf("per frame (CPU):  DrawAll %.1f us, SDL keyed blits %.1f us, ours/SDL %.2f\n",
                reporter.oursCpu, reporter.sdlCpu, reporter.oursCpu / reporter.sdlCpu);
  }
  benchmark::Shutdown();
  return 0;
}
