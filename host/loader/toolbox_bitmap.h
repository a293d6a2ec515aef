// Which toolbox bitmap belongs to which control class. A type library lists its bitmaps by
// resource identifier and its classes without naming a bitmap; the controls of a library, taken
// in case-blind name order, own the bitmaps in identifier order (qdProgressBar 30000,
// qdProgressPie 30001).
#pragma once

#include "platform/typeinfo.h"

namespace qd::host {

// The toolbox bitmap of control `cls` of `lib`, or null when the library has none for it (the
// class is not a control, or the library lists fewer bitmaps than controls).
const BitmapDesc* toolbox_bitmap(const LibraryDesc& lib, const ClassDesc& cls);

}  // namespace qd::host
