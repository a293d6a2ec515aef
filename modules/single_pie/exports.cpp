// qdxProgressPie's four exports and its load-time hand-over to the server runtime.
#include "modules/single_pie/library.h"
#include "platform/module_exports.h"

QD_MODULE_EXPORTS(qd::single::kLibrary)
