#include "host/raster/sector_setups.h"

#include <cstdint>
#include <cstring>

namespace qd::host {

namespace {

struct Key {
    double cx, cy, a, b, start, end;
    int width, height;
    bool whole;

    friend bool operator==(const Key&, const Key&) = default;
};

// Four ways of 256 sets: a full pass of a pie (101 bands) fits. With two ways, some three of
// the hundred bands shared a set in most pies and pushed each other out at every pass.
struct SetupTable {
    static constexpr int kSetBits = 8;
    struct Way {
        bool used = false;
        bool ok = false;
        // Uses since the set-up, up to the third, which works out the sector's inner rows.
        unsigned char uses = 0;
        Key key{};
        CachedSector sector;
    };
    struct Set {
        static constexpr unsigned kWays = 4;
        Way way[kWays];
        unsigned next = 0;  // the way the next miss replaces
    };
    Set sets[1 << kSetBits];

    static std::size_t index_of(const Key& k) {
        std::uint64_t s, e;
        std::memcpy(&s, &k.start, sizeof s);
        std::memcpy(&e, &k.end, sizeof e);
        // The angles are singles widened: their low 29 bits are zero.
        const std::uint64_t h =
            ((s >> 29) * 0x9E3779B97F4A7C15ull) ^ ((e >> 29) * 0xC2B2AE3D27D4EB4Full);
        return static_cast<std::size_t>(h >> (64 - kSetBits));
    }
};

}  // namespace

const CachedSector* remembered_sector_setup(EllipseRows& rows, EllipseFigure& f, const Clip& clip) {
    thread_local SetupTable table;
    const Key key{
        f.cx,       f.cy,        f.a,    f.b, f.whole ? 0.0 : f.start, f.whole ? 0.0 : f.end,
        clip.width, clip.height, f.whole};
    SetupTable::Set& set = table.sets[SetupTable::index_of(key)];
    for (SetupTable::Way& way : set.way) {
        if (way.used && way.key == key) {
            if (!way.ok || !rows.fits(clip))
                return nullptr;
            rows.prepare(f.cx, f.cy, f.a, f.b, clip);  // the rows the sector's spans are cut from
            if (way.uses < 3 && ++way.uses == 3) {
                // Worth a walk of its rays only for a sector that keeps coming back: a full
                // pass's bands do at every pass, the bands of a sweep of updates once a sweep.
                find_inner_rows(rows, &way.sector);
            }
            return &way.sector;
        }
    }
    f.aim();
    SetupTable::Way& way = set.way[set.next];
    set.next = (set.next + 1) % SetupTable::Set::kWays;
    way.used = true;
    way.key = key;
    way.ok = cached_sector_setup(rows, f.cx, f.cy, f.a, f.b, f.wedge(), clip, &way.sector);
    way.sector.lo_inner = way.sector.hi_inner = InnerRows{};  // every row clamped
    way.uses = 1;
    return way.ok ? &way.sector : nullptr;
}

}  // namespace qd::host
