// assetgen: draws, synthesises and composes every picture, sound effect and
// tune of the game.
//
//   assetgen --out DIR               DIR/cg.qda, DIR/wave/*.wav, DIR/midi/*
//   assetgen --contact-sheet OUT.png every shape with its number
//   assetgen --icons DIR             DIR/<n>x<n>/apps/ombrezza.png, the desktop icon
//
// Any of them may be given together. The output depends on nothing but this program
// (and the DejaVu fonts), so two runs write identical bytes.
#include <chrono>
#include <cstdlib>
#include <exception>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "contact.h"
#include "files.h"
#include "icon.h"
#include "images.h"
#include "qda_writer.h"

namespace {

int Usage() {
  std::fputs("usage: assetgen [--out DIR] [--contact-sheet OUT.png] [--icons DIR]\n", stderr);
  return 2;
}

bool Write(const std::filesystem::path& path, const std::vector<uint8_t>& bytes) {
  std::string error;
  if (!qda::WriteFileAtomic(path.string(), bytes, error)) {
    std::fprintf(stderr, "assetgen: %s\n", error.c_str());
    return false;
  }
  return true;
}

bool MakeDirectory(const std::filesystem::path& dir) {
  std::error_code ec;
  std::filesystem::create_directories(dir, ec);
  if (ec) {
    std::fprintf(stderr, "assetgen: cannot create %s: %s\n", dir.string().c_str(),
                 ec.message().c_str());
    return false;
  }
  return true;
}

}  // namespace

static int Generate(const std::string& outDir, const std::string& contactSheet);
static int WriteIcons(const std::string& iconDir);

int main(int argc, char** argv) {
  std::string outDir, contactSheet, iconDir;
  for (int i = 1; i < argc; ++i) {
    std::string a = argv[i];
    if (a == "--out" && i + 1 < argc)
      outDir = argv[++i];
    else if (a == "--contact-sheet" && i + 1 < argc)
      contactSheet = argv[++i];
    else if (a == "--icons" && i + 1 < argc)
      iconDir = argv[++i];
    else
      return Usage();
  }
  if (outDir.empty() && contactSheet.empty() && iconDir.empty()) return Usage();
  if (!iconDir.empty() && WriteIcons(iconDir) != 0) return 1;
  if (outDir.empty() && contactSheet.empty()) return 0;
  try {
    return Generate(outDir, contactSheet);
  } catch (const std::exception& e) {
    // a tune that does not compile, or one of the wrong length
    std::fprintf(stderr, "assetgen: %s\n", e.what());
    return 1;
  }
}

// With ASSETGEN_TIMING set, how long each step took goes to stderr.
static void Lap(const char* step) {
  static const bool on = std::getenv("ASSETGEN_TIMING") != nullptr;
  static auto last = std::chrono::steady_clock::now();
  static const auto first = last;
  if (!on) return;
  auto now = std::chrono::steady_clock::now();
  std::fprintf(stderr, "assetgen: %-14s %5.2f s (%5.2f s in all)\n", step,
               std::chrono::duration<double>(now - last).count(),
               std::chrono::duration<double>(now - first).count());
  last = now;
}

// The icon in the layout of an icon theme, ready to be installed under
// share/icons/hicolor/.
static int WriteIcons(const std::string& iconDir) {
  for (int size : assetgen::IconSizes()) {
    const std::string n = std::to_string(size);
    const std::filesystem::path apps = std::filesystem::path(iconDir) / (n + "x" + n) / "apps";
    if (!MakeDirectory(apps)) return 1;
    std::string error;
    if (!assetgen::WriteIcon(size, (apps / "ombrezza.png").string(), error)) {
      std::fprintf(stderr, "assetgen: %s\n", error.c_str());
      return 1;
    }
  }
  Lap("icons");
  return 0;
}

static int Generate(const std::string& outDir, const std::string& contactSheet) {
  Lap("start");
  assetgen::Pictures pictures = assetgen::MakePictures();
  Lap("pictures");

  if (!contactSheet.empty()) {
    std::string error;
    std::filesystem::path parent = std::filesystem::path(contactSheet).parent_path();
    if (!parent.empty() && !MakeDirectory(parent)) return 1;
    if (!assetgen::WriteContactSheet(pictures.Indexed, contactSheet, error)) {
      std::fprintf(stderr, "assetgen: %s\n", error.c_str());
      return 1;
    }
    Lap("contact sheet");
  }

  if (!outDir.empty()) {
    const std::filesystem::path out(outDir);
    if (!MakeDirectory(out / "wave") || !MakeDirectory(out / "midi")) return 1;

    std::vector<qda::Entry> entries;
    for (size_t n = 0; n < pictures.Bmp.size(); ++n)
      entries.push_back({"cg" + std::to_string(n + 1) + ".bmp", pictures.Bmp[n]});
    if (!Write(out / "cg.qda", qda::Pack(entries, true))) return 1;
    Lap("archive");

    for (const assetgen::NamedFile& f : assetgen::MakeSoundEffects())
      if (!Write(out / "wave" / f.Name, f.Data)) return 1;
    Lap("sounds");

    std::vector<assetgen::NamedFile> tunes = assetgen::MakeTunes();
    for (const assetgen::NamedFile& f : tunes)
      if (!Write(out / "midi" / f.Name, f.Data)) return 1;
    assetgen::NamedFile list = assetgen::MakeMusicList(tunes);
    if (!Write(out / "midi" / list.Name, list.Data)) return 1;
    Lap("tunes");
  }
  return 0;
}
