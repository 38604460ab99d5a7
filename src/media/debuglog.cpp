#include "media/debuglog.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace omb {
namespace {

struct LogFile {
  const char* name;
  FILE* file = nullptr;
  int count = 0;
};

LogFile Logs[] = {{"display.debug"}, {"sound.debug"}, {"input.debug"}, {"files.debug"}};
void (*FailureSink)(std::string_view) = nullptr;

}  // namespace

bool DebugLogOn() {
  static const bool on = [] {
    const char* v = std::getenv("OMBREZZA_DEBUG");
    return v != nullptr && std::strcmp(v, "1") == 0;
  }();
  return on;
}

void DebugReport(DebugLog which, std::string_view text) {
  if (!DebugLogOn()) return;
  LogFile& log = Logs[static_cast<int>(which)];
  if (log.file == nullptr) {
    log.file = std::fopen(log.name, "w");
    if (log.file == nullptr) return;
  }
  std::fprintf(log.file, "debug#%.5d %.*s\n", ++log.count, static_cast<int>(text.size()), text.data());
  std::fflush(log.file);
}

void ReportFailure(DebugLog which, std::string_view text) {
  if (FailureSink != nullptr) {
    FailureSink(text);
  } else {
    std::fprintf(stderr, "ombrezza: %.*s\n", static_cast<int>(text.size()), text.data());
  }
  DebugReport(which, text);
}

void SetFailureSinkForTests(void (*sink)(std::string_view)) { FailureSink = sink; }

}  // namespace omb
