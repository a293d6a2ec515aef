#include "tools/qdhost/script_runner.h"

#include "foundation/ascii.h"

#include <algorithm>
#include <cctype>
#include <cstdio>

#include "foundation/ascii.h"
#include "host/container/declared_types.h"
#include "host/container/picture_file.h"
#include "host/loader/loader.h"
#include "host/page/page_render.h"
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

// The property page `page NAME ...` opens.
constexpr const char* kDataPage = "qdProgressControls.Data";

}  // namespace

ScriptRunner::ScriptRunner(Print out, Print err)
    : out_(std::move(out)), err_(std::move(err)), sink_(out_), container_(sink_) {}

ScriptRunner::~ScriptRunner() {
    close_page();
}

bool ScriptRunner::run_line(int number, std::string_view line) {
    HRESULT code = S_OK;
    std::string detail;
    const auto report_extra = [&] {
        for (const std::string& e : extra_errors_)
            err_("error: " + std::to_string(number) + ": " + std::string(statement_text(line)) +
                 ": " + e);
        const bool any = !extra_errors_.empty();
        extra_errors_.clear();
        return any;
    };
    try {
        const std::optional<Statement> statement = parse_statement(line);
        if (!statement)
            return true;
        execute(*statement);
        return !report_extra();
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
    report_extra();
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

void ScriptRunner::check_new_name(const std::string& name) const {
    if (name == kPageName || name == kFormName)
        host_failure(E_INVALIDARG,
                     "'" + name + "' names the open " + name + "; give the control another name");
    // Checked here, before anything records the new class under a name another control holds.
    if (container_.find(name))
        host_failure(E_INVALIDARG, "there is already a control named " + name);
}

void ScriptRunner::execute(const NewStatement& s) {
    check_new_name(s.name);
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
    check_new_name(s.name);
    host::PropertyList properties;
    try {
        properties = host::load_property_file(s.file);
    } catch (const host::PropertyFileError& e) {
        host_failure(E_FAIL, e.what());
    }
    const std::vector<host::UntypedFailure> untyped =
        host::apply_declared_types(s.progid, &properties);
    if (!untyped.empty()) {
        const auto damaged = [&](const host::UntypedFailure& f) -> std::string {
            return host::PropertyFileError(s.file, f.property.line, f.property.key, f.reason)
                .what();
        };
        for (std::size_t i = 0; i + 1 < untyped.size(); ++i)
            extra_errors_.push_back(code_text(E_FAIL) + ": " + damaged(untyped[i]));
        host_failure(E_FAIL, damaged(untyped.back()));
    }
    classes_[s.name] = s.progid;
    std::string last_key;
    try {
        container_.load(s.name, s.progid, properties, std::nullopt, &last_key);
    } catch (const host::ContainerError& e) {
        if (!container_.find(s.name))
            classes_.erase(s.name);
        // Name the key the control read last, the one its refusal most likely concerns.
        std::string detail = e.what();
        if (!last_key.empty() && container_.find(s.name))
            detail += std::string(detail.empty() ? "" : "; ") + "reading " + s.file + ": key '" +
                      last_key + "'";
        throw host::ContainerError(e.code(), detail);
    } catch (...) {
        if (!container_.find(s.name))
            classes_.erase(s.name);
        throw;
    }
}

void ScriptRunner::execute(const PutStatement& s) {
    if (s.name == kPageName) {
        // The field takes the text the user would type: a number as the host writes it.
        const std::string text = s.value.to_text();
        if (const HRESULT hr = page().set_text(s.property, text); failed(hr))
            host_failure(hr, hr == E_INVALIDARG ? "the page has no field " + s.property : "");
        return;
    }
    control(s.name).put(s.property, s.value);
}

void ScriptRunner::execute(const PrintStatement& s) {
    if (s.name == kPageName) {
        if (iequals_ascii(s.property, "Changed")) {
            out_(page().changed() ? "True" : "False");
            return;
        }
        std::string text;
        if (failed(page().text(s.property, &text)))
            host_failure(E_INVALIDARG, "the page has no field " + s.property);
        out_(host::trace_value(Variant(std::string_view(text))));
        return;
    }
    out_(host::trace_value(control(s.name).get(s.property)));
}

void ScriptRunner::execute(const CallStatement& s) {
    if (s.name == kPageName) {
        if (!iequals_ascii(s.method, "apply"))
            host_failure(E_INVALIDARG, "a page knows only page.apply, not " + s.method);
        if (const HRESULT hr = page().apply(); failed(hr))
            host_failure(hr, "the page was not applied");
        return;
    }
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

void ScriptRunner::execute(const DamageStatement& s) {
    host::PixelRect d;
    if (s.name == kFormName) {
        if (!form_open_)
            host_failure(E_INVALIDARG, "no form is open (open FORM opens one)");
        d = host::take_form_damage(container_, form_);
    } else {
        d = control(s.name).take_damage();
    }
    using host::trace_value;
    out_("damage " + s.name + ": " +
         (d.empty() ? std::string("none")
                    : "x " + trace_value(d.x) + ", y " + trace_value(d.y) + ", width " +
                          trace_value(d.width) + ", height " + trace_value(d.height)));
}

host::PageSite& ScriptRunner::page() {
    if (!page_)
        host_failure(E_INVALIDARG, "no page is open (page NAME [NAME ...] opens one)");
    return *page_.get();
}

void ScriptRunner::close_page() {
    if (page_)
        page_->close();
    page_ = nullptr;
}

void ScriptRunner::execute(const PngStatement& s) {
    host::Image picture;
    if (s.name == kPageName) {
        picture = host::render_page(page());
    } else if (s.name == kFormName) {
        if (!form_open_)
            host_failure(E_INVALIDARG, "no form is open (open FORM opens one)");
        picture = host::render_form(container_, form_);
    } else {
        picture = control(s.name).view();
    }
    try {
        host::save_png(s.file, picture);
    } catch (const host::FileWriteError& e) {
        host_failure(E_FAIL, e.what());
    }
}

void ScriptRunner::execute(const PageStatement& s) {
    std::vector<ComPtr<IDispatch>> selection;
    for (const std::string& name : s.names)
        selection.emplace_back(control(name).dispatch());
    // A new selection opens the page afresh, as a property dialog does for a new selection.
    close_page();
    ComPtr<IPropertyPage> data;
    try {
        data = host::create_object<IPropertyPage>(kDataPage);
    } catch (const host::LoaderError& e) {
        host_failure(e.code(), e.what());
    }
    ComPtr<host::PageSite> site = host::PageSite::create();
    if (const HRESULT hr = site->open(data.get()); failed(hr))
        host_failure(hr, "the page cannot be opened");
    page_ = site;
    if (const HRESULT hr = site->select(std::move(selection)); failed(hr))
        host_failure(hr, "the page cannot show the selection");
}

void ScriptRunner::execute(const OpenStatement& s) {
    std::vector<host::FormFileError> problems;
    host::FormLayout opened;
    try {
        opened = host::open_form(container_, s.file, &problems);
    } catch (const host::FormFileError& e) {
        host_failure(E_FAIL, e.what());
    }
    for (host::PlacedControl& p : opened.controls) {
        classes_[p.name] = p.progid;
        form_.controls.push_back(std::move(p));
    }
    if (!form_open_)
        form_.extent = opened.extent;
    form_open_ = true;
    if (problems.empty())
        return;
    for (std::size_t i = 0; i + 1 < problems.size(); ++i)
        extra_errors_.push_back(code_text(E_FAIL) + ": " + problems[i].what());
    host_failure(E_FAIL, problems.back().what());
}

void ScriptRunner::execute(const SaveFormStatement& s) {
    if (!form_open_)
        host_failure(E_INVALIDARG, "no form is open (open FORM opens one)");
    // Nothing is written unless every control stored every property.
    const host::Form form = host::snapshot_form(container_, form_);
    try {
        host::save_form_file(s.file, form);
    } catch (const host::PropertyValueError& e) {
        host_failure(E_FAIL, s.file + ": " + e.what());
    } catch (const host::FileWriteError& e) {
        host_failure(E_FAIL, e.what());
    }
}

}  // namespace qd::qdhost
