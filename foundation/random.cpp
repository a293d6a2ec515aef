#include "foundation/random.h"

namespace qd {

namespace {
std::uint32_t g_state = 327680u;
}

float Rnd() {
    g_state = (g_state * 1140671485u + 12820163u) & 0xFFFFFFu;
    return static_cast<float>(g_state) / 16777216.0f;
}

std::uint32_t random_state() {
    return g_state;
}
void set_random_state(std::uint32_t state) {
    g_state = state & 0xFFFFFFu;
}

}  // namespace qd
