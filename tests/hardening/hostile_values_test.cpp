// Hostile values through every property, by dispatch and through stored properties, and
// hostile picture sizes: each gives a result code and a control that still works. The tables
// of what each gives are written to the build directory and must match docs/hostile-values.md,
// so the document always says what the code does.
#include <gtest/gtest.h>

#include <cfloat>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <limits>
#include <sstream>
#include <string>
#include <vector>

#include "bar/progress_bar.h"
#include "foundation/number_text.h"
#include "host/page/page_site.h"
#include "pages/data_page.h"
#include "pie/progress_pie.h"
#include "singlepie/single_pie.h"
#include "tests/hardening/hostile_table.h"
#include "tests/support/control_kinds.h"
#include "tests/support/control_rig.h"

namespace qd::test {
namespace {

using Rig = ControlRig<IDispatch>;

struct Hostile {
    const char* label;
    Variant value;
};
std::vector<Hostile> hostile_values() {
    const float inf = std::numeric_limits<float>::infinity();
    return {
        {"NaN", Variant(std::numeric_limits<float>::quiet_NaN())},
        {"Inf", Variant(inf)},
        {"-Inf", Variant(-inf)},
        {"-0", Variant(-0.0f)},
        {"FLT_MAX", Variant(FLT_MAX)},
        {"FLT_MIN", Variant(FLT_MIN)},
        {"denormal", Variant(std::numeric_limits<float>::denorm_min())},
        {"1E+300 (float64)", Variant(1e300)},
        {"-32768 (int16)", Variant(std::int16_t{-32768})},
        {"32767 (int16)", Variant(std::int16_t{32767})},
        {"-2^31 (int32)", Variant(std::numeric_limits<std::int32_t>::min())},
        {"2^31-1 (int32)", Variant(std::numeric_limits<std::int32_t>::max())},
        {"\"NaN\"", Variant("NaN")},
        {"\"1E+39\"", Variant("1E+39")},
    };
}

std::string code_text(HRESULT hr) {
    if (is_runtime_error(hr))
        return "err " + std::to_string(static_cast<std::uint32_t>(hr) & 0xFFFFu);
    char buf[16];
    std::snprintf(buf, sizeof buf, "0x%08X", static_cast<unsigned>(hr));
    return buf;
}

std::string value_text(IDispatch* control, const char* name) {
    Variant v;
    const HRESULT hr = dispatch_get(control, name, &v);
    return succeeded(hr) ? v.to_text() : "get " + code_text(hr);
}

// What a control does after the value arrived: the next full draw, and a healthy Value after.
std::string aftermath(Rig& rig) {
    std::string out;
    const HRESULT refresh = dispatch_call(rig.control(), "Refresh");
    if (failed(refresh))
        out += "; Refresh " + code_text(refresh);
    const HRESULT resize = rig.resize_pixels(150, 80);
    if (failed(resize))
        out += "; Resize " + code_text(resize);
    EXPECT_EQ(rig.write(), S_OK);
    return out;
}

std::vector<const MemberDesc*> puts_of(IDispatch* control) {
    const InterfaceDesc* desc = nullptr;
    EXPECT_EQ(control->GetTypeInfo(&desc), S_OK);
    std::vector<const MemberDesc*> out;
    for (std::size_t i = 0; i < desc->member_count; ++i)
        if (desc->members[i].kind == MemberKind::PropertyPut)
            out.push_back(&desc->members[i]);
    return out;
}

// Each cell: the value read back ("kept" when the setter ignored it), or the put's failure;
// then what fails in the next Refresh and Resize.
Table by_dispatch() {
    const auto values = hostile_values();
    Table t;
    t.header.push_back("Property");
    for (const Hostile& h : values)
        t.header.push_back(h.label);
    for (const ControlKind& kind : kControls) {
        std::vector<const MemberDesc*> puts;
        {
            Rig probe{kind.create};
            puts = puts_of(probe.control());
        }
        for (const MemberDesc* m : puts) {
            std::vector<std::string> row{std::string(kind.name) + " " + m->name};
            for (const Hostile& h : values) {
                Rig rig{kind.create};
                EXPECT_EQ(rig.start_pixels(200, 100), S_OK);
                const std::string before = value_text(rig.control(), m->name);
                const HRESULT hr = dispatch_put(rig.control(), m->name, h.value);
                std::string cell;
                if (failed(hr)) {
                    cell = code_text(hr);
                } else {
                    const std::string now = value_text(rig.control(), m->name);
                    cell = now == before ? "kept" : now;
                }
                row.push_back(cell + aftermath(rig));
            }
            t.rows.push_back(std::move(row));
        }
    }
    return t;
}

// Each cell: ReadProperties of a store in which that key holds the value (the others as a new
// control writes them): the value read, or the read's failure; then the first Resize and the
// next Refresh.
Table by_stored_file() {
    const auto values = hostile_values();
    Table t;
    t.header.push_back("Stored key");
    for (const Hostile& h : values)
        t.header.push_back(h.label);
    for (const ControlKind& kind : kControls) {
        std::vector<std::string> keys;
        {
            Rig probe{kind.create};
            EXPECT_EQ(probe.start_pixels(200, 100), S_OK);
            EXPECT_EQ(probe.write(), S_OK);
            for (const auto& e : probe.bag().entries())
                keys.push_back(e.key);
        }
        for (const std::string& key : keys) {
            std::vector<std::string> row{std::string(kind.name) + " " + key};
            for (const Hostile& h : values) {
                Rig rig{kind.create};
                {
                    Rig writer{kind.create};
                    EXPECT_EQ(writer.start_pixels(200, 100), S_OK);
                    EXPECT_EQ(writer.write(), S_OK);
                    for (const auto& e : writer.bag().entries())
                        rig.bag().set(e.key, e.key == key ? h.value : e.value);
                }
                rig.site().set_extent(200 * kTwipsPerPixel, 100 * kTwipsPerPixel);
                EXPECT_EQ(rig.set_site(), S_OK);
                const HRESULT read = rig.read();
                std::string cell;
                if (failed(read)) {
                    cell = "read " + code_text(read);
                } else {
                    Variant probe;
                    cell = succeeded(dispatch_get(rig.control(), key.c_str(), &probe))
                               ? probe.to_text()
                               : "read";
                }
                const HRESULT resize = rig.resize();
                if (failed(resize))
                    cell += "; Resize " + code_text(resize);
                const HRESULT refresh = dispatch_call(rig.control(), "Refresh");
                if (failed(refresh))
                    cell += "; Refresh " + code_text(refresh);
                // The control takes a sound value again afterwards.
                EXPECT_EQ(rig.init(), S_OK) << kind.name << " " << key << " " << h.label;
                EXPECT_EQ(rig.resize(), S_OK) << kind.name << " " << key << " " << h.label;
                row.push_back(cell);
            }
            t.rows.push_back(std::move(row));
        }
    }
    return t;
}

TEST(HostileValues, EveryPropertyByDispatchAndFromStoredPropertiesGivesAResultCode) {
    const Table dispatch_table = by_dispatch();
    const Table stored_table = by_stored_file();
    EXPECT_GT(dispatch_table.rows.size(), 40u);
    EXPECT_GT(stored_table.rows.size(), 40u);
    check_section("by dispatch", dispatch_table);
    check_section("stored", stored_table);
}

}  // namespace
}  // namespace qd::test

