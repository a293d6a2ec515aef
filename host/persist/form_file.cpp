#include "host/persist/form_file.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <unordered_set>

#include "foundation/ascii.h"
#include "foundation/number_text.h"
#include "host/limits.h"
#include "host/persist/property_value.h"
#include "host/persist/text_file.h"

namespace qd::host {

namespace {

bool is_blank(char c) {
    return c == ' ' || c == '\t' || c == '\r';
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

// A position or extent; checked against the coordinate limit as the number it reads, before it
// becomes anything narrower.
float parse_twips(std::string_view s, const char* what) {
    double v = 0;
    const auto res = std::from_chars(s.data(), s.data() + s.size(), v);
    if (res.ec == std::errc::result_out_of_range && res.ptr == s.data() + s.size())
        throw PropertyValueError(std::string(what) + ": " + over_limit(kMaxTwips, std::string(s)));
    if (res.ec != std::errc() || res.ptr != s.data() + s.size() || !std::isfinite(v))
        throw PropertyValueError(std::string(what) + " '" + std::string(s) +
                                 "' is not a number of twips");
    if (!within_twips(v))
        throw PropertyValueError(std::string(what) + ": " + over_limit(kMaxTwips, std::string(s)));
    return static_cast<float>(v);
}

float parse_extent_twips(std::string_view s, const char* what) {
    const float v = parse_twips(s, what);
    if (v < 0)
        throw PropertyValueError(std::string(what) + " '" + std::string(s) + "' is negative");
    return v;
}

// Twips as the host's shortest text of a single.
std::string twips_text(float v) {
    return single_to_text(v);
}

// Whether `text` has a form's structure at all: no NUL byte, and at least one line that opens
// a [form ...] or [control ...] section.
bool looks_like_form(std::string_view text) {
    if (text.find('\0') != std::string_view::npos)
        return false;
    std::size_t at = 0;
    while (at < text.size()) {
        const std::size_t end = std::min(text.find('\n', at), text.size());
        const std::string_view line = trim_ascii(text.substr(at, end - at));
        if (line.starts_with("[form") || line.starts_with("[control"))
            return true;
        at = end + 1;
    }
    return false;
}

}  // namespace

FormFileError::FormFileError(std::string file, int line, std::string control, std::string key,
                             const std::string& reason)
    : LocatedError(std::move(file), line, control, std::move(key), reason),
      control_(std::move(control)) {}

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

namespace {

// Reads a form line by line; every damaged line goes to `errors` and is skipped.
class FormReader {
  public:
    FormReader(const std::string& file, std::vector<FormFileError>* errors)
        : file_(file), errors_(errors) {}

    void read_line(int number, std::string_view line) {
        line_number_ = number;
        if (line.empty() || line.front() == '#')
            return;
        try {
            check_line_length(line);
        } catch (const PropertyValueError& e) {
            report(current_name(), "", e.what());
            return;
        }
        if (line.front() == '[')
            read_header(line);
        else
            read_property(line);
    }

    Form take() { return std::move(form_); }

  private:
    std::string current_name() const { return current_ ? current_->name : std::string(); }
    void report(const std::string& control, const std::string& key, const std::string& reason) {
        errors_->emplace_back(file_, line_number_, control, key, reason);
    }

    void read_header(std::string_view line) {
        current_ = nullptr;
        skipping_ = true;  // until the header proves good
        std::string name;
        bool extent = false;
        try {
            if (line.back() != ']')
                throw PropertyValueError("expected ']' at the end of the section header");
            const auto w = words_of(line.substr(1, line.size() - 2));
            if (!w.empty() && w[0] == "form") {
                extent = true;
                read_extent(w);
                skipping_ = false;
                return;
            }
            if (w.size() >= 2 && w[0] == "control")
                name = w[1];
            add_control(w, name);
        } catch (const PropertyValueError& e) {
            report(name, "",
                   std::string(e.what()) + (extent ? "; the form's extent is not read"
                                                   : "; the control is not loaded"));
        }
    }

