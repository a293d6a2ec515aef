// Any text read as a form file: the controls it holds and an error for each damaged line, never
// a crash. What reads back formats to a form that reads back to the same text again.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "host/persist/form_file.h"
#include "host/persist/property_value.h"

using namespace qd::host;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    std::vector<FormFileError> errors;
    const Form form = parse_form(text, "fuzz", &errors);
    std::string once;
    try {
        once = format_form(form);
    } catch (const PropertyValueError&) {
        std::abort();  // the reader accepted a form that cannot be written back
    }
    errors.clear();
    const std::string twice = format_form(parse_form(once, "fuzz", &errors));
    if (!errors.empty() || once != twice)
        std::abort();
    return 0;
}
