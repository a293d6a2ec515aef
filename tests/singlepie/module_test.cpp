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
#include <regex>
#include <set>
#include <sstream>
#include <string>

#include "foundation/host.h"
#include "host/loader/library.h"
#include "host/loader/loader.h"
#include "host/loader/typelib_dump.h"
#include "platform/registry.h"
#include "qd/single_pie.h"

namespace qd {
namespace {

using namespace qd::single;

std::set<std::string> exported_symbols(const std::string& path) {
    FILE* nm = ::popen(("nm -D --defined-only '" + path + "'").c_str(), "r");
    std::set<std::string> symbols;
    if (!nm)
        return symbols;
    char line[512];
    while (std::fgets(line, sizeof line, nm)) {
        std::istringstream words(line);
        std::string address, type, name;
        words >> address >> type >> name;
        symbols.insert(name);
    }
    ::pclose(nm);
    return symbols;
}

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

TEST(SinglePieModule, TypeLibraryPublishesOneControlClassAndItsOwnEnumerations) {
    const std::string text = dump();
    const auto has = [&](const std::string& s) { return text.find(s) != std::string::npos; };
    EXPECT_TRUE(
        has("library qdxProgressPieControl {6F8593D9-1FDC-4755-9201-B55C1F5F2BA4}\n"
            "  help string: \"qdxProgressPieControl\"\n  locale: 1033\n  version: 8.0\n"
            "  help file: none\n"));
    EXPECT_TRUE(
        has("class qdxProgressPie {690085C5-4CE7-449F-AF29-A510034061E8}\n"
            "  kind: control\n  flags: control\n  default interface: _qdxProgressPie\n"
            "  default source: __qdxProgressPie\n  property pages: none\n"
            "  design extent: 3000 x 3000 twips\n"));
    EXPECT_EQ(std::regex_search(text, std::regex("\nclass ")) ? 1 : 0, 1);
    EXPECT_EQ(text.find("\nclass ", text.find("\nclass ") + 1), std::string::npos);
    EXPECT_TRUE(
        has("interface __qdxProgressPie {2EDF4B80-2156-4CA5-B4AE-4EC9B4253D7E}\n"
            "  flags: hidden nonextensible dispatchable\n  members: none\n"));
    EXPECT_TRUE(
        has("interface _qdxProgressPie {25E3BDD9-7722-4A17-86C8-CA19E93C5F8A}\n"
            "  flags: hidden nonextensible dual dispatchable oleautomation\n"));
    for (const char* member :
         {"ppValue = 0  \"ppValue\"", "ppPercent = 2  \"ppPercent\"", "ppCenter = 5  \"ppCenter\"",
          "ppLowLeft = 3  \"ppLowLeft\"", "ppSingleColor = 0  \"ppSingleColor\"",
          "ppGradient = 1  \"ppGradient\""})
        EXPECT_TRUE(has(member)) << member;
    // The fill kinds are only two; nothing of the other library's members appears.
    EXPECT_FALSE(std::regex_search(text, std::regex("\n  p[A-Z0-9]")));
    EXPECT_TRUE(std::regex_search(
        text, std::regex("enum ppFillType \\{5B4959C1-3C5A-49F5-9B00-9369C56A53D5\\}[^\n]*\n"
                         "  ppSingleColor = 0  \"ppSingleColor\"\n"
                         "  ppGradient = 1  \"ppGradient\"\n(?!  pp)")));
    EXPECT_TRUE(has("{7C379834-8C22-4012-975A-FA24241B105E}"));
    EXPECT_TRUE(has("{A75A8F31-E0AF-43B0-9698-C4EFC13EC63D}"));

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
        EXPECT_EQ(v.type(), VarType::Single);
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
