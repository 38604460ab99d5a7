#include "shell/dump.h"

#include "objects/motion.h"
#include "shell/components.h"
#include "shell/shell.h"

namespace omb {
namespace {

void Field(std::string& out, const char* name, long long value) {
  out += "  \"";
  out += name;
  out += "\": ";
  out += std::to_string(value);
  out += ",\n";
}

}  // namespace

std::string DumpState() {
  std::string out = "{\n";
  Field(out, "GameState", GameState);
  Field(out, "FrameCount", FrameCount);
  Field(out, "StageFrame", StageFrame);
  Field(out, "RandSeed", RandSeed);
  Field(out, "PadNow", PadNow);
  Field(out, "PadPrev", PadPrev);
  Field(out, "ButtonsNow", ButtonsNow);
  Field(out, "ButtonsPrev", ButtonsPrev);
  Field(out, "AxisX", AxisX);
  Field(out, "AxisY", AxisY);
  Field(out, "AxisXPrev", AxisXPrev);
  Field(out, "AxisYPrev", AxisYPrev);
  out += "  \"Sprites\": [";
  bool first = true;
  for (int i = 0; i < SpriteManager::RegisterCount; ++i) {
    const SpriteRegister& r = Sprites.Sprite(i);
    if (!r.Visible) continue;
    out += first ? "\n    [" : ",\n    [";
    first = false;
    for (long long v : {static_cast<long long>(i), static_cast<long long>(r.X), static_cast<long long>(r.Y),
                        static_cast<long long>(r.Shape), static_cast<long long>(r.Frame)}) {
      out += std::to_string(v);
      out += ", ";
    }
    out.resize(out.size() - 2);
    out += "]";
  }
  out += first ? "]\n}\n" : "\n  ]\n}\n";
  return out;
}

}  // namespace omb
