// The archive writer's promise: whatever it byte-pair encodes expands back
// unchanged, with every block's pairs within the reader's stack.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "media/archive.h"
#include "qda_writer.h"

namespace {
// Up to 1 KiB the encoder makes one block of one shape, and each run stays
// short; the shapes tried above that are left to the unit tests.
constexpr size_t kMaxEncoded = 1024;
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::span<const uint8_t> input(data, std::min(size, kMaxEncoded));
  const std::vector<uint8_t> encoded = qda::EncodeBytePairs(input);
  std::vector<uint8_t> out;
  if (!omb::ExpandBytePairs(encoded, static_cast<uint32_t>(input.size()), out) ||
      !std::equal(out.begin(), out.end(), input.begin(), input.end()))
    std::abort();
  return 0;
}
