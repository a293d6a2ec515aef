// Which registry qdhost reads and writes, decided in one place:
//
//   1. the file named by QD_REGISTRY, when it is set;
//   2. else the build tree's registry: the file `registry` in the folder above the one that holds
//      the qdhost binary (BUILD/registry for BUILD/bin/qdhost), when that file exists; a build
//      registers its own modules there, so a fresh build needs no extra step;
//   3. else the per-user default, $XDG_CONFIG_HOME/qd/registry, else ~/.config/qd/registry,
//      when that file exists;
//   4. else, for an installed qdhost, the installed module folder (QD_MODULE_DIR_FROM_BIN
//      beside the binary's folder, lib/qd as installed): its modules are registered into a
//      private registry of this run, removed at exit, so an installed qdhost works with no
//      `register` step and keeps working when the installed tree moves. The register and
//      unregister commands never take this rule: they write the per-user registry.
#pragma once

#include <string>

namespace qd::qdhost {

// The build tree's registry for the binary at `executable`: ../registry beside its folder.
std::string build_tree_registry(const std::string& executable);

// Applies the rule for the binary at `executable`: when QD_REGISTRY is unset and the build
// tree's registry exists, sets QD_REGISTRY to it for this process and what it starts.
// With `use_installed_modules`, rule 4 applies too.
void choose_registry(const std::string& executable, bool use_installed_modules = false);

// The path of the running binary; empty when it cannot be found.
std::string running_executable();

}  // namespace qd::qdhost
