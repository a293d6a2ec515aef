// Animated GIF output through giflib: each frame is reduced to its own palette of at most 256
// colours, and the animation loops.
#pragma once

#include <string>
#include <vector>

#include "host/raster/image.h"

namespace qd::qdhost::demo {

// Writes `frames` (all of one size) as a looping GIF, each shown for `delay_cs` hundredths of a
// second and the last for `last_delay_cs`. False, with the reason in *error, on failure.
bool write_gif(const std::string& path, const std::vector<host::Image>& frames, int delay_cs,
               int last_delay_cs, std::string* error);

// Reads a GIF's frames back as full pictures (each frame drawn over the previous one).
bool read_gif(const std::string& path, std::vector<host::Image>* frames, std::string* error);

}  // namespace qd::qdhost::demo
