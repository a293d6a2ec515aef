// Resources of qdxProgressPieControl that a host reads: the toolbox bitmap and the version
// block.
#pragma once

#include <cstdint>

#include "platform/typeinfo.h"

namespace qd::single {

inline constexpr std::int32_t kSinglePieBitmapId = 30000;  // qdxProgressPie's toolbox image

extern const BitmapDesc kToolboxBitmaps[1];
extern const VersionDesc kVersionInfo;

}  // namespace qd::single
