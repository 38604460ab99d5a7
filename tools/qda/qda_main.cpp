// qda: lists, extracts and packs the game's image archives.
//   qda list FILE
//   qda extract FILE NAME OUT
//   qda pack OUT [--bpe] NAME=PATH ...
// Exit status: 0 done, 1 failed (reason on stderr), 2 bad arguments.
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

#include "media/archive.h"
#include "qda_writer.h"

namespace {

// Far above anything the game reads; keeps a mistyped path from eating memory.
constexpr size_t kMaxInputBytes = 64u << 20;

constexpr char kUsage[] =
    "usage: qda list FILE\n"
    "       qda extract FILE NAME OUT\n"
    "       qda pack OUT [--bpe] NAME=PATH ...\n";

int Usage(const char* problem = nullptr) {
  if (problem != nullptr) std::fprintf(stderr, "qda: %s\n", problem);
  std::fputs(kUsage, stderr);
  return 2;
}

int Fail(const std::string& message) {
  std::fprintf(stderr, "qda: %s\n", message.c_str());
  return 1;
}

bool ReadInput(const std::string& path, std::vector<uint8_t>& out, std::string& error) {
  out.clear();
  FILE* f = std::fopen(path.c_str(), "rb");
  if (f == nullptr) {
    error = "cannot open '" + path + "': " + std::strerror(errno);
    return false;
  }
  std::vector<uint8_t> chunk(65536);
  bool ok = true;
  for (;;) {
    const size_t got = std::fread(chunk.data(), 1, chunk.size(), f);
    if (out.size() + got > kMaxInputBytes) {
      error = "'" + path + "' is larger than " + std::to_string(kMaxInputBytes >> 20) + " MiB";
      ok = false;
      break;
    }
    out.insert(out.end(), chunk.begin(), chunk.begin() + got);
    if (got < chunk.size()) {
      if (std::ferror(f)) {
        error = "cannot read '" + path + "'";
        ok = false;
      }
      break;
    }
  }
  std::fclose(f);
  return ok;
}

bool SameName(std::string_view a, std::string_view b) {
  auto up = [](char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; };
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i)
    if (up(a[i]) != up(b[i])) return false;
  return true;
}

int List(const std::string& file) {
  std::vector<uint8_t> bytes;
  std::string error;
  bool compressed = false;
  std::vector<omb::ArchiveListing> entries;
  if (!ReadInput(file, bytes, error)) return Fail(error);
  if (!omb::ListArchive(bytes, compressed, entries, error)) return Fail(file + ": " + error);
  for (const omb::ArchiveListing& e : entries)
    std::printf("%s\t%u\t%u\n", e.Name.c_str(), e.StoredSize, e.FullSize);
  return 0;
}

int Extract(const std::string& file, const std::string& name, const std::string& out) {
  std::vector<uint8_t> bytes;
  std::string error;
  if (!omb::OpenArchiveEntry(file, name, bytes, error)) return Fail(file + ": " + error);
  if (!qda::WriteFileAtomic(out, bytes, error)) return Fail(error);
  return 0;
}

int PackFiles(const std::string& out, const std::vector<std::string>& args) {
  bool bytePairs = false;
  std::vector<qda::Entry> entries;
  std::vector<std::string> paths;
  for (const std::string& arg : args) {
    if (arg == "--bpe") {
      bytePairs = true;
      continue;
    }
    if (arg.starts_with("-")) return Usage(("unknown option '" + arg + "'").c_str());
    const size_t eq = arg.find('=');
    if (eq == std::string::npos || eq == 0 || eq + 1 == arg.size())
      return Usage(("expected NAME=PATH, got '" + arg + "'").c_str());
    qda::Entry entry;
    entry.Name = arg.substr(0, eq);
    if (entry.Name.size() > 255)
      return Usage(("name longer than 255 bytes: '" + entry.Name + "'").c_str());
    // The game finds the first of names equal but for case; a second is dead weight.
    for (const qda::Entry& e : entries)
      if (SameName(e.Name, entry.Name))
        return Usage(("name given twice: '" + entry.Name + "'").c_str());
    entries.push_back(std::move(entry));
    paths.push_back(arg.substr(eq + 1));
  }
  if (entries.empty()) return Usage("nothing to pack");

  std::string error;
  uint64_t fullBytes = 0;
  for (size_t i = 0; i < entries.size(); ++i) {
    if (!ReadInput(paths[i], entries[i].Data, error)) return Fail(error);
    fullBytes += entries[i].Data.size();
  }
  const std::vector<uint8_t> archive = qda::Pack(entries, bytePairs);

  // Read every entry back as the game will, before anything is written.
  for (const qda::Entry& e : entries) {
    std::vector<uint8_t> back;
    if (!omb::ReadArchiveEntry(archive, e.Name, back, error)) return Fail(e.Name + ": " + error);
    if (back != e.Data) return Fail(e.Name + ": entry does not read back as packed");
  }
  if (!qda::WriteFileAtomic(out, archive, error)) return Fail(error);
  std::printf("%s: %zu entries, %llu bytes, %zu in the archive\n", out.c_str(), entries.size(),
              static_cast<unsigned long long>(fullBytes), archive.size());
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  const std::vector<std::string> args(argv + 1, argv + argc);
  if (args.empty()) return Usage();
  const std::string& command = args[0];
  if (command == "-h" || command == "--help") {
    std::fputs(kUsage, stdout);
    return 0;
  }
  if (command == "list" && args.size() == 2) return List(args[1]);
  if (command == "extract" && args.size() == 4) return Extract(args[1], args[2], args[3]);
  if (command == "pack" && args.size() >= 2 && !args[1].starts_with("-"))
    return PackFiles(args[1], std::vector<std::string>(args.begin() + 2, args.end()));
  return Usage();
}
