#include "tools/qdhost/script_runner.h"

#include <cstdio>

#include "host/persist/property_file.h"
#include "host/persist/property_value.h"
#include "host/trace/trace_format.h"

namespace qd::qdhost {

namespace {

std::string code_text(HRESULT hr) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "0x%08X", static_cast<unsigned>(hr));
    return std::string(buf) + " " + result_message(hr);
}

// A failure of the host itself (a file, a name), not of a control.
[[noreturn]] void host_failure(HRESULT code, const std::string& detail) {
    throw host::ContainerError(code, detail);
}

}  // namespace

ScriptRunner::ScriptRunner(Print out, Print err)
    : out_(std::move(out)), err_(std::move(err)), sink_(out_), container_(sink_) {}

bool ScriptRunner::run_line(int number, std::string_view line) {
    HRESULT code = S_OK;
    std::string detail;
    try {
        const std::optional<Statement> statement = parse_statement(line);
        if (!statement)
            return true;
        execute(*statement);
        return true;
    } catch (const SyntaxError& e) {
        code = E_INVALIDARG;
        detail = e.what();
    } catch (const host::ContainerError& e) {
        code = e.code();
        detail = e.what();
        // A loader's message may end with the code's own text; it is printed once.
        const std::string repeated = ": " + code_text(code);
        if (detail.ends_with(repeated))
            detail.resize(detail.size() - repeated.size());
    } catch (const std::bad_alloc&) {
        code = E_OUTOFMEMORY;
    } catch (const std::exception& e) {
        // Anything else the host library throws fails this statement, not the whole script.
        code = E_FAIL;
        detail = e.what();
    }
    std::string text = "error: " + std::to_string(number) + ": " +
                       std::string(statement_text(line)) + ": " + code_text(code);
    if (!detail.empty())
        text += ": " + detail;
    err_(text);
    return false;
}

int ScriptRunner::run_text(std::string_view text) {
    int failures = 0;
    int number = 0;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        if (!run_line(++number, text.substr(0, end)))
            ++failures;
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    }
    return failures;
}

host::HostedControl& ScriptRunner::control(const std::string& name) {
    host::HostedControl* c = container_.find(name);
    if (!c)
        host_failure(E_INVALIDARG, "no control named " + name);
    return *c;
}

void ScriptRunner::execute(const Statement& s) {
    std::visit([this](const auto& statement) { execute(statement); }, s);
}

void ScriptRunner::execute(const NewStatement& s) {
    std::optional<host::ControlExtent> extent;
    if (s.extent)
        extent = host::ControlExtent{s.extent->width, s.extent->height};
    // Once created and sited the control stays, even when a later event fails.
    classes_[s.name] = s.progid;
    try {
        container_.create(s.name, s.progid, extent);
    } catch (...) {
        if (!container_.find(s.name))
            classes_.erase(s.name);
        throw;
    }
}

void ScriptRunner::execute(const LoadStatement& s) {
    host::PropertyList properties;
    try {
        properties = host::load_property_file(s.file);
    } catch (const host::PropertyFileError& e) {
        host_failure(E_FAIL, e.what());
    }
    classes_[s.name] = s.progid;
    try {
        container_.load(s.name, s.progid, properties);
    } catch (...) {
        if (!container_.find(s.name))
            classes_.erase(s.name);
        throw;
    }
}

void ScriptRunner::execute(const PutStatement& s) {
    control(s.name).put(s.property, s.value);
}

void ScriptRunner::execute(const PrintStatement& s) {
    out_(host::trace_value(control(s.name).get(s.property)));
}

void ScriptRunner::execute(const CallStatement& s) {
    control(s.name).call(s.method);
}

void ScriptRunner::execute(const ResizeStatement& s) {
    control(s.name).resize(s.extent.width, s.extent.height);
}

void ScriptRunner::execute(const SaveStatement& s) {
    // Nothing is written unless the control stored every property.
    const host::PropertyList properties = control(s.name).write_properties();
    try {
        host::save_property_file(s.file, properties, classes_[s.name]);
    } catch (const host::PropertyValueError& e) {
        host_failure(E_FAIL, s.file + ": " + e.what());
    } catch (const host::FileWriteError& e) {
        host_failure(E_FAIL, e.what());
    }
}

void ScriptRunner::execute(const TraceStatement& s) {
    sink_.enabled = s.on;
}

void ScriptRunner::execute(const LabelStatement& s) {
    const host::LabelState l = control(s.name).label();
    using host::trace_value;
    out_("label " + s.name + ": Caption " + trace_value(l.caption) + ", Visible " +
         (l.visible ? "True" : "False") + ", Alignment " + trace_value(l.alignment) + ", Left " +
         trace_value(l.left) + ", Top " + trace_value(l.top) + ", Width " + trace_value(l.width) +
         ", Height " + trace_value(l.height) + ", ForeColor " +
         trace_value(static_cast<std::int32_t>(l.fore_color)) + ", FontSize " +
         trace_value(l.font_size));
}

}  // namespace qd::qdhost
