#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "host/model/property_bag.h"
#include "kit/property_table.h"

namespace qd {
namespace {

// A stand-in control of three fields, one of each kind a row can hold.
struct Gauge {
    float Level = -1;
    VARIANT_BOOL Shown = 7;
    std::int32_t Tint = -1;
    struct Properties;
};

// Read order Level, Shown, Tint; written Tint first. Tint has no store default.
struct Gauge::Properties {
    static constexpr PropertyRow<Gauge> rows[3] = {
        {"Level", 1, kFloat32, &Gauge::Level, 0.5, as_int16(3), "level", 1, {}},
        {"Shown", 2, kBool, &Gauge::Shown, VARIANT_TRUE, as_bool(false), "shown", 2, {}},
        {"Tint", 3, kOleColor, &Gauge::Tint, 0x123456, kNoStoredDefault, "tint", 0, {}},
    };
};
static_assert(well_formed(Gauge::Properties::rows));

// A table whose row type does not travel as its field, and one with a rank used twice.
constexpr PropertyRow<Gauge> kWrongType[] = {
    {"Level", 1, kInt32, &Gauge::Level, 0, kNoStoredDefault, "level", 0, {}}};
constexpr PropertyRow<Gauge> kRankTwice[] = {
    {"Level", 1, kFloat32, &Gauge::Level, 0, kNoStoredDefault, "level", 0, {}},
    {"Tint", 3, kOleColor, &Gauge::Tint, 0, kNoStoredDefault, "tint", 0, {}}};
static_assert(!well_formed(kWrongType));
static_assert(!well_formed(kRankTwice));

TEST(PropertyTable, InitReadAndWriteWalkTheRowsInTheirOrders) {
    const auto& rows = Gauge::Properties::rows;
    Gauge g;
    init_properties(g, rows);
    EXPECT_EQ(g.Level, 0.5f);
    EXPECT_EQ(g.Shown, VARIANT_TRUE);
    EXPECT_EQ(g.Tint, 0x123456);

    // An empty store: each key falls back to its row's default, Tint to Empty (0).
    ComPtr<host::PropertyBag> bag(new host::PropertyBag);
    PropertyStoreCalls store(bag.get());
    read_properties(g, rows, store);
    EXPECT_EQ(g.Level, 3.0f);
    EXPECT_EQ(g.Shown, VARIANT_FALSE);
    EXPECT_EQ(g.Tint, 0);

    // Written by rank, with each field's own variant type; a boolean as a boolean.
    g = Gauge{2.25f, VARIANT_TRUE, 0xABCDEF};
    write_properties(g, rows, store);
    std::vector<std::string> keys;
    for (const auto& e : bag->entries())
        keys.push_back(e.key);
    EXPECT_EQ(keys, (std::vector<std::string>{"tint", "level", "shown"}));
    EXPECT_EQ(bag->find("level")->type(), VarType::Float32);
    EXPECT_EQ(bag->find("shown")->type(), VarType::Bool);
    EXPECT_EQ(bag->find("tint")->to_int32(), 0xABCDEF);

    // A stored value that cannot become the field's type ends the read at that key.
    bag->set("shown", Variant("not a truth value"));
    Gauge h;
    EXPECT_THROW(read_properties(h, rows, store), RuntimeError);
    EXPECT_EQ(h.Level, 2.25f) << "the key before the failing one stays read";
    EXPECT_EQ(h.Tint, -1) << "the key after it is not read";
}

}  // namespace
}  // namespace qd
