// The game in a web page. The page hands its address's settings over as a
// command line (index.html): --play and its options as on the desktop, and
// --headless --frames N --input FILE for a scripted page, which plays the
// desktop's headless run - its virtual clock, its input script, its made-up
// calendar, a fresh folder in memory - and draws it on the canvas, so that a
// test can hold the picture of frame N against the native build's.
//
// The assets are preloaded at /game; the player's files are in /save, which
// web_files.js fills from IndexedDB before main starts. The browser calls the
// page once per animation frame, and each call runs the frames that are due
// (platform/web/web_platform.h).
#include <emscripten.h>
#include <emscripten/html5.h>

#include <cstdio>
#include <memory>
#include <string>

#include "app/command_line.h"
#include "app/run.h"
#include "media/game_paths.h"
#include "platform/headless/headless_platform.h"
#include "platform/web/web_canvas.h"
#include "platform/web/web_platform.h"
#include "shell/dump.h"
#include "shell/shell.h"

using namespace omb;

namespace {

constexpr const char* AssetFolder = "/game";
constexpr const char* PlayerFolder = "/save";
// A turn gives the browser its thread back after this long, or after this
// many frames; what is left waits for the next turn.
constexpr double TurnBudgetMs = 15;
constexpr int MaxFramesPerTurn = 10;
// A scripted page runs as fast as it can, but lets the page draw meanwhile.
constexpr double ScriptedTurnMs = 40;

// The desktop's headless run, shown on the page's canvas.
class ScriptedPage final : public HeadlessPlatform {
 public:
  explicit ScriptedPage(WebCanvas& canvas) : canvas_(canvas) {}
  void Present(const uint32_t* pixels) override {
    HeadlessPlatform::Present(pixels);
    canvas_.Take(pixels);
  }

 private:
  WebCanvas& canvas_;
};

struct Page {
  CommandLine Line;
  std::unique_ptr<WebPlatform> Player;
  std::unique_ptr<ScriptedPage> Scripted;
  WebCanvas ScriptedCanvas;
  ShellEvents Events;
  int64_t Frames = 0;   // frames run, for the page's checks
  double BusyMs = 0;    // time the turns took: the frames, and the picture put on the canvas
  bool Done = false;
  std::string Dump;
};
Page* ThePage = nullptr;

EM_JS(void, SetStatus, (const char* text), {
  if (Module['setStatus']) Module['setStatus'](UTF8ToString(text));
});

// The game has ended, as the desktop's program would: its files are saved,
// and a key or a click plays it again.
EM_JS(void, PageEnded, (), {
  if (Module['setStatus']) Module['setStatus']('Ombrezza has ended. Press a key or click to play again.');
  const again = () => setTimeout(() => location.reload(), 300);
  addEventListener('keydown', again, {once: true});
  addEventListener('pointerdown', again, {once: true});
});

// The game's shut-down; the page's loop stops after this turn.
void Finish(Page& page) {
  FormDestroy();
  ThePlatform = nullptr;
  page.Done = true;
}

EM_BOOL PlayerTurn(double, void* user) {
  Page& page = *static_cast<Page*>(user);
  WebPlatform& p = *page.Player;
  const double start = emscripten_performance_now();
  for (int ran = 0; ran < MaxFramesPerTurn; ++ran) {
    const double now = emscripten_performance_now();
    if (ran > 0 && now - start >= TurnBudgetMs) break;
    if (!p.FrameDue(now)) break;
    p.PumpEvents(page.Events);
    if (TerminateRequested) break;
    if (RestIfPaused()) break;
    IdleFrame();
    ++page.Frames;
    if (TerminateRequested) break;
  }
  p.EndTurn(emscripten_performance_now());
  page.BusyMs += emscripten_performance_now() - start;
  if (!TerminateRequested) return EM_TRUE;
  Finish(page);
  PageEnded();
  return EM_FALSE;
}

EM_BOOL ScriptedTurn(double, void* user) {
  Page& page = *static_cast<Page*>(user);
  ScriptedPage& p = *page.Scripted;
  const double start = emscripten_performance_now();
  while (p.Frame < page.Line.Frames && !TerminateRequested &&
         emscripten_performance_now() - start < ScriptedTurnMs) {
    p.PumpEvents(page.Events);
    if (TerminateRequested) break;
    // With --no-draw only the last frame, the one left on the canvas, is drawn.
    SkipDrawing = page.Line.NoDraw && p.Frame != page.Line.Frames;
    IdleFrame();
    ++page.Frames;
  }
  page.ScriptedCanvas.Show(false);
  if (p.Frame < page.Line.Frames && !TerminateRequested) return EM_TRUE;
  // The last frame stays on the canvas for the test to read.
  Finish(page);
  return EM_FALSE;
}

}  // namespace

// For the page's checks (tests/web): frames run and the milliseconds the
// page's turns took, the state as the desktop's --dump writes it, and whether
// a scripted page has run its frames.
extern "C" EMSCRIPTEN_KEEPALIVE double ombrezza_frames() {
  return ThePage != nullptr ? static_cast<double>(ThePage->Frames) : 0;
}
extern "C" EMSCRIPTEN_KEEPALIVE double ombrezza_busy_ms() { return ThePage != nullptr ? ThePage->BusyMs : 0; }
extern "C" EMSCRIPTEN_KEEPALIVE const char* ombrezza_dump() {
  if (ThePage == nullptr || ThePlatform == nullptr) return "";
  ThePage->Dump = DumpState();
  return ThePage->Dump.c_str();
}
extern "C" EMSCRIPTEN_KEEPALIVE int ombrezza_done() { return ThePage != nullptr && ThePage->Done ? 1 : 0; }

int main(int argc, char** argv) {
  auto page = std::make_unique<Page>();
  std::string error;
  CommandLine& cl = page->Line;
  if (!ParseCommandLine(argc, argv, cl, error)) {
    std::fprintf(stderr, "ombrezza: %s\n", error.c_str());
    SetStatus(("This address does not say how to play: " + error).c_str());
    return 2;
  }
  GameLayout layout;
  layout.DataDir = PlayerFolder;
  layout.AssetDir = AssetFolder;
  if (!EnterDataDirectory(layout, error)) {
    std::fprintf(stderr, "ombrezza: %s\n", error.c_str());
    SetStatus(error.c_str());
    return 1;
  }
  if (cl.Headless) {
    page->Scripted = std::make_unique<ScriptedPage>(page->ScriptedCanvas);
    if (!cl.InputFile.empty()) {
      InputScript script;
      if (!LoadInputScript(cl.InputFile, script, error)) {
        std::fprintf(stderr, "ombrezza: %s\n", error.c_str());
        SetStatus(error.c_str());
        return 1;
      }
      page->Scripted->SetScript(std::move(script));
    }
    page->ScriptedCanvas.Start();
    ThePlatform = page->Scripted.get();
  } else {
    page->Player = std::make_unique<WebPlatform>();
    page->Player->Start(cl.PauseOnFocusLoss);
    ThePlatform = page->Player.get();
  }
  StartGame(cl);
  ThePage = page.release();
  SetStatus("");
  emscripten_request_animation_frame_loop(cl.Headless ? ScriptedTurn : PlayerTurn, ThePage);
  return 0;
}
