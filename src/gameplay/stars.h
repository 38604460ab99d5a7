// The field of falling stars behind everything.
#pragma once

namespace omb {

// Scatters the 50 stars over the field (play set-up).
void SetUpStars();
// Moves every star down; one that falls out below comes back above the top.
void UpdateStars();

}  // namespace omb
