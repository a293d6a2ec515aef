#include "tools/qdhost/registry_location.h"

#include <stdlib.h>

#include <filesystem>
#include <system_error>

namespace qd::qdhost {

std::string build_tree_registry(const std::string& executable) {
    const std::filesystem::path bin = std::filesystem::path(executable).parent_path();
    return (bin.parent_path() / "registry").string();
}

void choose_registry(const std::string& executable) {
    if (const char* set = ::getenv("QD_REGISTRY"); set && *set)
        return;
    if (executable.empty())
        return;
    const std::string candidate = build_tree_registry(executable);
    std::error_code ec;
    if (std::filesystem::is_regular_file(candidate, ec))
        ::setenv("QD_REGISTRY", candidate.c_str(), 1);
}

std::string running_executable() {
    std::error_code ec;
    const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", ec);
    return ec ? std::string() : self.string();
}

}  // namespace qd::qdhost
