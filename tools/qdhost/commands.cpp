#include "tools/qdhost/commands.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <optional>
#include <string_view>

#include "host/container/form_host.h"
#include "host/container/picture_file.h"
#include "host/loader/loader.h"
#include "host/loader/typelib_dump.h"
#include "host/persist/text_file.h"
#include "host/trace/printing_sink.h"
#include "tools/qdhost/command_line.h"
#include "tools/qdhost/demo/demo_command.h"
#include "tools/qdhost/demo/device_flags.h"
#include "tools/qdhost/registry_location.h"
#include "tools/qdhost/resources.h"

namespace qd::qdhost {

namespace {

constexpr const char* kUsage =
    "usage: qdhost COMMAND [ARGS]\n"
    "\n"
    "Hosts the progress controls: runs scripts of property calls, draws controls and forms as\n"
    "pictures, registers component libraries and shows their type information and resources.\n"
    "\n"
    "commands:\n"
    "  demo [-o DIR] [--scale S] [--smooth]\n"
    "                          render a gallery of every control and option, a contact sheet\n"
    "                          and an animation (default DIR: ./qd-gallery)\n"
    "  run SCRIPT              run a script of statements (- reads standard input)\n"
    "  render FORM [-o PNG] [--scale S] [--smooth]\n"
    "                          draw every control of a form file as one picture\n"
    "  resources LIB [-o DIR]  write a library's toolbox bitmaps as PNG, print its version block\n"
    "  register LIB            register a component library in the registry\n"
    "  unregister LIB          remove a component library's entries from the registry\n"
    "  typelib LIB             print a library's type information\n"
    "\n"
    "The registry is the file named by QD_REGISTRY; when that is unset, the build tree's\n"
    "registry (the file 'registry' in the folder above the one holding this qdhost, where a\n"
    "build registers its own libraries) when it exists; else $XDG_CONFIG_HOME/qd/registry,\n"
    "else ~/.config/qd/registry, when that exists. An installed qdhost with none of these\n"
    "registers the modules of its installed module folder (lib/qd beside its bin) into a\n"
    "registry of this run alone, so it needs no 'register' step.\n"
    "Run 'qdhost COMMAND --help' for a command's details.\n"
    "Exit status: 0 success, 1 a statement or step failed, 2 bad usage or unreadable input.\n";

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

constexpr const char* kRenderHelp =
    "usage: qdhost render FORM [-o PNG] [--scale S] [--smooth]\n"
    "\n"
    "Loads every control of the form file FORM (create, ReadProperties, Resize at its extent)\n"
    "and writes the whole form as one PNG picture: the controls at their places on the form's\n"
    "background. PNG defaults to the form's name with .png, in the current folder.\n"
    "\n"
    "options:\n"
    "  -o PNG      the picture to write\n"
    "%s"
    "\n"
    "A form file holds an optional '[form WIDTH HEIGHT]' line, then for each control a section\n"
    "'[control NAME PROGID LEFT TOP WIDTH HEIGHT]' (twips, 15 to a pixel) followed by its\n"
    "stored properties as 'Key = Type value' lines, as 'save' writes them.\n"
    "\n"
    "A damaged line or a control that fails to load is reported with file, line, control and\n"
    "key; the other controls still load and are drawn. Exit status: 0 every control loaded and\n"
    "the picture was written, 1 a control failed or the picture cannot be written, 2 bad usage\n"
    "or a form that cannot be read.\n";

constexpr const char* kResourcesHelp =
    "usage: qdhost resources LIB [-o DIR]\n"
    "\n"
    "Writes each toolbox bitmap of the component library LIB into DIR (default: the current\n"
    "folder) as LIBRARY_bitmapID.png at its own size and as LIBRARY_bitmapID_x8.png eight\n"
    "times larger, then prints the library's version block.\n";

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
        report_error(command, e.what());
        return 1;
    }
    return 0;
}

}  // namespace

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
        report_error("typelib", e.what());
        return 1;
    }
    return 0;
}