namespace qd::test {
namespace {

// Hostile texts typed into each field of the Data page, then applied: the result of the apply
// and the property read back afterwards.
TEST(HostileValues, TextsTypedIntoTheDataPageGiveAResultCode) {
    const char* texts[] = {"NaN",   "Inf",   "-Inf",   "-0",         "3.402823E+38",
                           "1E+39", "1E-45", "-32768", "2147483648", "&H7FFFFFFF",
                           "",      "12abc", " 50 "};
    const char* fields[][2] = {{"txtValue", "Value"}, {"txtMin", "Min"}, {"txtMax", "Max"}};
    Table t;
    t.header.push_back("Field");
    for (const char* text : texts)
        t.header.push_back(std::string("\"") + text + "\"");
    for (const ControlKind& kind : kControls) {
        if (kind.create == &single::create_single_pie)
            continue;  // the page belongs to the other library
        for (const auto& field : fields) {
            std::vector<std::string> row{std::string(kind.name) + " " + field[0]};
            for (const char* text : texts) {
                Rig rig{kind.create};
                EXPECT_EQ(rig.start_pixels(200, 100), S_OK);
                ComPtr<IPropertyPage> page;
                ASSERT_EQ(progress::create_data_page(IPropertyPage::iid, page.put_void()), S_OK);
                const auto site = host::PageSite::create();
                ASSERT_EQ(site->open(page.get()), S_OK);
                ASSERT_EQ(site->select({ComPtr<IDispatch>(rig.control())}), S_OK);
                const HRESULT typed = site->set_text(field[0], text);
                const HRESULT applied = site->apply();
                std::string cell = failed(typed) ? "typing " + code_text(typed) + "; " : "";
                cell += failed(applied) ? "apply " + code_text(applied)
                                        : value_text(rig.control(), field[1]);
                cell += aftermath(rig);
                site->close();
                row.push_back(cell);
            }
            t.rows.push_back(std::move(row));
        }
    }
    check_section("page", t);
}

}  // namespace
}  // namespace qd::test
