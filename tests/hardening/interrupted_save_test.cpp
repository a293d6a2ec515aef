// A save interrupted at any system call (creating the temporary file, any part of the write,
// the sync, the close, the rename) reports the failure and leaves the old file byte for byte,
// with no temporary file left behind: for property files and for the class registry.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>
#include <string>

#include "host/persist/property_file.h"
#include "platform/registry.h"
#include "tests/hardening/system_call_faults.h"
#include "tests/support/temp_folder.h"

namespace qd::test {
namespace {

namespace fs = std::filesystem;

using TempDir = TempFolder;

// Runs `save` with each of its system calls failing in turn. `save` returns true on success
// and false when it reported the failure. Every failed run must leave `file` as `old_text`
// (or, after the rename went through, the whole new text) and only `expected_entries` in the
// folder. Returns the number of calls of a clean save.
std::size_t interrupt_everywhere(const TempDir& dir, const fs::path& file,
                                 const std::string& old_text,
                                 const std::vector<std::string>& expected_entries,
                                 const std::function<bool()>& save,
                                 const std::function<void()>& restore_old) {
    std::size_t n = 1;
    for (;; ++n) {
        restore_old();
        if (read_file(file) != old_text) {
            ADD_FAILURE() << "the old file cannot be restored";
            break;
        }
        bool ok = false;
        bool renamed = false;
        std::size_t calls = 0;
        {
            ArmedFaults faults(n);
            ok = save();
            calls = SystemCallFaults::calls();
            renamed = SystemCallFaults::renamed();
        }
        if (calls < n) {
            EXPECT_TRUE(ok) << "a save whose calls all succeeded";
            break;
        }
        const std::string now = read_file(file);
        if (!renamed) {
            EXPECT_FALSE(ok) << "call " << n << " failed and the save reported success";
            EXPECT_EQ(now, old_text) << "call " << n << " failed: the old file is damaged";
        }
        EXPECT_EQ(dir.names(), expected_entries) << "call " << n << ": a temporary file stays";
    }
    return n - 1;
}

TEST(InterruptedSave, PropertyFileKeepsItsOldContentWhereverTheSaveFails) {
    TempDir dir;
    const fs::path file = dir.path() / "pie.qdp";
    const host::PropertyList old_list = {{"Value", Variant(40.0f)}, {"Min", Variant(0.0f)}};
    host::PropertyList new_list;
    for (int i = 0; i < 12; ++i)
        new_list.push_back({"Key" + std::to_string(i), Variant(std::string(20, 'a' + i))});
    host::save_property_file(file.string(), old_list);
    const std::string old_text = read_file(file);

    const std::size_t calls = interrupt_everywhere(
        dir, file, old_text, {"pie.qdp"},
        [&] {
            try {
                host::save_property_file(file.string(), new_list);
                return true;
            } catch (const host::FileWriteError&) {
                return false;
            }
        },
        [&] { host::save_property_file(file.string(), old_list); });
    // mkstemp, a write per 16 bytes of a file of over 300, fsync, close, rename, ...
    EXPECT_GT(calls, 20u);
    EXPECT_EQ(host::load_property_file(file.string()).size(), new_list.size());
}

TEST(InterruptedSave, RegistryKeepsItsOldEntriesWhereverTheUpdateFails) {
    TempDir dir;
    const fs::path file = dir.path() / "registry";
    const Registry registry(file.string());
    const auto entry = [](std::uint32_t n, const std::string& name) {
        return RegistryEntry{RegistryEntry::Kind::Class, Guid{n, 1, 2, {3}}, name, 0, 0,
                             "/opt/lib/" + name + ".so"};
    };
    const std::vector<RegistryEntry> old_entries = {entry(1, "lib.One"), entry(2, "lib.Two")};
    const auto restore = [&] {
        registry.update([&](std::vector<RegistryEntry>& e) { e = old_entries; });
    };
    restore();
    const std::string old_text = read_file(file);

    const std::size_t calls = interrupt_everywhere(
        dir, file, old_text, {"registry", "registry.lock"},
        [&] {
            try {
                registry.update([&](std::vector<RegistryEntry>& e) {
                    for (std::uint32_t i = 10; i < 20; ++i)
                        e.push_back(entry(i, "lib.Class" + std::to_string(i)));
                });
                return true;
            } catch (const RegistryError&) {
                return false;
            }
        },
        restore);
    EXPECT_GT(calls, 20u);
    EXPECT_EQ(registry.read().size(), 12u);
    // Every failed update left a registry that parses to the old entries.
    restore();
    EXPECT_EQ(registry.read(), old_entries);
}

}  // namespace
}  // namespace qd::test
