// A JSON picture of the game's state, for tests and for comparing runs.
#pragma once
#include <string>

namespace omb {

// The state after a frame: the shell's variables, the input words, the random
// seed and every visible sprite register as [index, X, Y, Shape, Frame].
std::string DumpState();

}  // namespace omb
