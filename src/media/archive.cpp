#include "media/archive.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstdio>
#include <cstring>

namespace omb {
namespace {

constexpr size_t kHeaderSize = 256;
constexpr size_t kEntrySize = 268;
constexpr size_t kNameSize = 256;
// cg.qda holds twelve 64 KiB sheets; anything near these limits is not ours,
// and a damaged size field must not make the game allocate without bound.
constexpr uint64_t kMaxArchiveBytes = 64u << 20;
constexpr uint32_t kMaxEntryBytes = 16u << 20;

uint32_t Le32(const uint8_t* p) {
  return static_cast<uint32_t>(p[0]) | static_cast<uint32_t>(p[1]) << 8 |
         static_cast<uint32_t>(p[2]) << 16 | static_cast<uint32_t>(p[3]) << 24;
}

char AsciiUpper(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

bool SameName(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i)
    if (AsciiUpper(a[i]) != AsciiUpper(b[i])) return false;
  return true;
}

std::string IdMessage(std::string_view name, const char* tail) {
  std::string s = "アーカイブ内のID '";
  s.append(name);
  s += "' ";
  s += tail;
  return s;
}

enum class Expand { Ok, CutShort, BadTable, StackOverflow, WrongSize };

// One pass over the blocks; the pair tables and the stack are the only state.
Expand ExpandBlocks(std::span<const uint8_t> in, uint32_t fullSize, std::vector<uint8_t>& out) {
  // The output grows as it is written, so that a size field that lies costs
  // no more memory than the data behind it can produce.
  out.resize(std::min<size_t>(fullSize, 8 * in.size() + 4096));
  uint8_t* dst = out.data();
  uint8_t* dstEnd = dst + out.size();
  const uint8_t* p = in.data();
  const uint8_t* const end = p + in.size();

  std::array<uint8_t, 256> left, right, stack;
  while (p != end) {
    for (int c = 0; c < 256; ++c) left[c] = static_cast<uint8_t>(c);
    right.fill(0);

    // Pair table: count bytes above 127 skip runs of literal codes.
    int code = 0;
    for (;;) {
      if (p == end) return Expand::CutShort;
      int n = *p++;
      if (n > 127) {
        code += n - 127;
        n = 0;
      }
      if (code == 256) break;
      if (code + n >= 256) return Expand::BadTable;  // runs past the last code
      for (int i = 0; i <= n; ++i, ++code) {
        if (p == end) return Expand::CutShort;
        left[code] = *p++;
        if (left[code] != code) {
          if (p == end) return Expand::CutShort;
          right[code] = *p++;
        }
      }
      if (code == 256) break;
    }

    if (end - p < 4) return Expand::CutShort;
    const uint32_t length = Le32(p);
    p += 4;
    if (static_cast<size_t>(end - p) < length) return Expand::CutShort;
    const uint8_t* codes = p;
    const uint8_t* const codesEnd = p + length;
    p = codesEnd;

    // A code byte is read only with the stack empty, so each expands alone.
    while (codes != codesEnd) {
      int sp = 0;
      int c = *codes++;
      for (;;) {
        if (left[c] == c) {
          if (dst == dstEnd) {
            const size_t done = out.size();
            if (done == fullSize) return Expand::WrongSize;
            out.resize(std::min<size_t>(fullSize, 2 * done));
            dst = out.data() + done;
            dstEnd = out.data() + out.size();
          }
          *dst++ = static_cast<uint8_t>(c);
          if (sp == 0) break;
          c = stack[--sp];
        } else {
          // Push right, then left; left would be popped at once, so it stays
          // in c and the stack holds one byte fewer than the 256 allowed.
          if (sp > 254) return Expand::StackOverflow;
          stack[sp++] = right[c];
          c = left[c];
        }
      }
    }
  }
  return static_cast<size_t>(dst - out.data()) == fullSize ? Expand::Ok : Expand::WrongSize;
}

struct Directory {
  bool Compressed = false;
  std::vector<ArchiveListing> Entries;
};

bool ParseDirectory(std::span<const uint8_t> file, Directory& dir, std::string& error) {
  if (file.size() < 8) {
    error = "QDAアーカイブのヘッダーが途中で切れています";
    return false;
  }
  if (std::memcmp(file.data() + 4, "QDA0", 4) != 0) {
    error = "QDAアーカイブとして扱えるデータではありません";
    return false;
  }
  if (file.size() < kHeaderSize) {
    error = "QDAアーカイブのヘッダーが途中で切れています";
    return false;
  }
  dir.Compressed = Le32(file.data()) == 1;
  const uint32_t count = Le32(file.data() + 8);
  const uint64_t directoryEnd = kHeaderSize + uint64_t{count} * kEntrySize;
  if (directoryEnd > file.size()) {
    error = "QDAアーカイブの目録(" + std::to_string(count) + "項目)がファイルに収まりません";
    return false;
  }
  dir.Entries.resize(count);
  for (uint32_t i = 0; i < count; ++i) {
    const uint8_t* e = file.data() + kHeaderSize + size_t{i} * kEntrySize;
    ArchiveListing& entry = dir.Entries[i];
    entry.Position = Le32(e);
    entry.StoredSize = Le32(e + 4);
    entry.FullSize = Le32(e + 8);
    const char* name = reinterpret_cast<const char*>(e + 12);
    const void* zero = std::memchr(name, 0, kNameSize);
    if (zero == nullptr) {
      error = "QDAアーカイブの目録の" + std::to_string(i + 1) + "番目の名前が終端されていません";
      dir.Entries.clear();
      return false;
    }
    entry.Name.assign(name, static_cast<const char*>(zero));
  }
  return true;
}

}  // namespace

bool ExpandBytePairs(std::span<const uint8_t> stored, uint32_t fullSize,
                     std::vector<uint8_t>& out) {
  if (fullSize > kMaxEntryBytes || ExpandBlocks(stored, fullSize, out) != Expand::Ok) {
    out.clear();
    return false;
  }
  return true;
}

bool ListArchive(std::span<const uint8_t> file, bool& compressed,
                 std::vector<ArchiveListing>& entries, std::string& error) {
  Directory dir;
  entries.clear();
  if (!ParseDirectory(file, dir, error)) return false;
  compressed = dir.Compressed;
  entries = std::move(dir.Entries);
  return true;
}

bool ReadArchiveEntry(std::span<const uint8_t> file, std::string_view name,
                      std::vector<uint8_t>& out, std::string& error) {
  out.clear();
  Directory dir;
  if (!ParseDirectory(file, dir, error)) return false;

  const ArchiveListing* found = nullptr;
  for (const ArchiveListing& entry : dir.Entries) {
    if (SameName(entry.Name, name)) {
      found = &entry;
      break;
    }
  }
  if (found == nullptr) {
    error = "アーカイブ内には指定されたID '";
    error.append(name);
    error += "' を持つデータが見つかりません";
    return false;
  }

  // Data never overlaps the header or the directory; position 0 is no data.
  const uint64_t directoryEnd = kHeaderSize + uint64_t{dir.Entries.size()} * kEntrySize;
  const uint32_t bytes = dir.Compressed ? found->StoredSize : found->FullSize;
  if (found->Position < directoryEnd) {
    error = IdMessage(name, "のデータの位置が不正です");
    return false;
  }
  if (uint64_t{found->Position} + bytes > file.size()) {
    error = IdMessage(name, "のデータがファイルの終わりを越えています");
    return false;
  }
  if (found->FullSize > kMaxEntryBytes) {
    error = IdMessage(name, "のデータが大きすぎます");
    return false;
  }
  const auto data = file.subspan(found->Position, bytes);
  if (!dir.Compressed) {
    out.assign(data.begin(), data.end());
    return true;
  }
  switch (ExpandBlocks(data, found->FullSize, out)) {
    case Expand::Ok:
      return true;
    case Expand::CutShort:
      error = IdMessage(name, "の圧縮データが途中で切れています");
      break;
    case Expand::BadTable:
      error = IdMessage(name, "の圧縮データのペア表が不正です");
      break;
    case Expand::StackOverflow:
      error = IdMessage(name, "の圧縮データの展開スタックが溢れました");
      break;
    case Expand::WrongSize:
      error = IdMessage(name, "の展開後の大きさが目録と一致しません");
      break;
  }
  out.clear();
  return false;
}

bool OpenArchiveEntry(std::string_view archive, std::string_view name, std::vector<uint8_t>& out,
                      std::string& error) {
  out.clear();
  const std::string path(archive);
  FILE* f = std::fopen(path.c_str(), "rb");
  if (f == nullptr) {
    error = "アーカイブファイル '" + path + "' が開けません (" + std::strerror(errno) + ")";
    return false;
  }
  // Read in chunks up to the cap rather than trusting a size from the file system.
  std::vector<uint8_t> file;
  std::array<uint8_t, 65536> chunk;
  bool tooBig = false;
  for (;;) {
    const size_t got = std::fread(chunk.data(), 1, chunk.size(), f);
    if (file.size() + got > kMaxArchiveBytes) {
      tooBig = true;
      break;
    }
    file.insert(file.end(), chunk.begin(), chunk.begin() + got);
    if (got < chunk.size()) break;
  }
  const bool failed = std::ferror(f) != 0;
  std::fclose(f);
  if (tooBig) {
    error = "アーカイブファイル '" + path + "' が大きすぎます";
    return false;
  }
  if (failed) {
    error = "アーカイブファイル '" + path + "' の読み込み中にエラーが発生しました";
    return false;
  }
  return ReadArchiveEntry(file, name, out, error);
}

}  // namespace omb
