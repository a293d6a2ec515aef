// The tables of docs/hostile-values.md, made by the tests. Each table sits in the document
// between "<!-- begin NAME -->" and "<!-- end NAME -->"; a test builds it, writes it to the
// build directory and fails when the document's copy differs. With QD_UPDATE_DOCS=1 in the
// environment the test writes its table into the document instead.
#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "foundation/result.h"

namespace qd::test {

struct Table {
    std::vector<std::string> header;
    std::vector<std::vector<std::string>> rows;

    std::string markdown() const {
        std::string out;
        const auto line = [&out](const std::vector<std::string>& cells) {
            out += "|";
            for (const std::string& c : cells)
                out += " " + c + " |";
            out += "\n";
        };
        line(header);
        line(std::vector<std::string>(header.size(), "---"));
        for (const auto& r : rows)
            line(r);
        return out;
    }
};

inline bool is_runtime_error(HRESULT hr) {
    return (static_cast<std::uint32_t>(hr) & 0xFFFF0000u) == 0x800A0000u;
}

inline std::string read_file(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

inline void check_section(const std::string& name, const Table& table) {
    const std::string text = table.markdown();
    std::ofstream(std::string(QD_HARDENING_OUT_DIR) + "/hostile-" + name + ".md") << text;

    const std::string doc_path = QD_HOSTILE_DOC;
    std::string doc = read_file(doc_path);
    const std::string begin = "<!-- begin " + name + " -->\n";
    const std::string end = "<!-- end " + name + " -->";
    const auto b = doc.find(begin);
    const auto e = doc.find(end);
    ASSERT_NE(b, std::string::npos) << doc_path << " has no section " << begin;
    ASSERT_NE(e, std::string::npos) << doc_path << " has no end of section " << name;
    const std::size_t from = b + begin.size();
    const char* update = std::getenv("QD_UPDATE_DOCS");
    if (update && std::string(update) == "1") {
        doc.replace(from, e - from, text);
        std::ofstream(doc_path, std::ios::binary) << doc;
        return;
    }
    EXPECT_EQ(doc.substr(from, e - from), text)
        << "the table \"" << name << "\" of " << doc_path
        << " is not what the code does; rerun this test with QD_UPDATE_DOCS=1 to renew it";
}

}  // namespace qd::test
