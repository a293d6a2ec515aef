#include "tools/qddesigner/design_form.h"

#include "host/container/container.h"
#include "host/container/declared_types.h"
#include "host/persist/atomic_file.h"
#include "host/persist/text_file.h"

namespace qd::designer {

namespace {

// The comment and blank lines before the first line of any other kind.
std::string leading_comments(const std::string& text) {
    std::size_t at = 0;
    while (at < text.size()) {
        std::size_t end = text.find('\n', at);
        if (end == std::string::npos)
            break;
        const std::string_view line(text.data() + at, end - at);
        if (!line.empty() && line.front() != '#')
            break;
        at = end + 1;
    }
    return text.substr(0, at);
}

// Hand-written untyped lines take the types the class declares, as the host's form opener
// gives them; the ones that do not convert are damaged lines.
void settle_untyped(const std::string& path, host::FormControl& fc,
                    std::vector<std::string>* problems) {
    try {
        for (const host::UntypedFailure& f : host::apply_declared_types(fc.progid, &fc.properties))
            problems->push_back(
                host::FormFileError(path, f.property.line, fc.name, f.property.key, f.reason)
                    .what());
    } catch (const host::ContainerError&) {
        // An unknown class: creating the control reports it.
    }
}

}  // namespace

DesignForm read_design_form(const std::string& path, std::vector<std::string>* problems) {
    std::vector<host::FormFileError> errors;
    host::Form form = host::load_form_file(path, &errors);
    for (const host::FormFileError& e : errors)
        problems->push_back(e.what());
    DesignForm design;
    design.extent = form.extent;
    std::string header = leading_comments(host::read_text_file(path));
    if (!header.empty())
        design.header = header;
    for (host::FormControl& fc : form.controls) {
        settle_untyped(path, fc, problems);
        design.controls.push_back({fc.name,
                                   fc.progid,
                                   {fc.left, fc.top, fc.width, fc.height},
                                   host::format_property_file(fc.properties)});
    }
    return design;
}

host::Form host_form(const DesignForm& form) {
    host::Form out{form.extent, {}};
    for (const DesignControl& c : form.controls)
        out.controls.push_back({c.name,
                                c.progid,
                                c.place.left,
                                c.place.top,
                                c.place.width,
                                c.place.height,
                                host::parse_property_file(c.stored, c.name),
                                0,
                                {}});
    return out;
}

std::string design_form_text(const DesignForm& form) {
    const std::string body = host::format_form(host_form(form));
    // The host writer opens with its own one-line comment; the form's header stands there.
    const std::size_t first_line = body.find('\n') + 1;
    return form.header + body.substr(first_line);
}

void write_design_form(const std::string& path, const DesignForm& form) {
    host::write_file_atomically(path, design_form_text(form));
}

}  // namespace qd::designer
