// qdhost: the command-line host of the progress controls.
#include "tools/qdhost/commands.h"

int main(int argc, char** argv) {
    return qd::qdhost::qdhost_main(qd::qdhost::Arguments(argv + 1, argv + argc));
}
