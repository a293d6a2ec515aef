// qdhost: the command-line host of the progress controls.
#include <cstring>

#include "tools/qdhost/commands.h"
#include "tools/qdhost/registry_location.h"

int main(int argc, char** argv) {
    // register and unregister write a lasting registry; every other command may read the
    // installed modules through a registry of its own run.
    const bool registering = argc > 1 && (std::strcmp(argv[1], "register") == 0 ||
                                          std::strcmp(argv[1], "unregister") == 0);
    qd::qdhost::choose_registry(qd::qdhost::running_executable(), !registering);
    return qd::qdhost::qdhost_main(qd::qdhost::Arguments(argv + 1, argv + argc));
}
