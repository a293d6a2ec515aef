// Runs qdhost script statements (script_syntax.h) against a container, printing what the
// statements print, the trace while it is on, and one error line per failing statement:
//
//   error: LINE: STATEMENT: 0xCODE MESSAGE[: DETAIL]
//
// MESSAGE is the text of the result code; DETAIL says what the host knows beyond it (the
// file, line and key of a damaged property file, the class that is not registered, ...).
// A failing statement changes nothing more than it did before it failed; the next one runs.
#pragma once

#include <functional>
#include <map>
#include <string>
#include <string_view>

#include "host/container/container.h"
#include "host/container/form_host.h"
#include "host/page/page_site.h"
#include "host/trace/printing_sink.h"
#include "tools/qdhost/script_syntax.h"

namespace qd::qdhost {

using Print = std::function<void(std::string_view line)>;

class ScriptRunner {
  public:
    // `out` gets printed values and trace lines, `err` the error lines.
    ScriptRunner(Print out, Print err);
    ~ScriptRunner();
    ScriptRunner(const ScriptRunner&) = delete;
    ScriptRunner& operator=(const ScriptRunner&) = delete;

    // The names a script gives the open property page and the open form; no control takes them.
    static constexpr const char* kPageName = "page";
    static constexpr const char* kFormName = "form";

    // Runs one line; false when it held a statement that failed.
    bool run_line(int number, std::string_view line);
    // Runs every line of `text`; returns the number of failed statements.
    int run_text(std::string_view text);

  private:
    void execute(const Statement& s);
    void execute(const NewStatement& s);
    void execute(const LoadStatement& s);
    void execute(const PutStatement& s);
    void execute(const PrintStatement& s);
    void execute(const CallStatement& s);
    void execute(const ResizeStatement& s);
    void execute(const SaveStatement& s);
    void execute(const TraceStatement& s);
    void execute(const LabelStatement& s);
    void execute(const PngStatement& s);
    void execute(const PageStatement& s);
    void execute(const OpenStatement& s);
    void execute(const SaveFormStatement& s);
    void execute(const DamageStatement& s);
    host::HostedControl& control(const std::string& name);
    host::PageSite& page();
    void check_new_name(const std::string& name) const;
    void close_page();

    Print out_;
    Print err_;
    // The sink outlives the container, whose controls report to it.
    host::PrintingSink sink_;
    host::Container container_;
    std::map<std::string, std::string> classes_;  // control name -> what it was created from
    // The controls opened from form files, in form order.
    host::FormLayout form_;
    bool form_open_ = false;
    // The open property page, if any; closed before the controls go.
    ComPtr<host::PageSite> page_;
    // Further failures of the running statement, beyond the one it throws (a form's damaged
    // lines); each is reported on its own line.
    std::vector<std::string> extra_errors_;
};

}  // namespace qd::qdhost
