#include "tools/qdhost/script_syntax.h"

#include "foundation/ascii.h"
#include "platform/value_words.h"
#include "tools/qdhost/script_verbs.h"
#include "tools/qdhost/script_words.h"

#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <vector>

namespace qd::qdhost {

namespace {

bool is_blank(char c) {
    return c == ' ' || c == '\t' || c == '\r';
}

// Reads a "quoted text" starting at text[0] == '"'; sets `length` to the characters used.
std::string read_quoted(std::string_view text, std::size_t* length) {
    std::string out;
    for (std::size_t i = 1; i < text.size(); ++i) {
        if (text[i] != '"') {
            out += text[i];
            continue;
        }
        if (i + 1 < text.size() && text[i + 1] == '"') {
            out += '"';
            ++i;
            continue;
        }
        *length = i + 1;
        return out;
    }
    throw SyntaxError("the quoted text has no closing quote");
}

std::optional<Variant> parse_hex(std::string_view s) {
    std::string_view digits;
    if (s.size() > 2 && s[0] == '0' && (s[1] == 'x' || s[1] == 'X'))
        digits = s.substr(2);
    else if (s.size() > 2 && s[0] == '&' && (s[1] == 'H' || s[1] == 'h'))
        digits = s.substr(2);
    else
        return std::nullopt;
    std::uint32_t bits = 0;
    const auto res = std::from_chars(digits.data(), digits.data() + digits.size(), bits, 16);
    if (digits.size() > 8 || res.ec != std::errc() || res.ptr != digits.data() + digits.size())
        throw SyntaxError("'" + std::string(s) + "' is not a hex integer of at most 8 digits");
    return Variant(static_cast<std::int32_t>(bits));
}

bool is_name(std::string_view s) {
    if (s.empty() || !(std::isalpha(static_cast<unsigned char>(s[0])) || s[0] == '_'))
        return false;
    for (const char c : s)
        if (!(std::isalnum(static_cast<unsigned char>(c)) || c == '_'))
            return false;
    return true;
}

// A size in twips: a finite, non-negative number.
float parse_twips(std::string_view s, const char* what) {
    float v = 0;
    const auto res = std::from_chars(s.data(), s.data() + s.size(), v);
    if (s.empty() || res.ec != std::errc() || res.ptr != s.data() + s.size() || !std::isfinite(v) ||
        v < 0)
        throw SyntaxError(std::string(what) + " must be a number of twips >= 0, not '" +
                          std::string(s) + "'");
    return v;
}

}  // namespace

std::vector<std::string> split_words(std::string_view text) {
    std::vector<std::string> words;
    std::size_t i = 0;
    while (i < text.size()) {
        if (is_blank(text[i])) {
            ++i;
            continue;
        }
        if (text[i] == '"') {
            std::size_t length = 0;
            words.push_back(read_quoted(text.substr(i), &length));
            i += length;
            if (i < text.size() && !is_blank(text[i]))
                throw SyntaxError("expected a blank after the quoted text");
            continue;
        }
        const std::size_t start = i;
        while (i < text.size() && !is_blank(text[i]))
            ++i;
        words.emplace_back(text.substr(start, i - start));
    }
    return words;
}

std::string checked_name(std::string_view s, const char* what) {
    if (!is_name(s))
        throw SyntaxError(std::string("'") + std::string(s) + "' is not a " + what +
                          " (letters, digits and _, starting with a letter)");
    return std::string(s);
}

std::pair<std::string, std::string> member_reference(std::string_view s) {
    const std::size_t dot = s.find('.');
    if (dot == std::string_view::npos)
        throw SyntaxError("expected NAME.MEMBER, not '" + std::string(s) + "'");
    return {checked_name(s.substr(0, dot), "control name"),
            checked_name(s.substr(dot + 1), "member name")};
}

Extent parse_extent(const std::vector<std::string>& words, std::size_t at) {
    return {parse_twips(words[at], "WIDTH"), parse_twips(words[at + 1], "HEIGHT")};
}

void expect_count(const std::vector<std::string>& words, std::size_t n, const char* usage) {
    if (words.size() != n)
        throw SyntaxError(std::string("usage: ") + usage);
}

std::string_view statement_text(std::string_view line) {
    bool quoted = false;
    for (std::size_t i = 0; i < line.size(); ++i) {
        if (line[i] == '"')
            quoted = !quoted;
        else if (line[i] == '#' && !quoted && (i == 0 || is_blank(line[i - 1])))
            return trim_ascii(line.substr(0, i));
    }
    return trim_ascii(line);
}

Variant parse_value(std::string_view text) {
    text = trim_ascii(text);
    if (text.empty())
        throw SyntaxError("expected a value after '='");
    if (text.front() == '"') {
        std::size_t length = 0;
        std::string s = read_quoted(text, &length);
        if (length != text.size())
            throw SyntaxError("unexpected text after the quoted text");
        return Variant(std::string_view(s));
    }
    if (std::optional<Variant> word = value_word(text))
        return *word;
    if (std::optional<Variant> hex = parse_hex(text))
        return *hex;

    // from_chars takes no '+'; the script does.
    const std::string_view body = text.front() == '+' ? text.substr(1) : text;
    const char* end = body.data() + body.size();
    std::int32_t i = 0;
    auto res = std::from_chars(body.data(), end, i);
    if (res.ec == std::errc() && res.ptr == end)
        return Variant(i);
    double d = 0;
    res = std::from_chars(body.data(), end, d, std::chars_format::general);
    const bool spelled_out = body.find_first_of("nNiI") == std::string_view::npos;
    if (!body.empty() && res.ptr == end && spelled_out) {
        if (res.ec == std::errc::result_out_of_range)
            throw SyntaxError("'" + std::string(text) + "' is out of the range of a number");
        if (res.ec == std::errc())
            return Variant(d);
    }
    throw SyntaxError("'" + std::string(text) +
                      "' is not a value (a number, 0xHEX, True, False or a \"quoted text\")");
}

std::optional<Statement> parse_statement(std::string_view line) {
    const std::string_view text = statement_text(line);
    if (text.empty())
        return std::nullopt;

    // NAME.PROP = VALUE: the value is the rest of the line and may hold blanks.
    const std::size_t eq = text.find('=');
    const std::size_t quote = text.find('"');
    if (eq != std::string_view::npos && (quote == std::string_view::npos || eq < quote)) {
        const std::string_view target = trim_ascii(text.substr(0, eq));
        if (target.find_first_of(" \t") != std::string_view::npos)
            throw SyntaxError("expected NAME.PROPERTY = VALUE");
        auto [name, property] = member_reference(target);
        return PutStatement{std::move(name), std::move(property), parse_value(text.substr(eq + 1))};
    }

    const std::vector<std::string> w = split_words(text);
    const std::string& verb = w[0];
    if (const ScriptForm* form = find_verb(verb))
        return form->parse(w);
    if (w.size() == 1 && verb.find('.') != std::string::npos) {
        auto [name, method] = member_reference(verb);
        return CallStatement{std::move(name), std::move(method)};
    }
    std::string verbs;
    for (const ScriptForm& form : script_forms()) {
        const std::string_view usage = form.usage;
        if (form.verb || usage.starts_with("NAME."))
            verbs += std::string(verbs.empty() ? "" : ", ") + (form.verb ? form.verb : form.usage);
    }
    throw SyntaxError("unknown statement '" + verb + "' (" + verbs + ")");
}

}  // namespace qd::qdhost
