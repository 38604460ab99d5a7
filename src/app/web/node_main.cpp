// The game under node: the headless program of the desktop, compiled to
// WebAssembly, with every flag of the desktop's --headless. Its files are the
// machine's own, so a replay or a dump it writes is compared with the native
// build's byte for byte. Without --dir it plays from the folder of its script,
// which the build fills as a game directory.
#include <emscripten.h>

#include "app/command_line.h"
#include "app/run.h"

using namespace omb;

namespace {

// The folder of the script node was started with; /proc/self/exe would name
// node itself.
EM_JS(int, ScriptFolder, (char* out, int size), {
  const dir = require('path').dirname(require('fs').realpathSync(process.argv[1]));
  stringToUTF8(dir, out, size);
  return lengthBytesUTF8(dir);
});

}  // namespace

int main(int argc, char** argv) {
  CommandLine cl;
  std::string error;
  if (!ParseCommandLine(argc, argv, cl, error)) return BadCommandLine(error);
  if (cl.Dir.empty()) {
    char dir[4096];
    const int n = ScriptFolder(dir, sizeof dir);
    if (n > 0 && n < static_cast<int>(sizeof dir)) cl.Dir = dir;
  }
  return RunProgram(std::move(cl), nullptr);
}
