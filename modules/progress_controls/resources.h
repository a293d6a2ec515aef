// Resources of qdProgressControls that a host reads: the two toolbox bitmaps and the version
// block.
#pragma once

#include <cstdint>

#include "platform/typeinfo.h"

namespace qd::progress {

inline constexpr std::int32_t kBarBitmapId = 30000;  // qdProgressBar's toolbox image
inline constexpr std::int32_t kPieBitmapId = 30001;  // qdProgressPie's toolbox image

extern const BitmapDesc kToolboxBitmaps[2];  // 30000, then 30001
extern const VersionDesc kVersionInfo;

}  // namespace qd::progress
