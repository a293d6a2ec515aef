// qdProgressControls' four exports and its load-time hand-over to the server runtime.
#include "modules/progress_controls/library.h"
#include "platform/module_exports.h"

QD_MODULE_EXPORTS(qd::progress::kLibrary)
