#include "app/run.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "app/gallery.h"
#include "app/verify.h"
#include "media/game_paths.h"
#include "platform/headless/headless_platform.h"
#include "platform/png/png_writer.h"
#include "shell/components.h"
#include "shell/dump.h"
#include "shell/shell.h"

namespace fs = std::filesystem;

namespace omb {
namespace {

int Fail(const std::string& message) {
  std::fprintf(stderr, "ombrezza: %s\n", message.c_str());
  return 1;
}

// Paths given on the command line are meant from where the program was
// started, not from the game directory it moves into.
void MakeAbsolute(std::string& path) {
  if (!path.empty()) path = fs::absolute(path).string();
}

// A game directory, or an installation's shared assets and the player's
// folder in their home (media/game_paths.h).
bool EnterGameFolders(const std::string& dir, std::string& error) {
  LayoutInputs inputs;
  GameLayout layout;
  return ProbeLayout(dir, inputs, error) && ChooseLayout(inputs, layout, error) && EnterDataDirectory(layout, error);
}

// With --no-draw, only a frame whose picture is asked for is drawn.
bool DrawThisFrame(const CommandLine& cl, const HeadlessPlatform& headless) {
  if (!cl.NoDraw) return true;
  for (const FrameFile& f : cl.Screenshots) {
    if (f.Frame == headless.Frame) return true;
  }
  return false;
}

// After each frame of a headless run: the screenshots and dumps asked for.
bool AfterHeadlessFrame(const CommandLine& cl, const HeadlessPlatform& headless) {
  bool ok = true;
  for (const FrameFile& f : cl.Screenshots) {
    std::string error;
    if (f.Frame == headless.Frame && !WritePng(f.Path, headless.LastFrame.data(), ScreenWidth, ScreenHeight, error)) {
      std::fprintf(stderr, "ombrezza: %s\n", error.c_str());
      ok = false;
    }
  }
  for (const FrameFile& f : cl.Dumps) {
    if (f.Frame != headless.Frame) continue;
    std::ofstream out(f.Path, std::ios::binary);
    out << DumpState();
    if (!out) {
      std::fprintf(stderr, "ombrezza: cannot write %s\n", f.Path.c_str());
      ok = false;
    }
  }
  return ok;
}

}  // namespace

int BadCommandLine(const std::string& error) {
  std::fprintf(stderr, "ombrezza: %s\n%s", error.c_str(), Usage);
  return 2;
}

bool LoadInputScript(const std::string& path, InputScript& script, std::string& error) {
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    error = "cannot read the input script " + path;
    return false;
  }
  std::ostringstream text;
  text << in.rdbuf();
  if (script.Parse(text.str(), error)) return true;
  error = path + ": " + error;
  return false;
}

void StartGame(const CommandLine& cl) {
  FormCreate();
  ScreenInit();
  if (cl.FullScreen) FormKeyDown(KeyF5);
  if (cl.PlayStage != 0) {
    DirectPlayRequest = {true, cl.PlayStage, cl.SubShot, cl.SpecialWeapon, cl.GameMode, cl.BulletStyle, cl.Buttons};
  }
}

int RunProgram(CommandLine cl, OpenWindowFn openWindow) {
  std::string error;
  MakeAbsolute(cl.InputFile);
  MakeAbsolute(cl.GalleryDir);
  for (FrameFile& f : cl.Screenshots) MakeAbsolute(f.Path);
  for (FrameFile& f : cl.Dumps) MakeAbsolute(f.Path);

  std::unique_ptr<Platform> platform;
  HeadlessPlatform* headless = nullptr;
  if (cl.Headless) {
    auto h = std::make_unique<HeadlessPlatform>();
    if (!cl.InputFile.empty()) {
      InputScript script;
      if (!LoadInputScript(cl.InputFile, script, error)) return Fail(error);
      h->SetScript(std::move(script));
    }
    headless = h.get();
    platform = std::move(h);
  } else if (openWindow == nullptr) {
    return BadCommandLine("this build has no window; it runs with --headless");
  } else {
    platform = openWindow(cl, error);
    if (!platform) return Fail(error);
  }
  if (!EnterGameFolders(cl.Dir, error)) return Fail(error);
  ThePlatform = platform.get();

  if (!cl.GalleryDir.empty() || cl.VerifySlot >= 0) {
    const int rc = cl.VerifySlot >= 0 ? VerifyReplay(cl.VerifySlot) : RunGallery(cl.GalleryDir);
    ThePlatform = nullptr;
    return rc;
  }
  ShellEvents events;
  bool ok = true;
  StartGame(cl);
  while (!(headless != nullptr && headless->Frame >= cl.Frames)) {
    platform->PumpEvents(events);
    if (TerminateRequested) break;
    if (RestIfPaused()) continue;
    // PumpEvents counted the frame about to run.
    if (headless != nullptr) SkipDrawing = !DrawThisFrame(cl, *headless);
    IdleFrame();
    if (headless != nullptr) ok = AfterHeadlessFrame(cl, *headless) && ok;
    if (TerminateRequested) break;
  }
  FormDestroy();
  ThePlatform = nullptr;
  return ok ? 0 : 1;
}

}  // namespace omb
