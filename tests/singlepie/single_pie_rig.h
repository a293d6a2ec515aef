// The single pie in the recording container, and readers for the figure calls of its trace.
#pragma once

#include <cstdlib>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "singlepie/single_pie.h"
#include "tests/support/control_rig.h"

namespace qd::test {

struct SinglePieRig : ControlRig<single::_qdxProgressPie> {
    SinglePieRig() : ControlRig(&single::create_single_pie) {}
};

// The arguments of one "picBox.Circle x, y, r, colour, start, end, aspect" line; an omitted
// argument is empty.
struct CircleCall {
    float x = 0, y = 0, r = 0;
    std::optional<float> start, end, aspect;
};

inline std::vector<CircleCall> circles(const Lines& lines) {
    std::vector<CircleCall> out;
    const std::string prefix = "picBox.Circle ";
    for (const std::string& line : lines) {
        if (line.rfind(prefix, 0) != 0)
            continue;
        std::vector<std::optional<float>> args;
        std::stringstream in(line.substr(prefix.size()));
        std::string arg;
        while (std::getline(in, arg, ',')) {
            const auto first = arg.find_first_not_of(' ');
            if (first == std::string::npos)
                args.emplace_back();
            else
                args.emplace_back(std::strtof(arg.c_str() + first, nullptr));
        }
        args.resize(7);
        out.push_back({*args[0], *args[1], *args[2], args[4], args[5], args[6]});
    }
    return out;
}

// The lines that start with `prefix`.
inline Lines matching(const Lines& lines, const std::string& prefix) {
    return lines_starting(lines, prefix);
}

inline bool contains(const Lines& lines, const std::string& line) {
    for (const std::string& l : lines)
        if (l == line)
            return true;
    return false;
}

}  // namespace qd::test
