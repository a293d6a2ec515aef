#include "tools/qdhost/commands.h"

#include <sys/stat.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iostream>
#include <string_view>

#include "host/loader/loader.h"
#include "host/loader/typelib_dump.h"
#include "tools/qdhost/script_runner.h"

namespace qd::qdhost {

namespace {

constexpr const char* kUsage =
    "usage: qdhost COMMAND [ARGS]\n"
    "\n"
    "Hosts the progress controls: runs scripts of property calls, registers component\n"
    "libraries and prints their type information.\n"
    "\n"
    "commands:\n"
    "  run SCRIPT         run a script of statements (- reads standard input)\n"
    "  register LIB       register a component library in the registry\n"
    "  unregister LIB     remove a component library's entries from the registry\n"
    "  typelib LIB        print a library's type information\n"
    "\n"
    "The registry is the file named by QD_REGISTRY, else $XDG_CONFIG_HOME/qd/registry,\n"
    "else ~/.config/qd/registry.\n"
    "Run 'qdhost COMMAND --help' for a command's details.\n"
    "Exit status: 0 success, 1 a statement or step failed, 2 bad usage or unreadable input.\n";

constexpr const char* kRunHelp =
    "usage: qdhost run SCRIPT\n"
    "\n"
    "Runs the statements of SCRIPT (a file, or - for standard input), one a line:\n"
    "  new NAME PROGID [WIDTH HEIGHT]  create a control, InitProperties, Resize\n"
    "                                  (extent in twips; default the class's design extent)\n"
    "  load NAME PROGID FILE           create a control, ReadProperties from FILE, Resize\n"
    "  NAME.PROP = VALUE               set a property by name\n"
    "  print NAME.PROP                 print a property's value\n"
    "  NAME.METHOD                     call a method by name\n"
    "  resize NAME WIDTH HEIGHT        change the control's extent (twips) and Resize\n"
    "  save NAME FILE                  WriteProperties into FILE (replaced atomically)\n"
    "  trace on | trace off            print every host call the controls make\n"
    "  label NAME                      print the label's caption, visibility, alignment,\n"
    "                                  position, size, colour and font size\n"
    "'#' starts a comment. VALUE is a number (12, -2.5, 1e-3, NaN, Inf, -Inf), a hex\n"
    "integer (0x00FFFF), True, False or a \"quoted text\" (\"\" for a quote inside).\n"
    "PROGID is LIBRARY.CLASS as registered, {CLSID}, or PATH:CLASS for an unregistered module.\n"
    "\n"
    "A failing statement prints 'error: LINE: STATEMENT: 0xCODE MESSAGE' to standard error and\n"
    "the script goes on. Exit status: 0 all statements ran, 1 one or more failed, 2 the script\n"
    "cannot be read.\n";

constexpr const char* kRegisterHelp =
    "usage: qdhost register LIB\n"
    "\n"
    "Loads the component library LIB and calls its DllRegisterServer, which enters its\n"
    "classes (by class identifier and as LIBRARY.CLASS) and its type library in the registry\n"
    "(QD_REGISTRY, else the per-user default).\n";

constexpr const char* kUnregisterHelp =
    "usage: qdhost unregister LIB\n"
    "\n"
    "Loads the component library LIB and calls its DllUnregisterServer, which removes its\n"
    "entries from the registry.\n";

constexpr const char* kTypelibHelp =
    "usage: qdhost typelib LIB\n"
    "\n"
    "Prints the type information of the component library LIB: its attributes, classes,\n"
    "interfaces with every member in slot order and its dispatch identifier, enumerations,\n"
    "property pages and resources.\n";

bool wants_help(const Arguments& args) {
    for (const std::string& a : args)
        if (a == "--help" || a == "-h")
            return true;
    return false;
}

int usage_error(const char* command, const std::string& message, const char* help) {
    std::fprintf(stderr, "qdhost %s: %s\n", command, message.c_str());
    const std::string_view first_line(help, std::strchr(help, '\n') - help);
    std::fprintf(stderr, "%.*s\nRun 'qdhost %s --help' for details.\n",
                 static_cast<int>(first_line.size()), first_line.data(), command);
    return 2;
}

void print_line(FILE* f, std::string_view line) {
    std::fwrite(line.data(), 1, line.size(), f);
    std::fputc('\n', f);
}

// A library path given on the command line must name an existing file.
bool check_library_argument(const char* command, const Arguments& args, const char* help,
                            int* status) {
    if (args.size() != 1) {
        *status = usage_error(command, args.empty() ? "missing LIB" : "too many arguments", help);
        return false;
    }
    struct stat st {};
    if (::stat(args[0].c_str(), &st) != 0 || !S_ISREG(st.st_mode)) {
        std::fprintf(stderr, "qdhost %s: %s: %s\n", command, args[0].c_str(),
                     S_ISDIR(st.st_mode) ? "is a folder" : std::strerror(errno));
        *status = 2;
        return false;
    }
    return true;
}

int registration(const char* command, const Arguments& args, const char* help, bool registering) {
    if (wants_help(args)) {
        std::fputs(help, stdout);
        return 0;
    }
    int status = 0;
    if (!check_library_argument(command, args, help, &status))
        return status;
    try {
        if (registering)
            host::register_library(args[0]);
        else
            host::unregister_library(args[0]);
    } catch (const host::LoaderError& e) {
        std::fprintf(stderr, "qdhost %s: %s\n", command, e.what());
        return 1;
    }
    return 0;
}

}  // namespace

int run_command(const Arguments& args) {
    if (wants_help(args)) {
        std::fputs(kRunHelp, stdout);
        return 0;
    }
    if (args.size() != 1)
        return usage_error("run", args.empty() ? "missing SCRIPT" : "too many arguments", kRunHelp);
    const std::string& path = args[0];
    FILE* in = path == "-" ? stdin : std::fopen(path.c_str(), "rb");
    if (!in) {
        std::fprintf(stderr, "qdhost run: cannot read %s: %s\n", path.c_str(),
                     std::strerror(errno));
        return 2;
    }

    // Errors go to standard error; standard output is flushed first so that a terminal shows
    // both in statement order.
    ScriptRunner runner([](std::string_view line) { print_line(stdout, line); },
                        [](std::string_view line) {
                            std::fflush(stdout);
                            print_line(stderr, line);
                        });
    // Line by line, so that a script typed on standard input runs as it is typed.
    int failures = 0;
    int number = 0;
    char* buffer = nullptr;
    std::size_t capacity = 0;
    ssize_t length;
    while ((length = ::getline(&buffer, &capacity, in)) >= 0) {
        std::string_view line(buffer, static_cast<std::size_t>(length));
        if (!line.empty() && line.back() == '\n')
            line.remove_suffix(1);
        if (!runner.run_line(++number, line))
            ++failures;
    }
    const bool read_failed = std::ferror(in) != 0;
    const int read_errno = errno;
    std::free(buffer);
    if (in != stdin)
        std::fclose(in);
    std::fflush(stdout);
    if (read_failed) {
        std::fprintf(stderr, "qdhost run: cannot read %s: %s\n", path.c_str(),
                     std::strerror(read_errno));
        return 2;
    }
    return failures > 0 ? 1 : 0;
}

int register_command(const Arguments& args) {
    return registration("register", args, kRegisterHelp, true);
}

int unregister_command(const Arguments& args) {
    return registration("unregister", args, kUnregisterHelp, false);
}

int typelib_command(const Arguments& args) {
    if (wants_help(args)) {
        std::fputs(kTypelibHelp, stdout);
        return 0;
    }
    int status = 0;
    if (!check_library_argument("typelib", args, kTypelibHelp, &status))
        return status;
    try {
        const host::TypeLibraryRef tl = host::type_library(args[0]);
        host::dump_type_library(tl.desc(), std::cout);
        std::cout.flush();
    } catch (const host::LoaderError& e) {
        std::fprintf(stderr, "qdhost typelib: %s\n", e.what());
        return 1;
    }
    return 0;
}

int qdhost_main(const Arguments& args) {
    if (args.empty()) {
        std::fputs(kUsage, stderr);
        return 2;
    }
    const std::string& command = args[0];
    const Arguments rest(args.begin() + 1, args.end());
    if (command == "--help" || command == "-h" || command == "help") {
        std::fputs(kUsage, stdout);
        return 0;
    }
    if (command == "run")
        return run_command(rest);
    if (command == "register")
        return register_command(rest);
    if (command == "unregister")
        return unregister_command(rest);
    if (command == "typelib")
        return typelib_command(rest);
    std::fprintf(stderr, "qdhost: unknown command '%s'\n\n%s", command.c_str(), kUsage);
    return 2;
}

}  // namespace qd::qdhost
