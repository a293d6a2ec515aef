#include "platform/registry.h"

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <csignal>

#include <algorithm>
#include <set>
#include <vector>

#include "host/loader/library.h"
#include "host/loader/loader.h"
#include "platform/server.h"
#include "test_support.h"

namespace qd {
namespace {

using test::read_text;
using test::TempRegistry;
using test::write_text;

constexpr Guid kGuidA = {0x11111111, 0x2222, 0x3333, {0x44, 0x44, 0x55, 0x55, 0x55, 0x55, 0x55, 1}};
constexpr Guid kGuidB = {0x11111111, 0x2222, 0x3333, {0x44, 0x44, 0x55, 0x55, 0x55, 0x55, 0x55, 2}};

std::string error_of(std::string_view text) {
    try {
        parse_registry(text, "reg");
    } catch (const RegistryError& e) {
        return e.what();
    }
    return "(no error)";
}

TEST(Registry, ParsesWhatItFormatsIncludingPathsWithSpaces) {
    const std::vector<RegistryEntry> entries = {
        {RegistryEntry::Kind::Class, kGuidA, "lib.First", 0, 0, "/opt/my libs/lib.so"},
        {RegistryEntry::Kind::TypeLib, kGuidB, "lib", 9, 0, "/opt/my libs/lib.so"},
    };
    const std::string text = format_registry(entries);
    EXPECT_EQ(parse_registry(text, "reg"), entries);
    EXPECT_NE(
        text.find("class {11111111-2222-3333-4444-555555555501} lib.First /opt/my libs/lib.so"),
        std::string::npos);
    EXPECT_NE(text.find("typelib {11111111-2222-3333-4444-555555555502} 9.0 lib /opt/my libs"),
              std::string::npos);
    // Comments, blank lines and runs of blanks are accepted.
    EXPECT_EQ(parse_registry("# c\n\n  class  {11111111-2222-3333-4444-555555555501}\tlib.First "
                             " /opt/my libs/lib.so  \n",
                             "reg"),
              std::vector<RegistryEntry>{entries[0]});
}

TEST(Registry, RefusesMalformedLinesNamingFileAndLine) {
    const std::string good = "class {11111111-2222-3333-4444-555555555501} lib.A /x.so\n";
    EXPECT_NE(error_of("# c\n\nfoo bar\n").find("reg:3: unknown entry kind 'foo'"),
              std::string::npos);
    EXPECT_NE(error_of("class {1111-22} lib.A /x.so").find("reg:1:"), std::string::npos);
    EXPECT_NE(error_of("class {11111111-2222-3333-4444-555555555501} libA /x.so")
                  .find("not a name LIBRARY.CLASS"),
              std::string::npos);
    EXPECT_NE(
        error_of("class {11111111-2222-3333-4444-555555555501} lib.A x.so").find("not absolute"),
        std::string::npos);
    EXPECT_NE(error_of("class {11111111-2222-3333-4444-555555555501} lib.A").find("missing"),
              std::string::npos);
    EXPECT_NE(error_of("typelib {11111111-2222-3333-4444-555555555501} 9 lib /x.so")
                  .find("not a version"),
              std::string::npos);
    EXPECT_NE(error_of("typelib {11111111-2222-3333-4444-555555555501} 9.x lib /x.so")
                  .find("not a version"),
              std::string::npos);
    EXPECT_NE(error_of(good + "class {11111111-2222-3333-4444-555555555501} lib.B /y.so\n")
                  .find("reg:2: class {11111111-2222-3333-4444-555555555501} listed twice"),
              std::string::npos);
    // ProgIDs compare without regard to case, as look-ups do.
    EXPECT_NE(error_of(good + "class {11111111-2222-3333-4444-555555555502} LIB.a /y.so\n")
                  .find("reg:2: class name LIB.a listed twice"),
              std::string::npos);
    EXPECT_NE(error_of("class {11111111-2222-3333-4444-555555555501} lib.A /x.so\r\n")
                  .find("reg:1: control character"),
              std::string::npos);
}

TEST(Registry, LocationFollowsTheEnvironment) {
    const char* saved_home = std::getenv("HOME");
    const std::string home = saved_home ? saved_home : "";
    ::unsetenv("QD_REGISTRY");
    ::setenv("XDG_CONFIG_HOME", "/cfg", 1);
    EXPECT_EQ(registry_default_path(), "/cfg/qd/registry");
    ::unsetenv("XDG_CONFIG_HOME");
    ::setenv("HOME", "/home/u", 1);
    EXPECT_EQ(registry_default_path(), "/home/u/.config/qd/registry");
    ::setenv("QD_REGISTRY", "/r/reg", 1);
    EXPECT_EQ(registry_default_path(), "/r/reg");
    ::unsetenv("QD_REGISTRY");
    ::setenv("HOME", home.c_str(), 1);
}

TEST(Registry, UpdateCreatesTheFolderAndLeavesABrokenFileAlone) {
    TempRegistry temp;
    const Registry nested(temp.dir() + "/a/b/registry");
    EXPECT_TRUE(nested.read().empty());
    nested.update([](auto& e) {
        e.push_back({RegistryEntry::Kind::Class, kGuidA, "lib.A", 0, 0, "/x.so"});
    });
    ASSERT_TRUE(nested.find_class("LIB.a"));
    EXPECT_EQ(nested.find_class(kGuidA)->path, "/x.so");
    EXPECT_FALSE(nested.find_class(kGuidB));
    EXPECT_FALSE(nested.find_type_library(kGuidA));

    const Registry broken(temp.path());
    write_text(temp.path(), "class nonsense\n");
    EXPECT_THROW(broken.update([](auto&) {}), RegistryError);
    EXPECT_EQ(read_text(temp.path()), "class nonsense\n");

    // An edit that would write an unreadable file is refused before anything is replaced.
    write_text(temp.path(), "");
    EXPECT_THROW(broken.update([](auto& e) {
        e.push_back({RegistryEntry::Kind::Class, kGuidA, "lib.A", 0, 0, "relative.so"});
    }),
                 RegistryError);
    EXPECT_EQ(read_text(temp.path()), "");
    EXPECT_THROW(broken.update([](auto& e) {
        e.push_back({RegistryEntry::Kind::Class, kGuidA, "lib.A", 0, 0, "/a\nclass x"});
    }),
                 RegistryError);
    EXPECT_EQ(read_text(temp.path()), "");
}

TEST(Registry, AWriteThatFailsHalfwayLeavesTheOldFileAndNoLeftovers) {
    TempRegistry temp;
    const Registry registry;
    registry.update([](auto& e) {
        e.push_back({RegistryEntry::Kind::Class, kGuidA, "lib.A", 0, 0, "/x.so"});
    });
    const std::string before = read_text(temp.path());

    // In a child limited to small files, writing a long registry fails part way through.
    const pid_t pid = ::fork();
    ASSERT_GE(pid, 0);
    if (pid == 0) {
        ::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{200, 200};
        ::setrlimit(RLIMIT_FSIZE, &limit);
        try {
            registry.update([](auto& e) {
                e.push_back({RegistryEntry::Kind::Class, kGuidB, "lib.B", 0, 0,
                             "/" + std::string(400, 'p') + ".so"});
            });
        } catch (const RegistryError& e) {
            ::_exit(std::string(e.what()).find("cannot write") != std::string::npos ? 0 : 2);
        }
        ::_exit(1);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(pid, &status, 0), pid);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
    EXPECT_EQ(read_text(temp.path()), before);
    std::vector<std::string> files;
    for (const auto& f : std::filesystem::directory_iterator(temp.dir()))
        files.push_back(f.path().filename().string());
    std::sort(files.begin(), files.end());
    EXPECT_EQ(files, (std::vector<std::string>{"registry", "registry.lock"}));
}

// ---- Many processes registering and unregistering at once -----------------------------------

// A made-up library with two classes; its registrations land under the test program's path.
struct FakeLibrary {
    std::string name;
    std::string class_names[2];
    ClassDesc classes[2];
    LibraryDesc desc;

