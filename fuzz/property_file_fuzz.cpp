// Any text read as a property file: either a list of properties or a PropertyFileError, never
// a crash. What reads back formats to a file that reads back to the same text again.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "host/persist/property_file.h"
#include "host/persist/property_value.h"

using namespace qd::host;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    std::vector<PropertyFileError> errors;
    const PropertyList tolerant = parse_property_file(text, "fuzz", &errors);
    try {
        const PropertyList strict = parse_property_file(text, "fuzz");
        if (!errors.empty() || strict.size() != tolerant.size())
            std::abort();  // a strict read succeeds exactly when the tolerant one finds nothing
    } catch (const PropertyFileError&) {
        if (errors.empty())
            std::abort();
    }
    const std::string once = format_property_file(tolerant);
    const std::string twice = format_property_file(parse_property_file(once, "fuzz"));
    if (once != twice)
        std::abort();
    // Each value alone, as a typed value text.
    try {
        const std::string value = format_property_value(parse_property_value(text));
        if (format_property_value(parse_property_value(value)) != value)
            std::abort();
    } catch (const PropertyValueError&) {
    }
    return 0;
}
