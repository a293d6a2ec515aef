// qdhost: the command-line host of the progress controls.
#include "tools/qdhost/commands.h"
#include "tools/qdhost/registry_location.h"

int main(int argc, char** argv) {
    qd::qdhost::choose_registry(qd::qdhost::running_executable());
    return qd::qdhost::qdhost_main(qd::qdhost::Arguments(argv + 1, argv + argc));
}
