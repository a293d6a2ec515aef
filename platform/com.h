// Moved to the public tree; this name stays for the code inside the project.
#pragma once

#include <qdprogress/com.h>
