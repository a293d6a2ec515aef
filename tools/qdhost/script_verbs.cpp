#include "tools/qdhost/script_verbs.h"

#include <iterator>

#include "tools/qdhost/script_words.h"

namespace qd::qdhost {

namespace {

std::string control_name(const std::string& word) {
    return checked_name(word, "control name");
}

Statement parse_new(const Words& w) {
    if (w.size() != 3 && w.size() != 5)
        throw SyntaxError("usage: new NAME PROGID [WIDTH HEIGHT]");
    NewStatement s{control_name(w[1]), w[2], std::nullopt};
    if (w.size() == 5)
        s.extent = parse_extent(w, 3);
    return s;
}

Statement parse_load(const Words& w) {
    expect_count(w, 4, "load NAME PROGID FILE");
    return LoadStatement{control_name(w[1]), w[2], w[3]};
}

Statement parse_print(const Words& w) {
    expect_count(w, 2, "print NAME.PROPERTY");
    auto [name, property] = member_reference(w[1]);
    return PrintStatement{std::move(name), std::move(property)};
}

Statement parse_resize(const Words& w) {
    expect_count(w, 4, "resize NAME WIDTH HEIGHT");
    return ResizeStatement{control_name(w[1]), parse_extent(w, 2)};
}

// `save NAME FILE` saves one control, `save FORM` the open form.
Statement parse_save(const Words& w) {
    if (w.size() == 2)
        return SaveFormStatement{w[1]};
    expect_count(w, 3, "save NAME FILE | save FORM");
    return SaveStatement{control_name(w[1]), w[2]};
}

Statement parse_png(const Words& w) {
    expect_count(w, 3, "png NAME FILE");
    return PngStatement{control_name(w[1]), w[2]};
}

Statement parse_page(const Words& w) {
    if (w.size() < 2)
        throw SyntaxError("usage: page NAME [NAME ...]");
    PageStatement s;
    for (std::size_t i = 1; i < w.size(); ++i)
        s.names.push_back(control_name(w[i]));
    return s;
}

Statement parse_open(const Words& w) {
    expect_count(w, 2, "open FORM");
    return OpenStatement{w[1]};
}

Statement parse_trace(const Words& w) {
    if (w.size() != 2 || (w[1] != "on" && w[1] != "off"))
        throw SyntaxError("usage: trace on | trace off");
    return TraceStatement{w[1] == "on"};
}

Statement parse_label(const Words& w) {
    expect_count(w, 2, "label NAME");
    return LabelStatement{control_name(w[1])};
}

Statement parse_damage(const Words& w) {
    expect_count(w, 2, "damage NAME");
    return DamageStatement{control_name(w[1])};
}

constexpr ScriptForm kForms[] = {
    {"new", "new NAME PROGID [WIDTH HEIGHT]",
     "create a control, InitProperties, Resize\n(extent in twips; default the class's design "
     "extent)",
     parse_new},
    {"load", "load NAME PROGID FILE", "create a control, ReadProperties from FILE, Resize",
     parse_load},
    {nullptr, "NAME.PROP = VALUE", "set a property by name", nullptr},
    {"print", "print NAME.PROP", "print a property's value", parse_print},
    {nullptr, "NAME.METHOD", "call a method by name", nullptr},
    {"resize", "resize NAME WIDTH HEIGHT", "change the control's extent (twips) and Resize",
     parse_resize},
    {"save", "save NAME FILE", "WriteProperties into FILE (replaced atomically)", parse_save},
    {"trace", "trace on | trace off", "print every host call the controls make", parse_trace},
    {"label", "label NAME",
     "print the label's caption, visibility, alignment,\nposition, size, colour and font size",
     parse_label},
    {"damage", "damage NAME",
     "print what changed in the control's view since the last\ndamage (x, y, width, height in "
     "pixels, or none);\n'damage form' the open form's",
     parse_damage},
    {"png", "png NAME FILE",
     "write the control's view (picture, edge, label) as PNG;\n'png page FILE' draws the open "
     "page, 'png form FILE'\nthe open form",
     parse_png},
    {"page", "page NAME [NAME ...]",
     "open the Data page on those controls (the first is the\none it reads and writes)",
     parse_page},
    {nullptr, "page.FIELD = \"TEXT\"", "type into a field of the page (txtValue, txtMin, txtMax)",
     nullptr},
    {nullptr, "print page.FIELD", "print a field's text; 'print page.Changed' the page's flag",
     nullptr},
    {nullptr, "page.apply", "apply the page", nullptr},
    {"open", "open FORM", "load every control of a form file under its own name", parse_open},
    {nullptr, "save FORM", "write every control of the open form(s) to FORM", nullptr},
};

// The column at which --help starts a form's help text.
constexpr std::size_t kHelpColumn = 34;

}  // namespace

std::span<const ScriptForm> script_forms() {
    return kForms;
}

const ScriptForm* find_verb(std::string_view verb) {
    for (const ScriptForm& form : kForms)
        if (form.verb && verb == form.verb)
            return &form;
    return nullptr;
}

std::string script_forms_help() {
    std::string out;
    for (const ScriptForm& form : kForms) {
        std::string line = "  " + std::string(form.usage);
        line.resize(std::max(line.size() + 1, kHelpColumn), ' ');
        for (const char* c = form.help; *c; ++c) {
            if (*c != '\n') {
                line += *c;
                continue;
            }
            out += line + "\n";
            line.assign(kHelpColumn, ' ');
        }
        out += line + "\n";
    }
    return out;
}

}  // namespace qd::qdhost
