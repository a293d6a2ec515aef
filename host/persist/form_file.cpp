#include "host/persist/form_file.h"

#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstring>
#include <fstream>
#include <iterator>
#include <set>

#include "foundation/number_text.h"
#include "host/persist/property_value.h"

namespace qd::host {

namespace {

bool is_blank(char c) {
    return c == ' ' || c == '\t' || c == '\r';
}

std::string_view trim(std::string_view s) {
    while (!s.empty() && is_blank(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && is_blank(s.back()))
        s.remove_suffix(1);
    return s;
}

std::vector<std::string_view> words_of(std::string_view s) {
    std::vector<std::string_view> words;
    std::size_t i = 0;
    while (i < s.size()) {
        while (i < s.size() && is_blank(s[i]))
            ++i;
        const std::size_t start = i;
        while (i < s.size() && !is_blank(s[i]))
            ++i;
        if (i > start)
            words.push_back(s.substr(start, i - start));
    }
    return words;
}

bool is_word(std::string_view s) {
    if (s.empty())
        return false;
    for (const char c : s)
        if (is_blank(c) || c == '[' || c == ']' || c == '\n' || c == '#')
            return false;
    return true;
}

float parse_twips(std::string_view s, const char* what) {
    float v = 0;
    const auto res = std::from_chars(s.data(), s.data() + s.size(), v);
    if (res.ec != std::errc() || res.ptr != s.data() + s.size() || !std::isfinite(v))
        throw PropertyValueError(std::string(what) + " '" + std::string(s) +
                                 "' is not a number of twips");
    return v;
}

float parse_extent_twips(std::string_view s, const char* what) {
    const float v = parse_twips(s, what);
    if (v < 0)
        throw PropertyValueError(std::string(what) + " '" + std::string(s) + "' is negative");
    return v;
}

std::string error_text(const std::string& file, int line, const std::string& control,
                       const std::string& key, const std::string& reason) {
    std::string text = file;
    if (line > 0)
        text += ":" + std::to_string(line);
    text += ": ";
    if (!control.empty())
        text += "control " + control + ": ";
    if (!key.empty())
        text += "key '" + key + "': ";
    return text + reason;
}

// Twips as the host's shortest text of a single.
std::string twips_text(float v) {
    return single_to_text(v);
}

}  // namespace

FormFileError::FormFileError(std::string file, int line, std::string control, std::string key,
                             const std::string& reason)
    : std::runtime_error(error_text(file, line, control, key, reason)),
      file_(std::move(file)),
      line_(line),
      control_(std::move(control)),
      key_(std::move(key)) {}

std::string format_form(const Form& form) {
    std::string text = "# qdhost form\n";
    if (form.extent)
        text += "[form " + twips_text(form.extent->width) + " " + twips_text(form.extent->height) +
                "]\n";
    for (const FormControl& c : form.controls) {
        if (!is_word(c.name) || !is_word(c.progid))
            throw PropertyValueError("the control '" + c.name + "' of class '" + c.progid +
                                     "' cannot be stored (empty, or with a blank or bracket)");
        text += "[control " + c.name + " " + c.progid + " " + twips_text(c.left) + " " +
                twips_text(c.top) + " " + twips_text(c.width) + " " + twips_text(c.height) + "]\n";
        text += format_property_file(c.properties);
    }
    return text;
}

Form parse_form(std::string_view text, const std::string& file,
                std::vector<FormFileError>* errors) {
    Form form;
    std::set<std::string, std::less<>> names;
    std::set<std::string, std::less<>> keys;
    // Property lines go to the current control; none after a damaged header.
    FormControl* current = nullptr;
    bool skipping = false;
    int line_number = 0;
    while (!text.empty()) {
        ++line_number;
        const std::size_t end = text.find('\n');
        const std::string_view line = trim(text.substr(0, end));
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        if (line.empty() || line.front() == '#')
            continue;

        if (line.front() == '[') {
            current = nullptr;
            skipping = true;
            std::string name;
            try {
                if (line.back() != ']')
                    throw PropertyValueError("expected ']' at the end of the section header");
                const auto w = words_of(line.substr(1, line.size() - 2));
                if (!w.empty() && w[0] == "form") {
                    if (w.size() != 3)
                        throw PropertyValueError("expected [form WIDTH HEIGHT]");
                    if (!form.controls.empty() || form.extent)
                        throw PropertyValueError("[form ...] comes once, before the controls");
                    form.extent = FormExtent{parse_extent_twips(w[1], "WIDTH"),
                                             parse_extent_twips(w[2], "HEIGHT")};
                    continue;
                }
                if (w.empty() || w[0] != "control")
                    throw PropertyValueError(
                        "expected [control NAME PROGID LEFT TOP WIDTH HEIGHT]");
                if (w.size() >= 2)
                    name = w[1];
                if (w.size() != 7)
                    throw PropertyValueError(
                        "expected [control NAME PROGID LEFT TOP WIDTH HEIGHT]");
                // Only what a save can write back: no '#', '[' or ']' inside the two names.
                if (!is_word(w[1]) || !is_word(w[2]))
                    throw PropertyValueError("a NAME or PROGID with '#', '[' or ']'");
                if (names.contains(name))
                    throw PropertyValueError("a control of this name comes earlier in the form");
                FormControl c{name,
                              std::string(w[2]),
                              parse_twips(w[3], "LEFT"),
                              parse_twips(w[4], "TOP"),
                              parse_extent_twips(w[5], "WIDTH"),
                              parse_extent_twips(w[6], "HEIGHT"),
                              {},
                              line_number,
                              {}};
                names.insert(name);
                form.controls.push_back(std::move(c));
                current = &form.controls.back();
                skipping = false;
                keys.clear();
            } catch (const PropertyValueError& e) {
                errors->emplace_back(file, line_number, name, "",
                                     std::string(e.what()) + "; the control is not loaded");
            }
            continue;
        }

        if (skipping)
            continue;  // the lines of a control that is not loaded
        std::string key;
        try {
            if (!current)
                throw PropertyValueError("a property line before the first [control ...] section");
            Property p = parse_property_line(line, &key);
            if (keys.contains(key))
                throw PropertyValueError("given twice");
            keys.insert(key);
            current->properties.push_back(std::move(p));
            current->property_lines.push_back(line_number);
        } catch (const PropertyValueError& e) {
            errors->emplace_back(file, line_number, current ? current->name : "", key, e.what());
        }
    }
    return form;
}

Form load_form_file(const std::string& path, std::vector<FormFileError>* errors) {
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw FormFileError(path, 0, {}, {}, std::string("cannot open: ") + std::strerror(errno));
    const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad())
        throw FormFileError(path, 0, {}, {}, "cannot read");
    return parse_form(text, path, errors);
}

void save_form_file(const std::string& path, const Form& form, const WriteBytes& write) {
    write_file_atomically(path, format_form(form), write);
}

}  // namespace qd::host
