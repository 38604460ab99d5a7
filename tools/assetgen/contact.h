// The contact sheet: every shape of the start-up table and each stage's shapes
// from 600 up, with its number, for looking the art over in one picture.
#pragma once
#include <string>

#include "palette.h"

namespace assetgen {

// Writes the sheet as PNG to `path`; false with a reason on failure.
bool WriteContactSheet(const Quantised& pictures, const std::string& path, std::string& error);

}  // namespace assetgen
