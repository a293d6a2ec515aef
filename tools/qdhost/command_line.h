// What every qdhost command does alike with its command line: --help, the errors it reports
// on standard error, the library argument and the -o option.
#pragma once

#include <cstdio>
#include <optional>
#include <string>
#include <string_view>

#include "tools/qdhost/commands.h"

namespace qd::qdhost {

// True when --help or -h is among the arguments.
bool wants_help(const Arguments& args);

// `line` and a newline on `f`.
void print_line(FILE* f, std::string_view line);

// "qdhost COMMAND: MESSAGE" on standard error, every control byte of the message escaped.
void report_error(const char* command, std::string_view message);

// Reports `message`, then the first line of `help` and where the details are; returns 2.
int usage_error(const char* command, const std::string& message, const char* help);

// A library path given on the command line must name an existing file. False (after
// reporting, with the exit status in *status) when it does not.
bool check_library_argument(const char* command, const Arguments& args, const char* help,
                            int* status);

// Splits `args` into plain arguments and the value of -o/--output. False (after reporting)
// when the option has no value or comes twice.
bool split_output_option(const char* command, const Arguments& args, const char* help,
                         Arguments* plain, std::optional<std::string>* output, int* status);

}  // namespace qd::qdhost
