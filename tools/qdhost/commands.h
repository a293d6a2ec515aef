// The qdhost commands. Each takes the arguments after its name and returns the exit status:
// 0 success, 1 a step failed (a script statement, a registration), 2 bad usage or an input
// that cannot be read.
#pragma once

#include <string>
#include <vector>

namespace qd::qdhost {

using Arguments = std::vector<std::string>;

int run_command(const Arguments& args);
int register_command(const Arguments& args);
int unregister_command(const Arguments& args);
int typelib_command(const Arguments& args);
int render_command(const Arguments& args);
int resources_command(const Arguments& args);

// Dispatches argv (without the program name) to a command, handling --help.
int qdhost_main(const Arguments& args);

}  // namespace qd::qdhost
