// Reader of the game's image archive ("cg.qda"): a 256-byte header, a
// directory of 268-byte entries and each entry's bytes, stored as they are or
// byte-pair encoded.
#pragma once
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace omb {

// Reads entry `name` (compared without regard to ASCII case) of the archive
// file `archive` into `out`, replacing its contents. On failure returns false,
// leaves `out` empty and puts the reason, worded as the player should see it,
// into `error`.
bool OpenArchiveEntry(std::string_view archive, std::string_view name,
                      std::vector<uint8_t>& out, std::string& error);

// The same on an archive already in memory (tests, fuzzing, tools).
bool ReadArchiveEntry(std::span<const uint8_t> file, std::string_view name,
                      std::vector<uint8_t>& out, std::string& error);

// Expands byte-pair encoded data of `stored` bytes into exactly `fullSize`
// bytes. False when the data is cut short, overflows the expansion stack or
// expands to another size.
bool ExpandBytePairs(std::span<const uint8_t> stored, uint32_t fullSize,
                     std::vector<uint8_t>& out);

struct ArchiveListing {
  std::string Name;
  uint32_t Position = 0;
  uint32_t StoredSize = 0;
  uint32_t FullSize = 0;
};

// The directory of an archive in memory, for the qda tool.
bool ListArchive(std::span<const uint8_t> file, bool& compressed,
                 std::vector<ArchiveListing>& entries, std::string& error);

}  // namespace omb
