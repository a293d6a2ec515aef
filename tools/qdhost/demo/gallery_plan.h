// What the gallery shows: one tile per control and option, each a control created with its
// defaults and then given a few properties by name, as a host would.
#pragma once

#include <string>
#include <vector>

#include "host/container/container.h"
#include "platform/variant.h"

namespace qd::qdhost::demo {

struct Setting {
    std::string property;
    Variant value;
};

struct Tile {
    std::string file;      // the PNG's name, e.g. "pie-fill-p3ColorGradient.png"
    std::string section;   // the contact sheet's heading the tile stands under
    std::string property;  // first caption line: what the tile varies
    std::string value;     // second caption line: the value it shows
    std::string progid;
    host::ControlExtent extent;  // twips
    std::vector<Setting> settings;
};

// Every tile, grouped by section in the order the contact sheet shows them.
std::vector<Tile> gallery_tiles();

// The ProgIDs of the two libraries' controls.
inline constexpr const char* kPieProgId = "qdProgressControls.qdProgressPie";
inline constexpr const char* kBarProgId = "qdProgressControls.qdProgressBar";
inline constexpr const char* kSinglePieProgId = "qdxProgressPieControl.qdxProgressPie";

}  // namespace qd::qdhost::demo
