// What the Data page looks like: caption, design size, its seven children and Picture1's image.
#pragma once

#include "platform/host.h"

namespace qd::progress {

extern const PageLayout kDataPageLayout;
extern const BitmapDesc kDataPagePicture;  // Picture1: 48 x 48, 256 colours

}  // namespace qd::progress
