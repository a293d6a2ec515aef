// The qdProgressControls module seen from outside, through its four exports only.
#include <gtest/gtest.h>

#include <cstdio>
#include <set>
#include <sstream>

#include "host/loader/library.h"
#include "host/loader/loader.h"
#include "host/loader/typelib_dump.h"
#include "platform/registry.h"
#include "qd/progress_controls.h"
#include "test_support.h"
#include "tests/support/text.h"

namespace qd {
namespace {

using namespace qd::progress;
using host::Library;
using test::TempRegistry;

Library& module() {
    static Library lib(QD_MODULE_PATH);
    return lib;
}

ComPtr<IClassFactory> factory_of(const Guid& clsid) {
    ComPtr<IClassFactory> f;
    EXPECT_EQ(module().get_class_object(clsid, IClassFactory::iid, f.put_void()), S_OK);
    return f;
}

TEST(Module, ExportsExactlyTheFourEntryPoints) {
    int nm_status = -1;
    const std::set<std::string> symbols = test::exported_symbols(QD_MODULE_PATH, &nm_status);
    ASSERT_EQ(nm_status, 0);
    EXPECT_EQ(symbols, (std::set<std::string>{"DllCanUnloadNow", "DllGetClassObject",
                                              "DllRegisterServer", "DllUnregisterServer"}));
}

TEST(Module, RegistersAndUnregistersItsClassesAndTypeLibrary) {
    TempRegistry temp;
    const std::string path = test::module_path();
    test::write_text(temp.path(),
                     "class {11111111-2222-3333-4444-555555555501} other.Thing /other.so\n");
    ASSERT_EQ(module().register_server(), S_OK);
    ASSERT_EQ(module().register_server(), S_OK);  // again: replaces, never duplicates

    const Registry registry;
    const std::vector<RegistryEntry> entries = registry.read();
    EXPECT_EQ(entries.size(), 5u);
    const std::pair<const char*, Guid> classes[] = {
        {"qdProgressControls.qdProgressPie", CLSID_qdProgressPie},
        {"qdProgressControls.qdProgressBar", CLSID_qdProgressBar},
        {"qdProgressControls.Data", CLSID_Data}};
    for (const auto& [progid, clsid] : classes) {
        const auto by_name = registry.find_class(progid);
        ASSERT_TRUE(by_name) << progid;
        EXPECT_EQ(by_name->guid, clsid);
        EXPECT_EQ(by_name->path, path);
        const auto by_id = registry.find_class(clsid);
        ASSERT_TRUE(by_id);
        EXPECT_EQ(by_id->name, progid);
    }
    const auto tl = registry.find_type_library(LIBID_qdProgressControls);
    ASSERT_TRUE(tl);
    EXPECT_EQ(tl->name, "qdProgressControls");
    EXPECT_EQ(tl->major_version, 9);
    EXPECT_EQ(tl->minor_version, 0);
    EXPECT_EQ(tl->path, path);

    ASSERT_EQ(module().unregister_server(), S_OK);
    const std::vector<RegistryEntry> left = registry.read();
    ASSERT_EQ(left.size(), 1u);
    EXPECT_EQ(left[0].name, "other.Thing");

    // A registry that does not parse is reported, and left as it was.
    test::write_text(temp.path(), "garbage\n");
    EXPECT_EQ(module().register_server(), SELFREG_E_CLASS);
    EXPECT_EQ(test::read_text(temp.path()), "garbage\n");
    try {
        host::register_library(QD_MODULE_PATH);
        ADD_FAILURE() << "registration into a broken registry succeeded";
    } catch (const host::LoaderError& e) {
        EXPECT_NE(std::string(e.what()).find(temp.path() + ":1: unknown entry kind 'garbage'"),
                  std::string::npos)
            << e.what();
    }
}

TEST(Module, StaysLoadedWhileAnObjectOrLockIsAlive) {
    ASSERT_EQ(module().can_unload_now(), S_OK);
    ComPtr<IClassFactory> f = factory_of(CLSID_qdProgressPie);
    EXPECT_EQ(module().can_unload_now(), S_FALSE);
    EXPECT_EQ(f->LockServer(true), S_OK);
    f.reset();
    EXPECT_EQ(module().can_unload_now(), S_FALSE);  // the lock alone keeps it
    f = factory_of(CLSID_qdProgressBar);
    EXPECT_EQ(f->LockServer(false), S_OK);
    EXPECT_EQ(module().can_unload_now(), S_FALSE);  // the factory is still alive
    EXPECT_EQ(f->LockServer(false), E_UNEXPECTED);  // an unbalanced unlock changes nothing
    f.reset();
    EXPECT_EQ(module().can_unload_now(), S_OK);

    ComPtr<ITypeLibrary> tl;
    ASSERT_EQ(module().get_class_object(LIBID_qdProgressControls, ITypeLibrary::iid, tl.put_void()),
              S_OK);
    EXPECT_EQ(module().can_unload_now(), S_FALSE);
    tl.reset();
    EXPECT_EQ(module().can_unload_now(), S_OK);
}

TEST(Module, ClassFactoriesCreateEachClassAndRefuseTheRest) {
    ComPtr<IUnknown> obj;
    EXPECT_EQ(module().get_class_object(Guid{1, 2, 3, {}}, IClassFactory::iid, obj.put_void()),
              CLASS_E_CLASSNOTAVAILABLE);
    EXPECT_FALSE(obj);
    EXPECT_EQ(
        module().get_class_object(LIBID_qdProgressControls, IClassFactory::iid, obj.put_void()),
        E_NOINTERFACE);

    ComPtr<IClassFactory> pie = factory_of(CLSID_qdProgressPie);
    ASSERT_TRUE(pie);
    int dummy_outer_storage = 0;
    EXPECT_EQ(pie->CreateInstance(reinterpret_cast<IUnknown*>(&dummy_outer_storage), IID_IUnknown,
                                  obj.put_void()),
              CLASS_E_NOAGGREGATION);
    EXPECT_FALSE(obj);

    ComPtr<_qdProgressPie> created;
    ASSERT_EQ(pie->CreateInstance(nullptr, _qdProgressPie::iid, created.put_void()), S_OK);
    Variant v;
    EXPECT_EQ(created->Invoke(0x68030000, MemberKind::PropertyGet, nullptr, 0, &v), S_OK);
    EXPECT_EQ(module().can_unload_now(), S_FALSE);
    created.reset();
    pie.reset();
    {
        ComPtr<IClassFactory> data = factory_of(CLSID_Data);
        ASSERT_TRUE(data);
        ComPtr<_Data> page;
        EXPECT_EQ(data->CreateInstance(nullptr, _Data::iid, page.put_void()), S_OK);
        EXPECT_TRUE(page);
    }
    {
        ComPtr<IClassFactory> bar = factory_of(CLSID_qdProgressBar);
        ASSERT_TRUE(bar);
        ComPtr<_qdProgressBar> created_bar;
        ASSERT_EQ(bar->CreateInstance(nullptr, _qdProgressBar::iid, created_bar.put_void()), S_OK);
        Variant value;
        EXPECT_EQ(created_bar->Invoke(0x68030000, MemberKind::PropertyGet, nullptr, 0, &value),
                  S_OK);
    }
    EXPECT_EQ(module().can_unload_now(), S_OK);
}

// ---- The type library, reached through the exports alone -------------------------------------

// The member lines of one interface in the dump, blanks collapsed: "slot kind name type dispid".
std::vector<std::string> member_lines(const std::string& dump, const std::string& itf) {
    std::vector<std::string> out;
    std::istringstream in(dump);
    std::string line;
    bool inside = false;
    while (std::getline(in, line)) {
        if (line.rfind("interface ", 0) == 0) {
            inside = line.rfind("interface " + itf + " ", 0) == 0;
            continue;
        }
        if (!inside || line.rfind("    ", 0) != 0)
            continue;
        out.push_back(test::collapse_blanks(line));
    }
    return out;
}

TEST(Module, TypeLibraryPublishesEveryMemberInSlotOrder) {
    const host::TypeLibraryRef tl = host::type_library(QD_MODULE_PATH);
    std::ostringstream dump_stream;
    host::dump_type_library(tl.desc(), dump_stream);
    const std::string dump = dump_stream.str();

    const std::vector<std::string> pie = {
        "0 method Refresh 0x60030014",
        "1 propput Aspect float32 0x6803000F",
        "2 propget Aspect float32 0x6803000F",
        "3 propput LabelSize int16 0x6803000E",
        "4 propget LabelSize int16 0x6803000E",
        "5 propput LabelColor OLE_COLOR 0x6803000D",
        "6 propget LabelColor OLE_COLOR 0x6803000D",
        "7 propput LabelType ppLabelType 0x6803000C",
        "8 propget LabelType ppLabelType 0x6803000C",
        "9 propput LabelPosition ppLabelPosition 0x6803000B",
        "10 propget LabelPosition ppLabelPosition 0x6803000B",
        "11 propput FillStyle FillStyle 0x6803000A",
        "12 propget FillStyle FillStyle 0x6803000A",
        "13 propput FillColorStart OLE_COLOR 0x68030009",
        "14 propget FillColorStart OLE_COLOR 0x68030009",
        "15 propput FillColorEnd OLE_COLOR 0x68030008",
        "16 propget FillColorEnd OLE_COLOR 0x68030008",
        "17 propput FillColorMid OLE_COLOR 0x68030007",
        "18 propget FillColorMid OLE_COLOR 0x68030007",
        "19 propput FillType ppFillType 0x68030006",
        "20 propget FillType ppFillType 0x68030006",
        "21 propput BorderColor OLE_COLOR 0x68030005",
        "22 propget BorderColor OLE_COLOR 0x68030005",
        "23 propput BorderWidth float32 0x68030004",
        "24 propget BorderWidth float32 0x68030004",
        "25 propput BorderShow bool 0x68030003",
        "26 propget BorderShow bool 0x68030003",
        "27 propput Max float32 0x68030002",
        "28 propget Max float32 0x68030002",
        "29 propget Min float32 0x68030001",
        "30 propput Min float32 0x68030001",
        "31 propget Value float32 0x68030000",
        "32 propput Value float32 0x68030000",
    };
    const std::vector<std::string> bar = {
        "0 method Refresh 0x60030011",
        "1 propput LabelSize int16 0x6803000C",
        "2 propget LabelSize int16 0x6803000C",
        "3 propput LabelColor OLE_COLOR 0x6803000B",
        "4 propget LabelColor OLE_COLOR 0x6803000B",
        "5 propput LabelType ppLabelType 0x6803000A",
        "6 propget LabelType ppLabelType 0x6803000A",
        "7 propput LabelPosition ppBarLabelPosition 0x68030009",
        "8 propget LabelPosition ppBarLabelPosition 0x68030009",
        "9 propput FillStyle FillStyle 0x68030008",
        "10 propget FillStyle FillStyle 0x68030008",
        "11 propput FillColorStart OLE_COLOR 0x68030007",
        "12 propget FillColorStart OLE_COLOR 0x68030007",
        "13 propput FillColorEnd OLE_COLOR 0x68030006",
        "14 propget FillColorEnd OLE_COLOR 0x68030006",
        "15 propput FillColorMid OLE_COLOR 0x68030005",
        "16 propget FillColorMid OLE_COLOR 0x68030005",
        "17 propput FillType ppFillType 0x68030004",
        "18 propget FillType ppFillType 0x68030004",
        "19 propput BorderStyle ppBorderStyle 0x68030003",
        "20 propget BorderStyle ppBorderStyle 0x68030003",
        "21 propput Max float32 0x68030002",
        "22 propget Max float32 0x68030002",
        "23 propget Min float32 0x68030001",
        "24 propput Min float32 0x68030001",
        "25 propget Value float32 0x68030000",
        "26 propput Value float32 0x68030000",
    };
    EXPECT_EQ(member_lines(dump, "_qdProgressPie"), pie);
    EXPECT_EQ(member_lines(dump, "_qdProgressBar"), bar);
    EXPECT_TRUE(member_lines(dump, "_Data").empty());

    const auto has = [&](const std::string& text) { return dump.find(text) != std::string::npos; };
    EXPECT_TRUE(
        has("library qdProgressControls {AB6DAD56-EFF5-41FC-8746-EA36B93C3284}\n"
            "  help string: \"qdProgressControls\"\n  locale: 1033\n  version: 9.0\n"
            "  help file: none\n"));
    EXPECT_TRUE(has("class qdProgressPie " + guid_to_string(CLSID_qdProgressPie) +
                    "\n  kind: control\n  flags: control\n  default interface: _qdProgressPie\n"
                    "  default source: __qdProgressPie\n  property pages: StandardColor, Data\n"
                    "  design extent: 3000 x 3000 twips\n"));
    EXPECT_TRUE(has("class qdProgressBar " + guid_to_string(CLSID_qdProgressBar) +
                    "\n  kind: control\n  flags: control\n  default interface: _qdProgressBar\n"
                    "  default source: __qdProgressBar\n  property pages: StandardColor, Data\n"
                    "  design extent: 5310 x 390 twips\n"));
    EXPECT_TRUE(has("class Data " + guid_to_string(CLSID_Data) +
                    "\n  kind: property page\n  flags: none\n  default interface: _Data\n"
                    "  default source: none\n  property pages: none\n"));
    EXPECT_FALSE(has("cancreate"));
    // The classes come in type-library order.
    EXPECT_LT(dump.find("class qdProgressPie"), dump.find("class qdProgressBar"));
    EXPECT_LT(dump.find("class qdProgressBar"), dump.find("class Data"));
    // Each block of the dump runs from its heading to the next blank line.
    const auto block = [&](const std::string& heading) {
        const std::size_t at = dump.find("\n" + heading + " ");
        if (at == std::string::npos)
            return std::string("(missing " + heading + ")");
        return dump.substr(at + 1, dump.find("\n\n", at + 1) - at);
    };
    for (const char* events : {"interface __qdProgressPie", "interface __qdProgressBar"}) {
        const std::string b = block(events);
        EXPECT_NE(b.find("\n  flags: hidden nonextensible dispatchable\n  members: none\n"),
                  std::string::npos)
            << b;
    }
    EXPECT_NE(block("interface _qdProgressPie")
                  .find("\n  flags: hidden nonextensible dual dispatchable oleautomation\n"),
              std::string::npos);
    // pCenter is 5 for the pie and 3 for the bar.
    EXPECT_NE(block("enum ppLabelPosition").find("\n  pCenter = 5  \"pCenter\"\n"),
              std::string::npos);
    EXPECT_NE(block("enum ppBarLabelPosition").find("\n  pCenter = 3  \"pCenter\"\n"),
              std::string::npos);
    EXPECT_TRUE(has("  p3ColorGradient = 2  \"p3ColorGradient\"\n"));
    EXPECT_TRUE(has("  p3D = 1  \"p3D\"\n"));
    EXPECT_TRUE(has("  pFraction = 1  \"pFraction\"\n"));

    EXPECT_TRUE(has("bitmap 30000: 16 x 15, 8 bits per pixel"));
    EXPECT_TRUE(has("bitmap 30001: 16 x 15, 8 bits per pixel"));
    EXPECT_TRUE(
        has("version block, language 1033\n  file version: 1.0.0.7\n"
            "  product version: 1.0.0.7\n"));
    for (const char* entry :
         {"ProductName = \"qdProgressControls\"", "InternalName = \"qdProgressControls\"",
          "FileVersion = \"1.00.0007\"", "ProductVersion = \"1.00.0007\"",
          "OLESelfRegister = \"\""})
        EXPECT_TRUE(has(entry)) << entry;
}

// The toolbox images look like what they stand for.
TEST(Module, ToolboxBitmapsShowABandAndASector) {
    const host::TypeLibraryRef tl = host::type_library(QD_MODULE_PATH);
    const LibraryDesc& lib = tl.desc();
    ASSERT_EQ(lib.bitmap_count, 2u);
    const BitmapDesc& bar = lib.bitmaps[0];
    const BitmapDesc& pie = lib.bitmaps[1];
    ASSERT_EQ(bar.id, 30000);
    ASSERT_EQ(pie.id, 30001);
    const auto colour = [](const BitmapDesc& b, int x, int y) {
        const std::uint8_t index = b.pixels[y * b.width + x];
        EXPECT_LT(index, b.palette_size);
        return b.palette[index];
    };
    for (const BitmapDesc* b : {&bar, &pie}) {
        EXPECT_EQ(b->width, 16);
        EXPECT_EQ(b->height, 15);
        EXPECT_EQ(b->bits_per_pixel, 8);
        EXPECT_LE(b->palette_size, 256u);
        for (int i = 0; i < 16 * 15; ++i)
            EXPECT_LT(b->pixels[i], b->palette_size);
    }
    // The band's middle row runs through at least five colours from left to right.
    std::set<std::uint32_t> band;
    for (int x = 1; x < 15; ++x)
        band.insert(colour(bar, x, 7));
    EXPECT_GE(band.size(), 5u);
    // The pie: corners are background; right of the centre (angle 0) lies in the filled sector,
    // the lower-right quarter is not filled, the upper-left is.
    const std::uint32_t background = colour(pie, 0, 0);
    EXPECT_EQ(colour(pie, 15, 14), background);
    const std::uint32_t filled = colour(pie, 10, 6);
    EXPECT_NE(filled, background);
    EXPECT_EQ(colour(pie, 5, 4), filled);
    EXPECT_NE(colour(pie, 10, 10), filled);
    EXPECT_NE(colour(pie, 10, 10), background);
}

}  // namespace
}  // namespace qd
