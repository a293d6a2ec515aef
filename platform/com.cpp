#include "platform/com.h"

#include <cstdio>

namespace qd {

std::string guid_to_string(const Guid& g) {
    char buf[40];
    std::snprintf(buf, sizeof buf, "{%08X-%04X-%04X-%02X%02X-%02X%02X%02X%02X%02X%02X}", g.data1,
                  g.data2, g.data3, g.data4[0], g.data4[1], g.data4[2], g.data4[3], g.data4[4],
                  g.data4[5], g.data4[6], g.data4[7]);
    return buf;
}

bool guid_from_string(const std::string& text, Guid* out) {
    if (text.size() != 38 || text.front() != '{' || text.back() != '}')
        return false;
    unsigned d1, d2, d3, b[8];
    char tail;
    const int n = std::sscanf(text.c_str(), "{%8x-%4x-%4x-%2x%2x-%2x%2x%2x%2x%2x%2x}%c", &d1, &d2,
                              &d3, &b[0], &b[1], &b[2], &b[3], &b[4], &b[5], &b[6], &b[7], &tail);
    if (n != 11)
        return false;
    out->data1 = d1;
    out->data2 = static_cast<std::uint16_t>(d2);
    out->data3 = static_cast<std::uint16_t>(d3);
    for (int i = 0; i < 8; ++i)
        out->data4[i] = static_cast<std::uint8_t>(b[i]);
    return true;
}

}  // namespace qd
