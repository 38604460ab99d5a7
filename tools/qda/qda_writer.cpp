#include "qda_writer.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstdio>
#include <cstring>

namespace qda {
namespace {

constexpr size_t kHeaderSize = 256;
constexpr size_t kEntrySize = 268;
constexpr size_t kNameSize = 256;
// The reader pushes a pair's right half while it expands the left, so a code
// nested d pairs deep needs d stack bytes; 255 levels stay within its 256.
constexpr int kMaxDepth = 255;

void PutLe32(std::vector<uint8_t>& out, uint32_t v) {
  for (int i = 0; i < 4; ++i) out.push_back(static_cast<uint8_t>(v >> (8 * i)));
}

struct PairTable {
  std::array<uint8_t, 256> Left, Right, Depth{};
  std::array<bool, 256> Used{};

  PairTable() {
    for (int c = 0; c < 256; ++c) Left[c] = Right[c] = static_cast<uint8_t>(c);
  }
  bool IsPair(int c) const { return Left[c] != c; }
};

// Writes the table in the fewest bytes: a count byte n < 128 is followed by
// n + 1 entries, a byte 128 + k - 1 skips k literal codes and is followed by
// one entry (none when it reaches code 256). Entries cost 1 byte for a
// literal, 2 for a pair; the cheapest mix follows from the end backwards,
// the fewest entries or skipped codes winning a tie.
void WriteTable(const PairTable& t, std::vector<uint8_t>& out) {
  std::array<int, 257> cost, choice;  // choice: +m = m entries, -k = skip k
  std::array<int, 257> entrySum{};    // entry bytes of codes [0, c)
  for (int c = 0; c < 256; ++c) entrySum[c + 1] = entrySum[c] + (t.IsPair(c) ? 2 : 1);
  // m entries from c end at j = c + m and cost 1 + entrySum[j] - entrySum[c]
  // + cost[j]; k skipped codes end at j = c + k and cost afterSkip[j]. Both
  // ends lie within 128 codes after c, the skip's only over literals, so each
  // best end is a sliding-window minimum. A window keeps, in rising order of
  // j, the ends not beaten by a nearer one: their values fall towards the
  // back, which holds the best.
  struct Window {
    std::array<int, 258> Ends;
    int Front = 258, Back = 258;  // Ends[Front, Back)
    void Clear() { Front = Back = 258; }
    bool Empty() const { return Front == Back; }
    void PushNearer(int j, const std::array<int, 257>& value) {
      while (!Empty() && value[Ends[Front]] >= value[j]) ++Front;
      Ends[--Front] = j;
    }
    int Best(int last) {  // drops ends beyond `last`
      while (Ends[Back - 1] > last) --Back;
      return Ends[Back - 1];
    }
  } entries, skips;
  std::array<int, 257> afterEntries, afterSkip;
  cost[256] = 0;
  afterEntries[256] = entrySum[256];
  afterSkip[256] = 1;
  int literalRun = 0;  // literal codes from c on
  for (int c = 255; c >= 0; --c) {
    const int j = c + 1;
    if (j < 256) {
      afterEntries[j] = entrySum[j] + cost[j];
      afterSkip[j] = 1 + (t.IsPair(j) ? 2 : 1) + cost[j + 1];
    }
    entries.PushNearer(j, afterEntries);
    const int m = entries.Best(std::min(c + 128, 256)) - c;
    cost[c] = 1 - entrySum[c] + afterEntries[c + m];
    choice[c] = m;
    if (t.IsPair(c)) {
      literalRun = 0;
      skips.Clear();
      continue;
    }
    ++literalRun;
    skips.PushNearer(j, afterSkip);
    const int k = skips.Best(c + std::min(literalRun, 128)) - c;
    if (afterSkip[c + k] < cost[c]) cost[c] = afterSkip[c + k], choice[c] = -k;
  }
  auto entry = [&](int c) {
    out.push_back(t.Left[c]);
    if (t.IsPair(c)) out.push_back(t.Right[c]);
  };
  for (int c = 0; c < 256;) {
    if (choice[c] > 0) {
      out.push_back(static_cast<uint8_t>(choice[c] - 1));
      for (int i = 0; i < choice[c]; ++i) entry(c + i);
      c += choice[c];
    } else {
      const int k = -choice[c];
      out.push_back(static_cast<uint8_t>(127 + k));
      c += k;
      if (c == 256) break;
      entry(c++);
    }
  }
}

// Replaces the most frequent pair with an unused code, again and again, while
// that still saves bytes; then writes table, length and codes.
// `counts` holds one zero per possible pair on entry and on return.
void EncodeBlock(std::span<const uint8_t> block, int minCount, std::vector<uint32_t>& counts,
                 std::vector<uint8_t>& out) {
  std::vector<uint8_t> buf(block.begin(), block.end());
  PairTable t;
  for (uint8_t b : buf) t.Used[b] = true;

  for (;;) {
    int freeCode = -1;
    for (int c = 0; c < 256 && freeCode < 0; ++c)
      if (!t.Used[c]) freeCode = c;
    if (freeCode < 0) break;

    // Count pairs; inside a run of one byte only every other pair can be
    // replaced, which is what is counted. (Plain pointers: these loops are
    // the encoder's time, in unoptimised builds too.)
    uint8_t* const bytes = buf.data();
    const size_t size = buf.size();
    uint32_t* const count = counts.data();
    const uint8_t* const depth = t.Depth.data();
    uint32_t best = 0;
    int bestPair = -1;
    bool counted = false;
    for (size_t i = 0; i + 1 < size; ++i) {
      const int a = bytes[i], b = bytes[i + 1];
      if (a == b && counted && i > 0 && bytes[i - 1] == a) {
        counted = false;
        continue;
      }
      counted = true;
      const int pair = a << 8 | b;
      const uint32_t n = ++count[pair];
      if (n > best && (depth[a] > depth[b] ? depth[a] : depth[b]) < kMaxDepth)
        best = n, bestPair = pair;
    }
    for (size_t i = 0; i + 1 < size; ++i) count[bytes[i] << 8 | bytes[i + 1]] = 0;
    if (bestPair < 0 || best < static_cast<uint32_t>(minCount)) break;

    const uint8_t a = static_cast<uint8_t>(bestPair >> 8), b = static_cast<uint8_t>(bestPair);
    const uint8_t code = static_cast<uint8_t>(freeCode);
    size_t w = 0;
    for (size_t r = 0; r < size;) {
      if (r + 1 < size && bytes[r] == a && bytes[r + 1] == b) {
        bytes[w++] = code;
        r += 2;
      } else {
        bytes[w++] = bytes[r++];
      }
    }
    buf.resize(w);
    t.Left[code] = a;
    t.Right[code] = b;
    t.Depth[code] = static_cast<uint8_t>(std::max(t.Depth[a], t.Depth[b]) + 1);
    t.Used[code] = true;
  }

  WriteTable(t, out);
  PutLe32(out, static_cast<uint32_t>(buf.size()));
  out.insert(out.end(), buf.begin(), buf.end());
}

struct BlockShape {
  size_t MaxBytes;
  int MaxDistinct;
};

std::vector<uint8_t> EncodeBlocks(std::span<const uint8_t> data, BlockShape shape,
                                  std::vector<uint32_t>& counts) {
  std::vector<uint8_t> out;
  size_t start = 0;
  while (start < data.size()) {
    // A block ends at its size limit or before it would use too many
    // different bytes, so that codes stay free for pairs; but never before
    // 1 KiB, where a table would cost more than it could save.
    std::array<bool, 256> seen{};
    int distinct = 0;
    size_t end = start;
    while (end < data.size() && end - start < shape.MaxBytes) {
      if (!seen[data[end]]) {
        if (distinct >= shape.MaxDistinct && end - start >= 1024) break;
        seen[data[end]] = true;
        ++distinct;
      }
      ++end;
    }
    // A pair must occur 3 times to pay for its 2 or 3 table bytes.
    EncodeBlock(data.subspan(start, end - start), 3, counts, out);
    start = end;
  }
  return out;
}

}  // namespace

std::vector<uint8_t> EncodeBytePairs(std::span<const uint8_t> data) {
  // On our twelve 8-bit sheets 8 to 16 KiB blocks do best, about 22 % of the
  // full size; other art prefers other blocks, so a few shapes are tried and
  // the smallest result kept.
  static constexpr BlockShape kShapes[] = {
      {8192, 160}, {16384, 96}, {4096, 160}, {65536, 96}, {65536, 256}};
  std::vector<uint8_t> best;
  // One count per possible pair, all zero between blocks; kept from call to
  // call, since clearing 256 KiB would cost more than encoding a small entry.
  thread_local std::vector<uint32_t> counts(65536, 0);
  for (const BlockShape& shape : kShapes) {
    std::vector<uint8_t> out = EncodeBlocks(data, shape, counts);
    if (best.empty() || out.size() < best.size()) best = std::move(out);
    if (data.size() <= 1024) break;  // one block whatever the shape
  }
  return best;
}

std::vector<uint8_t> Pack(const std::vector<Entry>& entries, bool bytePairs) {
  std::vector<std::vector<uint8_t>> stored;
  if (bytePairs) {
    stored.reserve(entries.size());
    for (const Entry& e : entries) stored.push_back(EncodeBytePairs(e.Data));
  }
  std::vector<uint8_t> out(kHeaderSize, 0);
  out[0] = bytePairs ? 1 : 0;
  std::memcpy(out.data() + 4, "QDA0", 4);
  const uint32_t count = static_cast<uint32_t>(entries.size());
  for (int i = 0; i < 4; ++i) out[8 + i] = static_cast<uint8_t>(count >> (8 * i));

  // Data starts right after the directory, entries in directory order.
  uint32_t position = static_cast<uint32_t>(kHeaderSize + kEntrySize * entries.size());
  for (size_t i = 0; i < entries.size(); ++i) {
    const uint32_t full = static_cast<uint32_t>(entries[i].Data.size());
    const uint32_t size = bytePairs ? static_cast<uint32_t>(stored[i].size()) : full;
    PutLe32(out, position);
    PutLe32(out, size);
    PutLe32(out, full);
    std::array<uint8_t, kNameSize> name{};
    const std::string& n = entries[i].Name;
    std::memcpy(name.data(), n.data(), std::min(n.size(), kNameSize - 1));
    out.insert(out.end(), name.begin(), name.end());
    position += size;
  }
  for (size_t i = 0; i < entries.size(); ++i) {
    const std::vector<uint8_t>& bytes = bytePairs ? stored[i] : entries[i].Data;
    out.insert(out.end(), bytes.begin(), bytes.end());
  }
  return out;
}

bool WriteFileAtomic(const std::string& path, std::span<const uint8_t> bytes, std::string& error) {
  // The temporary file lives in the target's directory, so the rename stays
  // on one file system and is atomic.
  std::string temp = path + ".XXXXXX";
  const int fd = mkstemp(temp.data());
  if (fd < 0) {
    error = "cannot create a temporary file beside '" + path + "': " + std::strerror(errno);
    return false;
  }
  auto fail = [&](const char* what) {
    error = std::string(what) + " '" + temp + "': " + std::strerror(errno);
    close(fd);
    unlink(temp.c_str());
    return false;
  };
  // mkstemp makes the file private; an archive is an ordinary readable file.
  if (fchmod(fd, 0644) != 0) return fail("cannot set the mode of");
  for (size_t done = 0; done < bytes.size();) {
    const ssize_t n = write(fd, bytes.data() + done, bytes.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return fail("cannot write");
    done += static_cast<size_t>(n);
  }
  if (fsync(fd) != 0) return fail("cannot flush");
  if (close(fd) != 0) {
    error = "cannot close '" + temp + "': " + std::strerror(errno);
    unlink(temp.c_str());
    return false;
  }
  if (rename(temp.c_str(), path.c_str()) != 0) {
    error = "cannot rename '" + temp + "' to '" + path + "': " + std::strerror(errno);
    unlink(temp.c_str());
    return false;
  }
  return true;
}

}  // namespace qda
