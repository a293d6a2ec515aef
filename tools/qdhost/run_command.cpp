// qdhost run: a script from a file or from standard input, a statement a line.
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string_view>

#include "host/limits.h"
#include "host/persist/text_file.h"
#include "tools/qdhost/command_line.h"
#include "tools/qdhost/commands.h"
#include "tools/qdhost/script_runner.h"
#include "tools/qdhost/script_verbs.h"

namespace qd::qdhost {

namespace {

// Before and after the statement forms, which come from the script's verb table.
constexpr const char* kRunHelp =
    "usage: qdhost run SCRIPT\n"
    "\n"
    "Runs the statements of SCRIPT (a file, or - for standard input), one a line:\n";
constexpr const char* kRunHelpNotes =
    "The names 'page' and 'form' are kept for the page and the form. Files are replaced\n"
    "atomically: a failed write leaves the old file whole.\n"
    "'#' starts a comment. VALUE is a number (12, -2.5, 1e-3, NaN, Inf, -Inf), a hex\n"
    "integer (0x00FFFF), True, False or a \"quoted text\" (\"\" for a quote inside).\n"
    "PROGID is LIBRARY.CLASS as registered, {CLSID}, or PATH:CLASS for an unregistered module.\n"
    "\n"
    "A failing statement prints 'error: LINE: STATEMENT: 0xCODE MESSAGE' to standard error and\n"
    "the script goes on. Exit status: 0 all statements ran, 1 one or more failed, 2 the script\n"
    "cannot be read.\n";

// Reads a script from standard input line by line, so that a script typed there runs as it is
// typed, within the same limits as a script file. False (after reporting) when reading stops.
bool run_standard_input(ScriptRunner& runner, int* failures) {
    int number = 0;
    std::int64_t total = 0;
    std::string line;
    for (int c = std::getchar();; c = std::getchar()) {
        if (c != EOF && c != '\n') {
            if (line.size() >= static_cast<std::size_t>(host::kMaxLineBytes.value)) {
                report_error("run", "-:" + std::to_string(number + 1) + ": " +
                                        host::over_limit(host::kMaxLineBytes, "(longer)") +
                                        "; the script stops here");
                return false;
            }
            line += static_cast<char>(c);
            continue;
        }
        if (c == EOF && line.empty())
            break;
        total += static_cast<std::int64_t>(line.size()) + 1;
        if (total > host::kMaxFileBytes.value) {
            report_error("run", "-: " + host::over_limit(host::kMaxFileBytes, total) +
                                    "; the script stops here");
            return false;
        }
        if (!runner.run_line(++number, line))
            ++*failures;
        line.clear();
        if (c == EOF)
            break;
    }
    if (std::ferror(stdin)) {
        report_error("run", std::string("cannot read -: ") + std::strerror(errno));
        return false;
    }
    return true;
}

// Runs a script file read whole (host::read_text_file checks kind and size), line by line.
bool run_file(ScriptRunner& runner, const std::string& path, int* failures) {
    std::string text;
    try {
        text = host::read_text_file(path);
    } catch (const host::TextFileError& e) {
        report_error("run", "cannot read " + path + ": " + e.what());
        return false;
    }
    int number = 0;
    std::string_view rest = text;
    while (!rest.empty()) {
        const std::size_t end = rest.find('\n');
        const std::string_view line = rest.substr(0, end);
        rest.remove_prefix(end == std::string_view::npos ? rest.size() : end + 1);
        ++number;
        if (line.size() > static_cast<std::size_t>(host::kMaxLineBytes.value)) {
            report_error("run", path + ":" + std::to_string(number) + ": " +
                                    host::over_limit(host::kMaxLineBytes,
                                                     static_cast<std::int64_t>(line.size())) +
                                    "; the script stops here");
            return false;
        }
        if (!runner.run_line(number, line))
            ++*failures;
    }
    return true;
}

}  // namespace

int run_command(const Arguments& args) {
    if (wants_help(args)) {
        std::fputs(kRunHelp, stdout);
        std::fputs(script_forms_help().c_str(), stdout);
        std::fputs(kRunHelpNotes, stdout);
        return 0;
    }
    if (args.size() != 1)
        return usage_error("run", args.empty() ? "missing SCRIPT" : "too many arguments", kRunHelp);
    const std::string& path = args[0];
    // Errors go to standard error; standard output is flushed first so that a terminal shows
    // both in statement order.
    ScriptRunner runner([](std::string_view line) { print_line(stdout, line); },
                        [](std::string_view line) {
                            std::fflush(stdout);
                            print_line(stderr, host::printable(line));
                        });
    int failures = 0;
    const bool read =
        path == "-" ? run_standard_input(runner, &failures) : run_file(runner, path, &failures);
    std::fflush(stdout);
    if (!read)
        return 2;
    return failures > 0 ? 1 : 0;
}

}  // namespace qd::qdhost
