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

// Two ways of 256 sets: a full pass of a pie (101 bands) fits with hardly a collision.
struct SetupTable {
    static constexpr int kSetBits = 8;
    struct Way {
        bool used = false;
        bool ok = false;
        Key key{};
        CachedSector sector;
    };
    struct Set {
        Way way[2];
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
    for (const SetupTable::Way& way : set.way) {
        if (way.used && way.key == key) {
            if (!way.ok || !rows.fits(clip))
                return nullptr;
            rows.prepare(f.cx, f.cy, f.a, f.b, clip);  // the rows the sector's spans are cut from
            return &way.sector;
        }
    }
    f.aim();
    SetupTable::Way& way = set.way[set.next];
    set.next ^= 1u;
    way.used = true;
    way.key = key;
    way.ok = cached_sector_setup(rows, f.cx, f.cy, f.a, f.b, f.wedge(), clip, &way.sector);
    return way.ok ? &way.sector : nullptr;
}

}  // namespace qd::host
