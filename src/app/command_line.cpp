#include "app/command_line.h"

#include <charconv>
#include <string_view>

namespace omb {

const char* const Usage =
    "usage: ombrezza [--dir DIR] [--fullscreen] [--scale N] [--no-pause-on-focus-loss] [PLAY]\n"
    "       ombrezza --headless --frames N [--dir DIR] [--input FILE] [PLAY]\n"
    "                [--screenshot N:PATH]... [--dump N:PATH]... [--no-draw]\n"
    "       ombrezza --headless --gallery DIR [--dir DIR]\n"
    "       ombrezza --headless --verify-replay SLOT [--dir DIR]\n"
    "PLAY:  --play STAGE [--weapons SUB,SPECIAL] [--mode N] [--style N]\n"
    "              [--buttons F0,F1,F2,F3,F4,F5]\n"
    "       (stage 1-4; sub 0 TILT, 1 CURVE, 2 WAVE; special 0 LASER, 1 ENERGY, 2 AIM;\n"
    "        mode 0 NORMAL, 1 TECHNICAL, 2 NON-BARRIER, 3 THEATER, 4 ANOTHER;\n"
    "        style 0 NORMAL, 1 SMALL, 2 BIG, 3 MICRO, 4 HUGE;\n"
    "        buttons 0 shot, 1 bomb, 2 barrier, 3 none;\n"
    "        mode, style and buttons default to option.txt and are never saved)\n"
    "--no-draw: draw only the frames of the screenshots; the game runs the same\n"
    "--no-pause-on-focus-loss: play on while the window lacks the focus (P, Pause\n"
    "              or the game pad's Start still pause)\n";

namespace {

bool ParseInt(std::string_view text, int64_t& value) {
  auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  return ec == std::errc() && end == text.data() + text.size();
}

bool ParseFrameFile(std::string_view text, FrameFile& out) {
  const std::size_t colon = text.find(':');
  if (colon == std::string_view::npos || colon + 1 == text.size()) return false;
  if (!ParseInt(text.substr(0, colon), out.Frame) || out.Frame < 1) return false;
  out.Path.assign(text.substr(colon + 1));
  return true;
}

// Exactly six comma-separated functions, each 0 to 3.
bool ParseButtons(std::string_view text, std::array<int32_t, 6>& out) {
  std::array<int32_t, 6> got{};
  for (std::size_t k = 0; k < got.size(); ++k) {
    const std::size_t comma = text.find(',');
    const bool last = k + 1 == got.size();
    if ((comma == std::string_view::npos) != last) return false;
    int64_t f = 0;
    if (!ParseInt(text.substr(0, comma), f) || f < 0 || f > 3) return false;
    got[k] = static_cast<int32_t>(f);
    if (!last) text.remove_prefix(comma + 1);
  }
  out = got;
  return true;
}

}  // namespace

bool ParseCommandLine(int argc, char** argv, CommandLine& out, std::string& error) {
  bool playOptions = false;
  for (int i = 1; i < argc; ++i) {
    const std::string_view arg = argv[i];
    const bool hasValue = i + 1 < argc;
    auto value = [&]() -> std::string_view { return argv[++i]; };
    auto bad = [&](const char* what) {
      error = std::string(arg) + ": " + what;
      return false;
    };
    int64_t number = 0;
    if (arg == "--fullscreen") {
      out.FullScreen = true;
    } else if (arg == "--headless") {
      out.Headless = true;
    } else if (arg == "--no-draw") {
      out.NoDraw = true;
    } else if (arg == "--no-pause-on-focus-loss") {
      out.PauseOnFocusLoss = false;
    } else if (!hasValue) {
      return bad(arg.starts_with("--") ? "needs a value" : "unknown argument");
    } else if (arg == "--dir") {
      out.Dir = value();
    } else if (arg == "--scale") {
      if (!ParseInt(value(), number) || number < 1 || number > 8) return bad("expects a whole number 1 to 8");
      out.Scale = static_cast<int>(number);
    } else if (arg == "--frames") {
      if (!ParseInt(value(), number) || number < 0) return bad("expects a frame count");
      out.Frames = number;
    } else if (arg == "--input") {
      out.InputFile = value();
    } else if (arg == "--screenshot" || arg == "--dump") {
      FrameFile f;
      if (!ParseFrameFile(value(), f)) return bad("expects N:PATH with N counting frames from 1");
      (arg == "--dump" ? out.Dumps : out.Screenshots).push_back(std::move(f));
    } else if (arg == "--play") {
      if (!ParseInt(value(), number) || number < 1 || number > StageCount) return bad("expects a stage 1 to 4");
      out.PlayStage = static_cast<int32_t>(number);
    } else if (arg == "--weapons") {
      const std::string_view w = value();
      const std::size_t comma = w.find(',');
      int64_t sub = 0, special = 0;
      if (comma == std::string_view::npos || !ParseInt(w.substr(0, comma), sub) ||
          !ParseInt(w.substr(comma + 1), special) || sub < 0 || sub > 2 || special < 0 || special > 2) {
        return bad("expects SUB,SPECIAL, each 0 to 2");
      }
      out.SubShot = static_cast<int32_t>(sub);
      out.SpecialWeapon = static_cast<int32_t>(special);
    } else if (arg == "--mode") {
      if (!ParseInt(value(), number) || number < 0 || number > 4) return bad("expects a game mode 0 to 4");
      out.GameMode = static_cast<int32_t>(number);
      playOptions = true;
    } else if (arg == "--style") {
      if (!ParseInt(value(), number) || number < 0 || number > 4) return bad("expects a bullet style 0 to 4");
      out.BulletStyle = static_cast<int32_t>(number);
      playOptions = true;
    } else if (arg == "--buttons") {
      if (!ParseButtons(value(), out.Buttons.emplace())) {
        return bad("expects six button functions F0,F1,F2,F3,F4,F5, each 0 to 3");
      }
      playOptions = true;
    } else if (arg == "--gallery") {
      out.GalleryDir = value();
    } else if (arg == "--verify-replay") {
      if (!ParseInt(value(), number) || number < 0 || number > 149) return bad("expects a replay slot 0 to 149");
      out.VerifySlot = static_cast<int32_t>(number);
    } else {
      return bad("unknown argument");
    }
  }
  if (!out.Headless && (out.Frames >= 0 || !out.InputFile.empty() || !out.Screenshots.empty() || !out.Dumps.empty())) {
    error = "--frames, --input, --screenshot and --dump need --headless";
    return false;
  }
  if (out.NoDraw && !out.Headless) {
    error = "--no-draw needs --headless";
    return false;
  }
  if (!out.GalleryDir.empty() && !out.Headless) {
    error = "--gallery needs --headless";
    return false;
  }
  if (playOptions && out.PlayStage == 0) {
    error = "--mode, --style and --buttons need --play";
    return false;
  }
  if (out.VerifySlot >= 0 && (!out.Headless || out.PlayStage != 0 || !out.GalleryDir.empty())) {
    error = "--verify-replay needs --headless and goes without --play and --gallery";
    return false;
  }
  if (out.Headless && out.Frames < 0 && out.GalleryDir.empty() && out.VerifySlot < 0) {
    error = "--headless needs --frames N";
    return false;
  }
  return true;
}

}  // namespace omb
