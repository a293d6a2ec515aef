// The qdxProgressPie module seen from outside: its exports, its type library and resources,
// registration, and its independence from qdProgressControls.
#include <dlfcn.h>
#include <elf.h>
#include <gtest/gtest.h>
#include <link.h>
#include <stdlib.h>

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "host/loader/library.h"
#include "host/loader/loader.h"
#include "host/loader/typelib_dump.h"
#include "platform/host.h"
#include "platform/registry.h"
#include "qd/single_pie.h"
#include "tests/support/text.h"

namespace qd {
namespace {

using namespace qd::single;

using test::exported_symbols;

TEST(SinglePieModule, BothModulesExportExactlyTheFourEntryPoints) {
    const std::set<std::string> four = {"DllCanUnloadNow", "DllGetClassObject", "DllRegisterServer",
                                        "DllUnregisterServer"};
    EXPECT_EQ(exported_symbols(QD_MODULE_PATH), four);
    EXPECT_EQ(exported_symbols(QD_OTHER_MODULE_PATH), four);
}

// ---- Neither module links or loads the other ---------------------------------------------------

std::string base_name(const char* path) {
    return std::filesystem::path(path ? path : "").filename().string();
}

int count_mapped(const std::string& name) {
    struct Search {
        std::string name;
        int found = 0;
    } search{name};
    ::dl_iterate_phdr(
        [](dl_phdr_info* info, std::size_t, void* data) {
            auto* s = static_cast<Search*>(data);
            if (base_name(info->dlpi_name) == s->name)
                ++s->found;
            return 0;
        },
        &search);
    return search.found;
}

// The DT_NEEDED entries of a loaded object, read from its dynamic section.
std::set<std::string> needed_of(void* handle) {
    std::set<std::string> out;
    link_map* map = nullptr;
    if (::dlinfo(handle, RTLD_DI_LINKMAP, &map) != 0 || !map)
        return out;
    const char* strtab = nullptr;
    for (const ElfW(Dyn)* d = map->l_ld; d->d_tag != DT_NULL; ++d)
        if (d->d_tag == DT_STRTAB)
            strtab = reinterpret_cast<const char*>(d->d_un.d_ptr);
    if (!strtab)
        return out;
    for (const ElfW(Dyn)* d = map->l_ld; d->d_tag != DT_NULL; ++d)
        if (d->d_tag == DT_NEEDED)
            out.insert(strtab + d->d_un.d_val);
    return out;
}

// Run in a child process, so that nothing this test binary loaded elsewhere interferes: loads
// `load` and exits 0 when `other` is neither mapped nor needed, with a distinct code otherwise.
[[noreturn]] void load_alone(const char* load, const char* other) {
    const std::string other_name = base_name(other);
    if (count_mapped(other_name) != 0)
        std::_Exit(10);  // already there before the load: the check would prove nothing
    void* handle = ::dlopen(load, RTLD_NOW | RTLD_LOCAL);
    if (!handle)
        std::_Exit(11);
    if (count_mapped(base_name(load)) != 1)
        std::_Exit(12);
    if (count_mapped(other_name) != 0)
        std::_Exit(13);
    const std::set<std::string> needed = needed_of(handle);
    if (needed.empty())
        std::_Exit(14);  // every module needs the C++ runtime: an empty list means a bad read
    for (const std::string& n : needed)
        if (n.find("qdProgress") != std::string::npos || n.find("qdxProgress") != std::string::npos)
            std::_Exit(15);
    std::_Exit(0);
}

TEST(SinglePieModule, LoadingOneModuleNeverLoadsTheOther) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(load_alone(QD_MODULE_PATH, QD_OTHER_MODULE_PATH), ::testing::ExitedWithCode(0), "");
    EXPECT_EXIT(load_alone(QD_OTHER_MODULE_PATH, QD_MODULE_PATH), ::testing::ExitedWithCode(0), "");
}

// ---- Type library and resources ---------------------------------------------------------------

std::string dump() {
    const host::TypeLibraryRef tl = host::type_library(QD_MODULE_PATH);
    std::ostringstream out;
    host::dump_type_library(tl.desc(), out);
    return out.str();
}

// The lines of the dump from `first` up to the next blank line, blanks collapsed.
std::vector<std::string> block(const std::string& text, const std::string& first) {
    std::vector<std::string> out;
    std::istringstream in(text.substr(std::min(text.find(first), text.size())));
    std::string line;
    while (std::getline(in, line) && !line.empty()) {
        out.push_back(test::collapse_blanks(line));
    }
    return out;
}

TEST(SinglePieModule, TypeLibraryPublishesOneControlClassAndItsOwnEnumerations) {
    const std::string text = dump();
    const auto has = [&](const std::string& s) { return text.find(s) != std::string::npos; };
    EXPECT_EQ(block(text, "library "),
              (std::vector<std::string>{
                  "library qdxProgressPieControl {6F8593D9-1FDC-4755-9201-B55C1F5F2BA4}",
                  "help string: \"qdxProgressPieControl\"", "locale: 1033", "version: 8.0",
                  "help file: none"}));
    EXPECT_EQ(block(text, "class "),
              (std::vector<std::string>{
                  "class qdxProgressPie {690085C5-4CE7-449F-AF29-A510034061E8}", "kind: control",
                  "flags: control", "default interface: _qdxProgressPie",
                  "default source: __qdxProgressPie", "property pages: none",
                  "design extent: 3000 x 3000 twips"}));
    EXPECT_EQ(text.find("\nclass ", text.find("\nclass ") + 1), std::string::npos)
        << "one class only";

    // Slot order and dispatch identifiers: getters of Min and Value ahead of their setters.
    EXPECT_EQ(block(text, "interface _qdxProgressPie "),
              (std::vector<std::string>{
                  "interface _qdxProgressPie {25E3BDD9-7722-4A17-86C8-CA19E93C5F8A}",
                  "flags: hidden nonextensible dual dispatchable oleautomation",
                  "members (slot, kind, name, type, dispatch id):",
                  "0 method Refresh 0x60030012",
                  "1 propput LabelSize int16 0x6803000D",
                  "2 propget LabelSize int16 0x6803000D",
                  "3 propput LabelColor OLE_COLOR 0x6803000C",
                  "4 propget LabelColor OLE_COLOR 0x6803000C",
                  "5 propput LabelType ppLabelType 0x6803000B",
                  "6 propget LabelType ppLabelType 0x6803000B",
                  "7 propput LabelPosition ppLabelPosition 0x6803000A",
                  "8 propget LabelPosition ppLabelPosition 0x6803000A",
                  "9 propput FillStyle FillStyle 0x68030009",
                  "10 propget FillStyle FillStyle 0x68030009",
                  "11 propput StartColor OLE_COLOR 0x68030008",
                  "12 propget StartColor OLE_COLOR 0x68030008",
                  "13 propput EndColor OLE_COLOR 0x68030007",
                  "14 propget EndColor OLE_COLOR 0x68030007",
                  "15 propput FillType ppFillType 0x68030006",
                  "16 propget FillType ppFillType 0x68030006",
                  "17 propput BorderColor OLE_COLOR 0x68030005",
                  "18 propget BorderColor OLE_COLOR 0x68030005",
                  "19 propput BorderWidth float32 0x68030004",
                  "20 propget BorderWidth float32 0x68030004",
                  "21 propput BorderShow bool 0x68030003",
                  "22 propget BorderShow bool 0x68030003",
                  "23 propput Max float32 0x68030002",
                  "24 propget Max float32 0x68030002",
                  "25 propget Min float32 0x68030001",
                  "26 propput Min float32 0x68030001",
                  "27 propget Value float32 0x68030000",
                  "28 propput Value float32 0x68030000",
              }));
    EXPECT_EQ(block(text, "interface __qdxProgressPie "),
              (std::vector<std::string>{
                  "interface __qdxProgressPie {2EDF4B80-2156-4CA5-B4AE-4EC9B4253D7E}",
                  "flags: hidden nonextensible dispatchable", "members: none"}));

    // The library's own enumerations: pp members, and only two fill kinds.
    EXPECT_EQ(block(text, "enum ppLabelType "),
              (std::vector<std::string>{"enum ppLabelType {7C379834-8C22-4012-975A-FA24241B105E}",
                                        "ppValue = 0 \"ppValue\"", "ppFraction = 1 \"ppFraction\"",
                                        "ppPercent = 2 \"ppPercent\""}));
    EXPECT_EQ(
        block(text, "enum ppLabelPosition "),
        (std::vector<std::string>{"enum ppLabelPosition {A75A8F31-E0AF-43B0-9698-C4EFC13EC63D}",
                                  "ppNone = 0 \"ppNone\"", "ppUpLeft = 1 \"ppUpLeft\"",
                                  "ppUpRight = 2 \"ppUpRight\"", "ppLowLeft = 3 \"ppLowLeft\"",
                                  "ppLowRight = 4 \"ppLowRight\"", "ppCenter = 5 \"ppCenter\""}));
    EXPECT_EQ(block(text, "enum ppFillType "),
              (std::vector<std::string>{"enum ppFillType {5B4959C1-3C5A-49F5-9B00-9369C56A53D5}",
                                        "ppSingleColor = 0 \"ppSingleColor\"",
                                        "ppGradient = 1 \"ppGradient\""}));

    EXPECT_TRUE(has("bitmap 30000: 16 x 15, 24 bits per pixel"));
    EXPECT_TRUE(
        has("version block, language 1033\n  file version: 0.1.0.17\n"
            "  product version: 0.1.0.17\n"));
    for (const char* entry : {"InternalName = \"qdxProgressPie\"", "FileVersion = \"0.01.0017\"",
                              "OLESelfRegister = \"\""})
        EXPECT_TRUE(has(entry)) << entry;
}

TEST(SinglePieModule, ToolboxImageIsABlueToGreenSweepOnCyanToYellow) {
    const host::TypeLibraryRef tl = host::type_library(QD_MODULE_PATH);
    ASSERT_EQ(tl.desc().bitmap_count, 1u);
    const BitmapDesc& b = tl.desc().bitmaps[0];
    ASSERT_EQ(b.id, 30000);
    ASSERT_EQ(b.width, 16);
    ASSERT_EQ(b.height, 15);
    ASSERT_EQ(b.bits_per_pixel, 24);
    struct Px {
        int r, g, b;
    };
    const auto at = [&](int x, int y) {
        const std::uint8_t* p = b.pixels + (y * 16 + x) * 3;  // B, G, R
        return Px{p[2], p[1], p[0]};
    };
    // Background: cyan at the left edge, yellow at the right edge.
    EXPECT_EQ(at(0, 0).r, 0);
    EXPECT_EQ(at(0, 0).b, 255);
    EXPECT_EQ(at(15, 14).r, 255);
    EXPECT_EQ(at(15, 14).b, 0);
    // Inside the circle there is no red; just above 3 o'clock it is mostly blue, just below it
    // (the end of the counter-clockwise sweep) mostly green.
    for (int y = 3; y < 12; ++y)
        for (int x = 4; x < 12; ++x)
            EXPECT_EQ(at(x, y).r, 0) << x << "," << y;
    EXPECT_GT(at(13, 6).b, 200);
    EXPECT_GT(at(13, 8).g, 200);
    EXPECT_GT(at(8, 2).b, at(2, 7).b);  // 12 o'clock is earlier in the sweep than 9 o'clock
}

// ---- Registration and creation ----------------------------------------------------------------

class TempRegistry {
  public:
    TempRegistry() {
        char tmpl[] = "/tmp/qd-single-registry-XXXXXX";
        dir_ = ::mkdtemp(tmpl);
        ::setenv("QD_REGISTRY", (dir_ + "/registry").c_str(), 1);
    }
    ~TempRegistry() {
        ::unsetenv("QD_REGISTRY");
        std::error_code ec;
        std::filesystem::remove_all(dir_, ec);
    }

