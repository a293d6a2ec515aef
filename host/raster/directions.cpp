#include "host/raster/directions.h"

#include <cmath>
#include <cstdint>
#include <cstring>

namespace qd::host {

namespace {

// Two ways of 512 sets: a full pass of a pie (202 angles) fits with hardly a collision. A way
// whose key is NaN is empty; no angle looked up is NaN.
struct DirectionTable {
    static constexpr int kSetBits = 9;
    struct Way {
        std::uint64_t key;
        Direction value;
    };
    struct Set {
        Way way[2];
        unsigned next = 0;  // the way the next miss replaces
    };
    Set sets[1 << kSetBits];

    DirectionTable() {
        const double empty = std::nan("");
        for (Set& set : sets)
            for (Way& w : set.way)
                std::memcpy(&w.key, &empty, sizeof w.key);
    }
};

}  // namespace

Direction direction_of(double angle) {
    thread_local DirectionTable table;
    std::uint64_t key;
    std::memcpy(&key, &angle, sizeof key);
    // Angles are mostly singles widened, whose low 29 bits are zero: mix the high ones.
    const auto index = static_cast<std::size_t>(((key >> 29) * 0x9E3779B97F4A7C15ull) >>
                                                (64 - DirectionTable::kSetBits));
    DirectionTable::Set& set = table.sets[index];
    if (set.way[0].key == key)
        return set.way[0].value;
    if (set.way[1].key == key)
        return set.way[1].value;
    DirectionTable::Way& way = set.way[set.next];
    set.next ^= 1u;
    way.key = key;
    way.value = {std::cos(angle), std::sin(angle)};
    return way.value;
}

}  // namespace qd::host