    explicit FakeLibrary(int n) : name("fake" + std::to_string(n)) {
        class_names[0] = "One";
        class_names[1] = "Two";
        for (int c = 0; c < 2; ++c) {
            Guid clsid = {0xC1A55000u + static_cast<std::uint32_t>(n), 0, 0, {}};
            clsid.data2 = static_cast<std::uint16_t>(c);
            classes[c] = ClassDesc{class_names[c].c_str(),
                                   clsid,
                                   ClassKind::Control,
                                   0,
                                   nullptr,
                                   nullptr,
                                   nullptr,
                                   0,
                                   0,
                                   0,
                                   nullptr};
        }
        const Guid libid = {0x11B00000u + static_cast<std::uint32_t>(n), 0, 0, {}};
        desc = LibraryDesc{name.c_str(),
                           name.c_str(),
                           libid,
                           1033,
                           1,
                           0,
                           nullptr,
                           classes,
                           2,
                           nullptr,
                           0,
                           nullptr,
                           0,
                           nullptr,
                           0,
                           nullptr};
    }
};

// A class that is published but has no creator in this build answers so through its factory.
TEST(Server, FactoryOfAClassWithoutCreatorSaysItIsNotAvailable) {
    const FakeLibrary lib(99);
    ComPtr<IClassFactory> factory;
    ASSERT_EQ(server_get_class_object(lib.desc, lib.classes[1].clsid, IClassFactory::iid,
                                      factory.put_void()),
              S_OK);
    ComPtr<IUnknown> obj;
    EXPECT_EQ(factory->CreateInstance(nullptr, IID_IUnknown, obj.put_void()),
              CLASS_E_CLASSNOTAVAILABLE);
    EXPECT_FALSE(obj);
    // The type library answers to the null identifier too, for a loader that has no libid yet.
    ComPtr<ITypeLibrary> tl;
    ASSERT_EQ(server_get_class_object(lib.desc, Guid{}, ITypeLibrary::iid, tl.put_void()), S_OK);
    const LibraryDesc* desc = nullptr;
    EXPECT_EQ(tl->GetLibrary(&desc), S_OK);
    EXPECT_EQ(desc, &lib.desc);
}

TEST(Registry, ConcurrentRegistrationsFromManyProcessesLoseNothing) {
    TempRegistry temp;
    constexpr int kLibraries = 10;
    constexpr int kRounds = 15;
    std::vector<std::unique_ptr<FakeLibrary>> libs;
    for (int i = 0; i < kLibraries; ++i)
        libs.push_back(std::make_unique<FakeLibrary>(i));
    // An entry of some other library that nobody touches must survive.
    Registry().update([](auto& e) {
        e.push_back({RegistryEntry::Kind::Class, kGuidA, "other.Thing", 0, 0, "/other.so"});
    });

    // Children 0..9 each own a fake library and end registered when even; the others register
    // and unregister a real module, ending registered.
    std::vector<std::string> modules = {QD_MODULE_PATH, QD_MODULE_PATH};
#if defined(QD_SECOND_MODULE_PATH)
    modules.insert(modules.end(), {QD_SECOND_MODULE_PATH, QD_SECOND_MODULE_PATH});
#endif
    std::vector<pid_t> children;
    for (int child = 0; child < kLibraries + static_cast<int>(modules.size()); ++child) {
        const pid_t pid = ::fork();
        ASSERT_GE(pid, 0);
        if (pid != 0) {
            children.push_back(pid);
            continue;
        }
        int bad = 0;
        if (child < kLibraries) {
            const LibraryDesc& lib = libs[child]->desc;
            for (int r = 0; r < kRounds; ++r) {
                bad += failed(server_register(lib));
                bad += failed(server_unregister(lib));
            }
            if (child % 2 == 0)
                bad += failed(server_register(lib));
        } else {
            try {
                host::Library module(modules[child - kLibraries]);
                for (int r = 0; r < kRounds; ++r) {
                    bad += failed(module.register_server());
                    bad += failed(module.unregister_server());
                }
                bad += failed(module.register_server());
            } catch (...) {
                bad = 1;
            }
        }
        ::_exit(bad == 0 ? 0 : 1);
    }
    for (pid_t pid : children) {
        int status = 0;
        ASSERT_EQ(::waitpid(pid, &status, 0), pid);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    }

    const std::vector<RegistryEntry> entries = Registry().read();  // parses, or throws
    std::set<std::string> names;
    for (const RegistryEntry& e : entries)
        names.insert((e.kind == RegistryEntry::Kind::Class ? "class " : "typelib ") + e.name);
    std::set<std::string> expected = {"class other.Thing"};
    for (const std::string& path : modules) {
        const host::TypeLibraryRef tl = host::type_library(path);
        const LibraryDesc& lib = tl.desc();
        expected.insert(std::string("typelib ") + lib.name);
        for (std::size_t c = 0; c < lib.class_count; ++c)
            expected.insert(std::string("class ") + lib.name + "." + lib.classes[c].name);
    }
    for (int i = 0; i < kLibraries; i += 2) {
        const std::string lib = "fake" + std::to_string(i);
        expected.insert({"class " + lib + ".One", "class " + lib + ".Two", "typelib " + lib});
    }
    EXPECT_EQ(names, expected);
    EXPECT_EQ(entries.size(), expected.size());
}

}  // namespace
}  // namespace qd