  private:
    std::string dir_;
};

TEST(SinglePieModule, RegistersAsItsLibraryDotClassAndCreatesByProgId) {
    TempRegistry temp;
    host::Library lib(QD_MODULE_PATH);
    ASSERT_EQ(lib.register_server(), S_OK);
    const Registry registry;
    const auto entry = registry.find_class("qdxProgressPieControl.qdxProgressPie");
    ASSERT_TRUE(entry);
    EXPECT_EQ(entry->guid, CLSID_qdxProgressPie);
    const auto tl = registry.find_type_library(LIBID_qdxProgressPieControl);
    ASSERT_TRUE(tl);
    EXPECT_EQ(tl->major_version, 8);
    EXPECT_EQ(tl->minor_version, 0);

    {
        auto pie = host::create_object<_qdxProgressPie>("qdxProgressPieControl.qdxProgressPie");
        ASSERT_TRUE(pie);
        // Late binding by dispatch identifier reaches the same fields as the vtable.
        Variant v;
        ASSERT_EQ(pie->Invoke(0x68030000, MemberKind::PropertyGet, nullptr, 0, &v), S_OK);
        EXPECT_EQ(v.type(), VarType::Float32);
        std::int32_t id = 0;
        EXPECT_EQ(pie->GetIDsOfNames("startcolor", &id), S_OK);
        EXPECT_EQ(id, 0x68030008);
        EXPECT_EQ(pie->GetIDsOfNames("FillColorStart", &id), DISP_E_UNKNOWNNAME);
        EXPECT_EQ(pie->GetIDsOfNames("Aspect", &id), DISP_E_UNKNOWNNAME);
        ComPtr<IControl> events = pie.query<IControl>();
        EXPECT_TRUE(events);
    }
    ASSERT_EQ(lib.unregister_server(), S_OK);
    EXPECT_FALSE(Registry().find_class("qdxProgressPieControl.qdxProgressPie"));
}

}  // namespace
}  // namespace qd
