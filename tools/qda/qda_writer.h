// Writer of the game's image archive format: used by the qda tool and by the
// asset generator.
#pragma once
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace qda {

struct Entry {
  std::string Name;           // at most 255 single-byte characters
  std::vector<uint8_t> Data;  // the entry's full bytes
};

// Byte-pair encodes `data` into blocks (pair table, 32-bit little-endian
// length, codes) whose expansion never needs more than 256 stack bytes.
std::vector<uint8_t> EncodeBytePairs(std::span<const uint8_t> data);

// A whole archive: header, directory, data. With `bytePairs` the compression
// flag is 1 and every entry is encoded; otherwise entries are stored.
std::vector<uint8_t> Pack(const std::vector<Entry>& entries, bool bytePairs);

// Writes `bytes` to a temporary file beside `path`, then renames it over
// `path`, so a reader never sees half a file. False with a reason on failure.
bool WriteFileAtomic(const std::string& path, std::span<const uint8_t> bytes, std::string& error);

}  // namespace qda
