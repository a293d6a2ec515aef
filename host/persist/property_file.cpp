#include "host/persist/property_file.h"

#include <string>
#include <unordered_set>

#include "foundation/ascii.h"
#include "host/limits.h"
#include "host/persist/property_value.h"
#include "host/persist/text_file.h"

namespace qd::host {

namespace {

bool is_blank(char c) {
    return c == ' ' || c == '\t';
}

}  // namespace

void check_line_length(std::string_view line) {
    if (line.size() > static_cast<std::size_t>(kMaxLineBytes.value))
        throw PropertyValueError(over_limit(kMaxLineBytes, static_cast<std::int64_t>(line.size())));
}

void check_key_count(std::size_t keys_so_far) {
    if (keys_so_far >= static_cast<std::size_t>(kMaxKeysPerSection.value))
        throw PropertyValueError(
            over_limit(kMaxKeysPerSection, static_cast<std::int64_t>(keys_so_far) + 1) +
            "; this key and the rest of the section are not read");
}

bool is_storable_key(std::string_view key) {
    if (key.empty() || key.front() == '#')
        return false;
    for (const char c : key)
        if (is_blank(c) || c == '=' || c == '\n' || c == '\r' || c == '"')
            return false;
    return true;
}

Property parse_property_line(std::string_view line, std::string* key) {
    const std::size_t eq = line.find('=');
    if (eq == std::string_view::npos)
        throw PropertyValueError("expected 'Key = Type Value'");
    const std::string_view key_text = trim_ascii(line.substr(0, eq));
    if (!is_storable_key(key_text))
        throw PropertyValueError("expected a key before '='");
    *key = key_text;
    const std::string_view value = trim_ascii(line.substr(eq + 1));
    if (has_type_word(value))
        return {*key, parse_property_value(value)};
    return {*key, parse_untyped_value(value), true};
}

PropertyFileError::PropertyFileError(std::string file, int line, std::string key,
                                     const std::string& reason)
    : LocatedError(std::move(file), line, "", std::move(key), reason), reason_(reason) {}

std::string format_property_file(const PropertyList& properties, std::string_view comment) {
    std::string text;
    if (!comment.empty())
        text += "# " + std::string(comment) + "\n";
    for (const Property& p : properties) {
        if (!is_storable_key(p.key))
            throw PropertyValueError("the key '" + p.key +
                                     "' cannot be stored (empty, or with a blank, '=' or '\"')");
        text += p.key + " = " + format_property_value(p.value) + "\n";
    }
    return text;
}

PropertyList parse_property_file(std::string_view text, const std::string& file,
                                 std::vector<PropertyFileError>* errors) {
    PropertyList properties;
    // Keys match without regard to letter case, as the property store matches them.
    std::unordered_set<std::string> seen;
    int line_number = 0;
    while (!text.empty()) {
        ++line_number;
        const std::size_t end = text.find('\n');
        const std::string_view line = trim_ascii(text.substr(0, end));
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        if (line.empty() || line.front() == '#')
            continue;

        std::string key;
        bool stop = false;
        try {
            check_line_length(line);
            Property p = parse_property_line(line, &key);
            if (seen.contains(lower_ascii(key)))
                throw PropertyValueError("given twice (keys match in any letter case)");
            stop = seen.size() >= static_cast<std::size_t>(kMaxKeysPerSection.value);
            check_key_count(seen.size());
            seen.insert(lower_ascii(key));
            p.line = line_number;
            properties.push_back(std::move(p));
        } catch (const PropertyValueError& e) {
            PropertyFileError error(file, line_number, key, e.what());
            if (!errors)
                throw error;
            errors->push_back(std::move(error));
        }
        if (stop)
            break;
    }
    return properties;
}

PropertyList load_property_file(const std::string& path) {
    std::string text;
    try {
        text = read_text_file(path);
    } catch (const TextFileError& e) {
        throw PropertyFileError(path, 0, {}, e.what());
    }
    return parse_property_file(text, path);
}

void save_property_file(const std::string& path, const PropertyList& properties,
                        std::string_view comment, const WriteBytes& write) {
    write_file_atomically(path, format_property_file(properties, comment), write);
}

}  // namespace qd::host
