// The host runtime's pseudo-random generator: uniform single-precision values in [0, 1).
//
// A 24-bit linear congruential generator (x <- (x * 1140671485 + 12820163) mod 2^24, starting
// from 327680), the classic generator of this kind of runtime. One generator per loaded
// library, never seeded by the controls; a run of a program therefore repeats its colours.
#pragma once

#include <cstdint>

namespace qd {

float Rnd();

// The generator's state, for tests that replay a sequence.
std::uint32_t random_state();
void set_random_state(std::uint32_t state);

}  // namespace qd
