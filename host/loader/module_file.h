// The checks a file passes before the loader hands it to the dynamic linker, which would block
// on a FIFO and die of SIGBUS on a truncated file: a regular file, an ELF shared object of this
// machine's class, and as long as its headers say it is.
#pragma once

#include <string>

namespace qd::host {

// Throws LoaderError naming `path` and what is wrong with it.
void check_module_file(const std::string& path);

}  // namespace qd::host
