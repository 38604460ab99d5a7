// The archive writer's promise: whatever it byte-pair encodes expands back
// unchanged, with every block's pairs within the reader's stack.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "media/archive.h"
#include "qda_writer.h"

namespace {
// Past 1 KiB the encoder tries several block shapes; a few KiB reach them all
// while keeping each run short.
constexpr size_t kMaxEncoded = 4096;
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
