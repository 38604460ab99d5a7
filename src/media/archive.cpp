#include "media/archive.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstring>

#include "media/game_paths.h"

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

// The expansion stack holds 256 bytes; a pair met with all of them in use
// overflows it.
constexpr int kStackBytes = 256;

// Reads one pair table: count bytes above 127 skip runs of literal codes.
Expand ReadPairTable(const uint8_t*& p, const uint8_t* end, std::array<uint8_t, 256>& left,
                     std::array<uint8_t, 256>& right) {
  for (int c = 0; c < 256; ++c) left[c] = static_cast<uint8_t>(c);
  right.fill(0);
  int code = 0;
  for (;;) {
    if (p == end) return Expand::CutShort;
    int n = *p++;
    if (n > 127) {
      code += n - 127;
      n = 0;
    }
    if (code == 256) return Expand::Ok;
    if (code + n >= 256) return Expand::BadTable;  // runs past the last code
    for (int i = 0; i <= n; ++i, ++code) {
      if (p == end) return Expand::CutShort;
      left[code] = *p++;
      if (left[code] != code) {
        if (p == end) return Expand::CutShort;
        right[code] = *p++;
      }
    }
    if (code == 256) return Expand::Ok;
  }
}

// One block's pair table with what each code expands to. A code is expanded
// as a pair pushes its right half and goes on with its left, so a code needs
// Need stack bytes beyond those already in use and yields Length bytes. A code
// that reaches a cycle never finishes: Need stays kNever.
class PairTable {
 public:
  static constexpr int kNever = 1 << 20;
  static constexpr uint64_t kLengthCap = uint64_t{1} << 40;

  std::array<uint8_t, 256> Left, Right;

  void Forget() { state_.fill(kUnknown); }
  bool IsPair(int c) const { return Left[c] != c; }
  int Need(int c) { return Info(c).Need; }
  uint64_t Length(int c) { return Info(c).Length; }
  // Whether code c, met with `inUse` stack bytes taken, expands to the end.
  bool Finishes(int c, int inUse) { return inUse + Need(c) <= kStackBytes - 1; }

 private:
  enum : uint8_t { kUnknown, kOpen, kKnown };
  struct CodeInfo {
    int Need;
    uint64_t Length;
  };
  const CodeInfo& Info(int c) {
    if (state_[c] != kKnown) Measure(c);
    return info_[c];
  }
  // Depth-first over the 256 codes; a code met again while open is a cycle.
  // Each call opens a new code, so the recursion is at most 256 deep.
  void Measure(int c) {
    CodeInfo& me = info_[c];
    if (state_[c] == kOpen) {
      me = {kNever, kLengthCap};
      return;
    }
    if (!IsPair(c)) {
      me = {0, 1};
      state_[c] = kKnown;
      return;
    }
    state_[c] = kOpen;
    if (state_[Left[c]] != kKnown) Measure(Left[c]);
    if (state_[Right[c]] != kKnown) Measure(Right[c]);
    const CodeInfo& l = info_[Left[c]];
    const CodeInfo& r = info_[Right[c]];
    me.Need = std::min(kNever, std::max(1 + l.Need, r.Need));
    me.Length = std::min(kLengthCap, l.Length + r.Length);
    state_[c] = kKnown;
  }

  std::array<uint8_t, 256> state_{};
  std::array<CodeInfo, 256> info_;
};

// Code c, met with an empty stack, does not finish: either a pair finds the
// stack full, or the right halves at one depth come round in a cycle and it
// expands without end. Which comes first decides the failure, as does the
// room left for its output. Halves that finish are passed over whole.
Expand FailureOf(PairTable& t, int c, uint64_t room) {
  std::array<std::array<bool, 256>, kStackBytes> seen;  // codes met at each depth
  uint64_t written = 0;
  int sp = 0;
  seen[0].fill(false);
  for (;;) {
    // Here c is a pair that does not finish at depth sp.
    if (seen[sp][c]) return Expand::WrongSize;
    seen[sp][c] = true;
    if (sp > kStackBytes - 2) return Expand::StackOverflow;
    const int l = t.Left[c];
    if (t.Finishes(l, sp + 1)) {
      written += t.Length(l);
      if (written > room) return Expand::WrongSize;
      c = t.Right[c];  // which cannot finish either, or c would have
    } else {
      seen[++sp].fill(false);
      c = l;
    }
  }
}

// The blocks of `in` are measured first and written only when they are
// known to expand to exactly fullSize bytes, so that a size field that lies,
// or pairs that nest without end, cost neither memory nor time.
Expand MeasureBlocks(std::span<const uint8_t> in, uint32_t fullSize, PairTable& t) {
  const uint8_t* p = in.data();
  const uint8_t* const end = p + in.size();
  uint64_t total = 0;
  while (p != end) {
    const Expand table = ReadPairTable(p, end, t.Left, t.Right);
    if (table != Expand::Ok) return table;
    t.Forget();
    if (end - p < 4) return Expand::CutShort;
    const uint32_t length = Le32(p);
    p += 4;
    if (static_cast<size_t>(end - p) < length) return Expand::CutShort;
    // A code byte is read only with the stack empty, so each expands alone.
    for (const uint8_t* const codesEnd = p + length; p != codesEnd; ++p) {
      if (!t.Finishes(*p, 0)) return FailureOf(t, *p, fullSize - total);
      total += t.Length(*p);
      if (total > fullSize) return Expand::WrongSize;
    }
  }
  return total == fullSize ? Expand::Ok : Expand::WrongSize;
}

// Writes code c at out[at], copying a pair from where this block wrote it
// before. Only codes that finish come here, so there is no cycle and the
// recursion is at most 256 deep.
size_t WriteCode(PairTable& t, std::array<size_t, 256>& written, int c, uint8_t* out, size_t at) {
  if (!t.IsPair(c)) {
    out[at] = static_cast<uint8_t>(c);
    return at + 1;
  }
  const size_t length = static_cast<size_t>(t.Length(c));
  if (written[c] != SIZE_MAX) {
    std::memcpy(out + at, out + written[c], length);
  } else {
    WriteCode(t, written, t.Right[c], out, WriteCode(t, written, t.Left[c], out, at));
    written[c] = at;
  }
  return at + length;
}

Expand ExpandBlocks(std::span<const uint8_t> in, uint32_t fullSize, std::vector<uint8_t>& out) {
  PairTable t;
  const Expand measured = MeasureBlocks(in, fullSize, t);
  if (measured != Expand::Ok) return measured;
  out.resize(fullSize);
  const uint8_t* p = in.data();
  const uint8_t* const end = p + in.size();
  size_t at = 0;
  std::array<size_t, 256> written;
  while (p != end) {
    ReadPairTable(p, end, t.Left, t.Right);
    t.Forget();
    written.fill(SIZE_MAX);
    const uint32_t length = Le32(p);
    p += 4;
    for (const uint8_t* const codesEnd = p + length; p != codesEnd; ++p)
      at = WriteCode(t, written, *p, out.data(), at);
  }
  return Expand::Ok;
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
  const std::string archiveName(archive);
  const std::string path = GameFilePath(archiveName.c_str()).c_str();
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
