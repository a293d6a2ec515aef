// A library's resources as a person can look at them: the toolbox bitmaps as pictures and the
// version block as text.
#pragma once

#include <string>

#include "host/raster/image.h"
#include "platform/typeinfo.h"

namespace qd::qdhost {

// The bitmap's pixels (palette-indexed or B,G,R bytes), top row first. An index outside the
// palette shows as black.
host::Image bitmap_picture(const BitmapDesc& bitmap);

// Each pixel as a factor x factor square.
host::Image enlarged(const host::Image& image, int factor);

// The version block: file and product versions, language, then each string as KEY = "VALUE".
std::string version_block_text(const VersionDesc& version);

}  // namespace qd::qdhost
