#include "enemies/script.h"

#include "enemies/stages.h"
#include "shell/start_values.h"

namespace omb {

void OpenScript() {
  StageScript.fill(ScriptEntry{});  // nothing of the previous stage survives
  RestoreStartValues<ScriptCount, ScriptTime>();
}

void AddEntry(int32_t spawn, int32_t x, int32_t y) {
  // The longest script has 282 entries; the guard only keeps a bad builder
  // from writing past the table.
  if (ScriptCount < 0 || ScriptCount >= ScriptCapacity) return;
  StageScript[ScriptCount] = ScriptEntry{static_cast<int16_t>(ScriptTime), static_cast<int16_t>(x),
                                         static_cast<int16_t>(y), static_cast<uint8_t>(spawn)};
  ++ScriptCount;
}

void AddWarning() {
  ScriptTime += 100;
  const int32_t t = ScriptTime;
  ScriptTime = ScriptWarning;
  AddEntry(0, 0, 0);
  ScriptTime = t + 100;
}

void AddEnd() {
  ScriptTime = ScriptEnd;
  AddEntry(0, 0, 0);
}

void BuildStageScript(int32_t look) {
  if (const StageRow* row = RowOfLook(look)) {
    row->BuildScript();
  } else {
    OpenScript();
    AddEnd();
  }
}

void ResetStageScript() {
  StageScript.fill(ScriptEntry{});
  RestoreStartValues<ScriptPos, ScriptHold, ScriptTime, ScriptCount>();
}

}  // namespace omb
