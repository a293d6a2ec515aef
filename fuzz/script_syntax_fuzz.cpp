// Any line read as a qdhost statement or value: a statement, nothing, or a SyntaxError.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "tools/qdhost/script_syntax.h"

using namespace qd::qdhost;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    std::size_t start = 0;
    while (start <= text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string_view::npos)
            end = text.size();
        const std::string_view line = text.substr(start, end - start);
        try {
            (void)parse_statement(line);
        } catch (const SyntaxError&) {
        }
        try {
            (void)parse_value(statement_text(line));
        } catch (const SyntaxError&) {
        }
        start = end + 1;
    }
    return 0;
}
