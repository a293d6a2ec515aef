#include "platform/object.h"

namespace qd {

namespace {
std::atomic<long> g_objects{0};
}

void module_object_created() {
    ++g_objects;
}
void module_object_destroyed() {
    --g_objects;
}
long module_object_count() {
    return g_objects.load();
}

}  // namespace qd
