#include "tools/qdhost/demo/device_flags.h"

#include <charconv>

namespace qd::qdhost {

bool take_device_flags(const std::vector<std::string>& args, std::vector<std::string>* rest,
                       host::DeviceOptions* device, std::string* error) {
    bool scale_seen = false, smooth_seen = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "--smooth") {
            if (smooth_seen) {
                *error = "--smooth given twice";
                return false;
            }
            smooth_seen = true;
            device->smooth = true;
        } else if (a == "--scale") {
            if (scale_seen) {
                *error = "--scale given twice";
                return false;
            }
            if (i + 1 == args.size()) {
                *error = "--scale needs a value (1 to 4)";
                return false;
            }
            const std::string& text = args[++i];
            double s = 0;
            const auto res = std::from_chars(text.data(), text.data() + text.size(), s);
            if (res.ec != std::errc() || res.ptr != text.data() + text.size() ||
                !host::is_device_scale(s)) {
                *error = "--scale '" + text + "': expected a number from 1 to 4";
                return false;
            }
            scale_seen = true;
            device->scale = s;
        } else {
            rest->push_back(a);
        }
    }
    return true;
}

}  // namespace qd::qdhost
