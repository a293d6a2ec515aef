#include "foundation/progress_caption.h"

#include <cmath>

#include "foundation/number_text.h"
#include "foundation/numeric.h"

namespace qd {

std::optional<std::string> progress_caption(std::int32_t label_type, float value, float max) {
    switch (label_type) {
        case 0:
            return single_to_text(value);
        case 1:
            return single_to_text(value) + "/" + single_to_text(max);
        case 2: {
            // Formed in floating point and floored, no rounding step; the whole number is
            // written like any single.
            const double percent = std::floor(fmul(fdiv(value, max), 100.0));
            return single_to_text(to_single(percent)) + "%";
        }
        default:
            return std::nullopt;
    }
}

}  // namespace qd
