// Text to number and number to text: a number or the run-time error, never a crash; the two
// readers agree on what is a number (one too large to hold is still a number, with an overflow
// error); a number's text always reads back as a number.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

#include "foundation/number_text.h"
#include "foundation/result.h"

namespace {

// The first bytes of `data` as an F, written as text and read back: a NaN stays a NaN and
// nothing else becomes one.
template <typename F>
void reads_back_as_number(const std::uint8_t* data, std::size_t size, std::string (*to_text)(F)) {
    if (size < sizeof(F))
        return;
    F x;
    std::memcpy(&x, data, sizeof x);
    const double back = qd::text_to_double(to_text(x));
    if (std::isnan(x) != std::isnan(back))
        std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    bool number = true;
    double d = 0;
    try {
        d = qd::text_to_double(text);
    } catch (const qd::RuntimeError& e) {
        number = e.code() == qd::runtime_error_code(qd::ErrorNumber::Overflow);
        if (!number && e.code() != qd::runtime_error_code(qd::ErrorNumber::TypeMismatch))
            std::abort();
    }
    if (number != qd::is_number_text(text))
        std::abort();
    try {
        const float f = qd::text_to_single(text);
        if (!number || (std::isfinite(d) && !std::isfinite(f)))
            std::abort();
    } catch (const qd::RuntimeError&) {
    }
    // The input's first bytes as a single and as a double.
    reads_back_as_number<float>(data, size, &qd::single_to_text);
    reads_back_as_number<double>(data, size, &qd::double_to_text);
    return 0;
}
