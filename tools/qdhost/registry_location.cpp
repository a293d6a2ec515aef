#include "tools/qdhost/registry_location.h"

#include <stdlib.h>

#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <system_error>

#include "host/loader/loader.h"
#include "platform/registry.h"

namespace qd::qdhost {

std::string build_tree_registry(const std::string& executable) {
    const std::filesystem::path bin = std::filesystem::path(executable).parent_path();
    return (bin.parent_path() / "registry").string();
}

namespace {

#ifndef QD_MODULE_DIR_FROM_BIN
#define QD_MODULE_DIR_FROM_BIN "../lib/qd"
#endif

std::string private_registry;  // rule 4's file, removed at exit

void remove_private_registry() {
    std::error_code ec;
    std::filesystem::remove(private_registry, ec);
    std::filesystem::remove(private_registry + ".lock", ec);
    std::filesystem::remove(std::filesystem::path(private_registry).parent_path(), ec);
}

// Registers every module of the installed module folder into a private registry. Leaves
// QD_REGISTRY unset (the per-user default then applies) when there is no such folder.
void use_installed_module_folder(const std::string& executable) {
    namespace fs = std::filesystem;
    std::error_code ec;
    const fs::path folder = fs::path(executable).parent_path() / QD_MODULE_DIR_FROM_BIN;
    if (!fs::is_directory(folder, ec))
        return;
    std::string dir = (fs::temp_directory_path(ec) / "qdhost-registry-XXXXXX").string();
    if (ec || !::mkdtemp(dir.data()))
        return;
    private_registry = dir + "/registry";
    std::atexit(remove_private_registry);
    ::setenv("QD_REGISTRY", private_registry.c_str(), 1);
    for (const fs::directory_entry& entry : fs::directory_iterator(folder, ec)) {
        if (entry.path().extension() != ".so")
            continue;
        try {
            host::register_library(fs::canonical(entry.path(), ec).string());
        } catch (const std::exception& e) {
            std::fprintf(stderr, "qdhost: skipping the installed module %s: %s\n",
                         entry.path().c_str(), e.what());
        }
    }
}

}  // namespace

void choose_registry(const std::string& executable, bool use_installed_modules) {
    if (const char* set = ::getenv("QD_REGISTRY"); set && *set)
        return;
    if (executable.empty())
        return;
    const std::string candidate = build_tree_registry(executable);
    std::error_code ec;
    if (std::filesystem::is_regular_file(candidate, ec)) {
        ::setenv("QD_REGISTRY", candidate.c_str(), 1);
        return;
    }
    if (use_installed_modules && !std::filesystem::is_regular_file(registry_default_path(), ec))
        use_installed_module_folder(executable);
}

std::string running_executable() {
    std::error_code ec;
    const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", ec);
    return ec ? std::string() : self.string();
}

}  // namespace qd::qdhost
