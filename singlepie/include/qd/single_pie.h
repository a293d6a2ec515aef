// Moved to the public tree; this name stays for the code inside the project, with the
// dispatch machinery the libraries implement their interfaces with.
#pragma once

#include <qdprogress/single_pie.h>

#include "platform/dispatch.h"
