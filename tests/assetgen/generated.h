// The generator's output, made once per test program by running the built
// assetgen into a temporary directory, and the read helpers the tests share.
#pragma once
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace assetgen_test {

// The game directory written by `assetgen --out`. Fails the calling test
// when the generator cannot be run.
const std::filesystem::path& GameDir();

// Runs assetgen with `args` (already quoted as needed); the exit status.
int RunAssetgen(const std::string& args);

// A fresh directory under the system's temporary directory, removed when
// the test program ends.
std::filesystem::path ScratchDir(const std::string& tag);

std::vector<uint8_t> ReadBytes(const std::filesystem::path& path);

}  // namespace assetgen_test
