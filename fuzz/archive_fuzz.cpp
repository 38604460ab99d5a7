// Archive reader: directory, lookup, byte-pair expansion.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "media/archive.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::span<const uint8_t> file(data, size);
  std::vector<uint8_t> out;
  std::string error;
  bool compressed = false;
  std::vector<omb::ArchiveListing> entries;
  if (omb::ListArchive(file, compressed, entries, error)) {
    for (size_t i = 0; i < entries.size() && i < 4; ++i) {
      // Names equal but for case find the first of them.
      auto upper = [](std::string s) {
        for (char& c : s) c = c >= 'a' && c <= 'z' ? static_cast<char>(c - 32) : c;
        return s;
      };
      size_t first = 0;
      while (upper(entries[first].Name) != upper(entries[i].Name)) ++first;
      if (omb::ReadArchiveEntry(file, entries[i].Name, out, error) &&
          out.size() != entries[first].FullSize)
        std::abort();
    }
  }
  omb::ReadArchiveEntry(file, "CG1.BMP", out, error);

  // The input as a bare block stream, its full size taken from the first bytes.
  if (size >= 3) {
    const uint32_t fullSize = data[0] | data[1] << 8 | (data[2] & 3) << 16;
    if (omb::ExpandBytePairs(file.subspan(3), fullSize, out) && out.size() != fullSize)
      std::abort();
  }

  return 0;
}