    void read_extent(const std::vector<std::string_view>& w) {
        if (w.size() != 3)
            throw PropertyValueError("expected [form WIDTH HEIGHT]");
        if (!form_.controls.empty() || form_.extent)
            throw PropertyValueError("[form ...] comes once, before the controls");
        form_.extent =
            FormExtent{parse_extent_twips(w[1], "WIDTH"), parse_extent_twips(w[2], "HEIGHT")};
    }

    void add_control(const std::vector<std::string_view>& w, const std::string& name) {
        if (w.size() != 7 || w[0] != "control")
            throw PropertyValueError("expected [control NAME PROGID LEFT TOP WIDTH HEIGHT]");
        // Only what a save can write back: no '#', '[' or ']' inside the two names.
        if (!is_word(w[1]) || !is_word(w[2]))
            throw PropertyValueError("a NAME or PROGID with '#', '[' or ']'");
        if (names_.contains(name))
            throw PropertyValueError("a control of this name comes earlier in the form");
        if (form_.controls.size() >= static_cast<std::size_t>(kMaxControlsPerForm.value))
            throw PropertyValueError(over_limit(
                kMaxControlsPerForm, static_cast<std::int64_t>(form_.controls.size()) + 1));
        FormControl c{name,
                      std::string(w[2]),
                      parse_twips(w[3], "LEFT"),
                      parse_twips(w[4], "TOP"),
                      parse_extent_twips(w[5], "WIDTH"),
                      parse_extent_twips(w[6], "HEIGHT"),
                      {},
                      line_number_,
                      {}};
        names_.insert(name);
        form_.controls.push_back(std::move(c));
        current_ = &form_.controls.back();
        skipping_ = false;
        keys_.clear();
    }

    void read_property(std::string_view line) {
        if (skipping_)
            return;  // the lines of a control that is not loaded, reported with its header
        std::string key;
        try {
            if (!current_)
                throw PropertyValueError(
                    "a property line outside any [control ...] section is not read");
            Property p = parse_property_line(line, &key);
            if (keys_.contains(lower_ascii(key)))
                throw PropertyValueError("given twice (keys match in any letter case)");
            if (keys_.size() >= static_cast<std::size_t>(kMaxKeysPerSection.value)) {
                skipping_ = true;
                check_key_count(keys_.size());
            }
            keys_.insert(lower_ascii(key));
            p.line = line_number_;
            current_->properties.push_back(std::move(p));
            current_->property_lines.push_back(line_number_);
        } catch (const PropertyValueError& e) {
            report(current_name(), key, e.what());
        }
    }

    const std::string& file_;
    std::vector<FormFileError>* errors_;
    Form form_;
    std::unordered_set<std::string> names_;
    std::unordered_set<std::string> keys_;  // of the current control, in lower case
    // Property lines go to the current control; none after a damaged header.
    FormControl* current_ = nullptr;
    bool skipping_ = false;
    int line_number_ = 0;
};

}  // namespace

Form parse_form(std::string_view text, const std::string& file,
                std::vector<FormFileError>* errors) {
    FormReader reader(file, errors);
    int line_number = 0;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        reader.read_line(++line_number, trim_ascii(text.substr(0, end)));
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    }
    return reader.take();
}

Form load_form_file(const std::string& path, std::vector<FormFileError>* errors) {
    std::string text;
    try {
        text = read_text_file(path);
    } catch (const TextFileError& e) {
        throw FormFileError(path, 0, {}, {}, e.what());
    }
    if (!looks_like_form(text))
        throw FormFileError(path, 0, {}, {},
                            "not a form file: expected text with a '[form WIDTH HEIGHT]' or "
                            "'[control NAME PROGID LEFT TOP WIDTH HEIGHT]' section");
    return parse_form(text, path, errors);
}

void save_form_file(const std::string& path, const Form& form, const WriteBytes& write) {
    write_file_atomically(path, format_form(form), write);
}

}  // namespace qd::host
