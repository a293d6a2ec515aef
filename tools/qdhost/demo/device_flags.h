// The drawing options a command takes: --scale S (device pixels per 96-dpi pixel) and --smooth.
#pragma once

#include <string>
#include <vector>

#include "host/raster/pixel_rect.h"

namespace qd::qdhost {

// Help text lines for the two options, indented as the commands' help is.
inline constexpr const char* kDeviceFlagsHelp =
    "  --scale S   draw for a screen of S device pixels per 96-dpi pixel (1 to 4, e.g. 1.5,\n"
    "              2, 3; default 1): pictures S times larger, text at 96 x S dpi\n"
    "  --smooth    anti-aliased edges of circles, sectors and boxes (hatches, dashed pens\n"
    "              and arcs with radii stay exact; text is anti-aliased either way)\n";

// Moves --scale S and --smooth from `args` into *device and the other arguments into *rest.
// False with *error set when S is missing, not a number or outside 1 to 4, or an option
// comes twice.
bool take_device_flags(const std::vector<std::string>& args, std::vector<std::string>* rest,
                       host::DeviceOptions* device, std::string* error);

}  // namespace qd::qdhost
