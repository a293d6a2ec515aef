#include "tools/qdhost/command_line.h"

#include <sys/stat.h>

#include <cerrno>
#include <cstring>

#include "host/file_kind.h"
#include "host/persist/text_file.h"

namespace qd::qdhost {

bool wants_help(const Arguments& args) {
    for (const std::string& a : args)
        if (a == "--help" || a == "-h")
            return true;
    return false;
}

void print_line(FILE* f, std::string_view line) {
    std::fwrite(line.data(), 1, line.size(), f);
    std::fputc('\n', f);
}

void report_error(const char* command, std::string_view message) {
    std::fflush(stdout);
    print_line(stderr, "qdhost " + std::string(command) + ": " + host::printable(message));
}

int usage_error(const char* command, const std::string& message, const char* help) {
    report_error(command, message);
    const std::string_view first_line(help, std::strchr(help, '\n') - help);
    std::fprintf(stderr, "%.*s\nRun 'qdhost %s --help' for details.\n",
                 static_cast<int>(first_line.size()), first_line.data(), command);
    return 2;
}

bool check_library_argument(const char* command, const Arguments& args, const char* help,
                            int* status) {
    if (args.size() != 1) {
        *status = usage_error(command, args.empty() ? "missing LIB" : "too many arguments", help);
        return false;
    }
    struct stat st {};
    if (::stat(args[0].c_str(), &st) != 0) {
        report_error(command, args[0] + ": " + std::strerror(errno));
        *status = 2;
        return false;
    }
    if (!S_ISREG(st.st_mode)) {
        report_error(command, args[0] + ": is " + host::file_kind(st.st_mode) +
                                  ", not a component library file");
        *status = 2;
        return false;
    }
    return true;
}

bool split_output_option(const char* command, const Arguments& args, const char* help,
                         Arguments* plain, std::optional<std::string>* output, int* status) {
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "-o" || a == "--output") {
            if (output->has_value()) {
                *status = usage_error(command, "-o given twice", help);
                return false;
            }
            if (i + 1 == args.size()) {
                *status = usage_error(command, a + " needs a value", help);
                return false;
            }
            *output = args[++i];
        } else if (a.size() > 1 && a[0] == '-') {
            *status = usage_error(command, "unknown option '" + a + "'", help);
            return false;
        } else {
            plain->push_back(a);
        }
    }
    return true;
}

}  // namespace qd::qdhost
