#include "persistence/options.h"

namespace omb {

void LoadOptions(bool) {}
void SaveOptions() {}
void WriteDefaultOptions() {}

}  // namespace omb
