// Every game-wide variable gets its start value once, where it is declared;
// the reset routines put it back from a copy taken at program start, so no
// start value is ever written twice. The copy is taken while the program's
// statics are initialised, so it holds only for variables initialised by
// constants, as every game variable is.
#pragma once
#include <type_traits>

namespace omb {

// The value `Variable` held when the program started (its declaration's).
template <auto& Variable>
inline const std::remove_cvref_t<decltype(Variable)> StartValue = Variable;

template <auto&... Variables>
void RestoreStartValues() {
  ((Variables = StartValue<Variables>), ...);
}

}  // namespace omb
