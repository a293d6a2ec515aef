// Which registry qdhost reads and writes, decided in one place:
//
//   1. the file named by QD_REGISTRY, when it is set;
//   2. else the build tree's registry: the file `registry` in the folder above the one that holds
//      the qdhost binary (BUILD/registry for BUILD/bin/qdhost), when that file exists; a build
//      registers its own modules there, so a fresh build needs no extra step;
//   3. else the per-user default, $XDG_CONFIG_HOME/qd/registry, else ~/.config/qd/registry.
#pragma once

#include <string>

namespace qd::qdhost {

// The build tree's registry for the binary at `executable`: ../registry beside its folder.
std::string build_tree_registry(const std::string& executable);

// Applies the rule for the binary at `executable`: when QD_REGISTRY is unset and the build
// tree's registry exists, sets QD_REGISTRY to it for this process and what it starts.
void choose_registry(const std::string& executable);

// The path of the running binary; empty when it cannot be found.
std::string running_executable();

}  // namespace qd::qdhost