int render_command(const Arguments& args) {
    if (wants_help(args)) {
        std::printf(kRenderHelp, kDeviceFlagsHelp);
        return 0;
    }
    Arguments flagless, plain;
    host::DeviceOptions device;
    std::string flag_error;
    if (!take_device_flags(args, &flagless, &device, &flag_error))
        return usage_error("render", flag_error, kRenderHelp);
    std::optional<std::string> output;
    int status = 0;
    if (!split_output_option("render", flagless, kRenderHelp, &plain, &output, &status))
        return status;
    if (plain.size() != 1)
        return usage_error("render", plain.empty() ? "missing FORM" : "too many arguments",
                           kRenderHelp);
    const std::string& form_path = plain[0];
    const std::string png =
        output ? *output : std::filesystem::path(form_path).stem().string() + ".png";

    host::PrintingSink silent([](std::string_view) {});
    host::Container container(silent, device);
    std::vector<host::FormFileError> problems;
    host::FormLayout layout;
    try {
        layout = host::open_form(container, form_path, &problems);
    } catch (const host::FormFileError& e) {
        report_error("render", e.what());
        return 2;
    }
    for (const host::FormFileError& e : problems)
        report_error("render", e.what());
    try {
        host::save_png(png, host::render_form(container, layout));
    } catch (const std::exception& e) {
        report_error("render", e.what());
        return 1;
    }
    std::printf("%s: %zu control%s drawn into %s\n", form_path.c_str(), layout.controls.size(),
                layout.controls.size() == 1 ? "" : "s", png.c_str());
    return problems.empty() ? 0 : 1;
}

int resources_command(const Arguments& args) {
    if (wants_help(args)) {
        std::fputs(kResourcesHelp, stdout);
        return 0;
    }
    Arguments plain;
    std::optional<std::string> output;
    int status = 0;
    if (!split_output_option("resources", args, kResourcesHelp, &plain, &output, &status) ||
        !check_library_argument("resources", plain, kResourcesHelp, &status))
        return status;
    const std::filesystem::path folder = output ? *output : ".";
    std::error_code ec;
    if (!std::filesystem::is_directory(folder, ec)) {
        report_error("resources", folder.string() + ": not a folder");
        return 2;
    }
    try {
        const host::TypeLibraryRef tl = host::type_library(plain[0]);
        const LibraryDesc& lib = tl.desc();
        constexpr int kEnlargement = 8;
        for (std::size_t i = 0; i < lib.bitmap_count; ++i) {
            const BitmapDesc& bmp = lib.bitmaps[i];
            const std::string stem = std::string(lib.name) + "_bitmap" + std::to_string(bmp.id);
            const host::Image picture = bitmap_picture(bmp);
            const std::string plain_png = (folder / (stem + ".png")).string();
            const std::string large_png = (folder / (stem + "_x8.png")).string();
            host::save_png(plain_png, picture);
            host::save_png(large_png, enlarged(picture, kEnlargement));
            std::printf("bitmap %d (%d x %d, %d bits per pixel): %s, %s\n", bmp.id, bmp.width,
                        bmp.height, bmp.bits_per_pixel, plain_png.c_str(), large_png.c_str());
        }
        if (lib.bitmap_count == 0)
            std::printf("no bitmaps\n");
        if (lib.version)
            std::printf("version block of %s\n%s", lib.name,
                        version_block_text(*lib.version).c_str());
        else
            std::printf("no version block\n");
    } catch (const host::LoaderError& e) {
        report_error("resources", e.what());
        return 1;
    } catch (const host::FileWriteError& e) {
        report_error("resources", e.what());
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
    struct Entry {
        const char* name;
        int (*run)(const Arguments&);
    };
    static constexpr Entry kCommands[] = {
        {"run", run_command},
        {"render", render_command},
        {"resources", resources_command},
        {"register", register_command},
        {"unregister", unregister_command},
        {"typelib", typelib_command},
        {"demo", demo_command},
    };
    for (const Entry& entry : kCommands)
        if (command == entry.name)
            return entry.run(rest);
    std::fprintf(stderr, "qdhost: unknown command '%s'\n\n%s", host::printable(command).c_str(),
                 kUsage);
    return 2;
}

}  // namespace qd::qdhost
