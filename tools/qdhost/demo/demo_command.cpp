#include "tools/qdhost/demo/demo_command.h"

#include <cstdio>
#include <filesystem>
#include <string>
#include <system_error>

#include "host/raster/png_io.h"
#include "host/trace/printing_sink.h"
#include "tools/qdhost/demo/animation.h"
#include "tools/qdhost/demo/contact_sheet.h"
#include "tools/qdhost/demo/device_flags.h"
#include "tools/qdhost/demo/gallery_plan.h"
#ifdef QD_HAVE_GIF
#include "tools/qdhost/demo/gif_writer.h"
#endif

namespace qd::qdhost {

namespace {

namespace fs = std::filesystem;
using namespace demo;

constexpr const char* kDemoHelp =
    "usage: qdhost demo [-o DIR] [--scale S] [--smooth]\n"
    "\n"
    "Renders a gallery of the progress controls into DIR (default ./qd-gallery): a PNG of the\n"
    "pie, the bar and the single pie in every fill kind, fill style, label type and label\n"
    "position, the pie at several extents and the bar with each frame; contact-sheet.png with\n"
    "all of them and their captions; and progress.gif, a pie and a bar filling from Min to Max\n"
    "through Value updates (numbered PNG frames when built without giflib).\n"
    "The controls are created by ProgID through the registry, as 'qdhost run' creates them.\n"
    "With --smooth the pictures and the animation are anti-aliased, and the contact sheet of\n"
    "the exact drawing is written beside contact-sheet-smooth.png.\n"
    "\n"
    "options:\n"
    "  -o DIR      the folder to write into\n";

constexpr int kAnimationSteps = 50;
constexpr int kFrameDelayCs = 6;
constexpr int kLastFrameDelayCs = 150;

int usage_error(const std::string& message) {
    std::fprintf(stderr,
                 "qdhost demo: %s\nusage: qdhost demo [-o DIR] [--scale S] [--smooth]\n"
                 "Run 'qdhost demo --help' for details.\n",
                 message.c_str());
    return 2;
}

std::string hresult_text(const host::ContainerError& e) {
    char code[16];
    std::snprintf(code, sizeof code, "0x%08X", static_cast<unsigned>(e.code()));
    return *e.what() ? std::string(e.what()) + " (" + code + ")" : std::string("error ") + code;
}

// Progress: one line a picture, flushed at once so a terminal shows it as it happens.
void progress(int number, int total, const std::string& name) {
    std::printf("rendering %d/%d %s\n", number, total, name.c_str());
    std::fflush(stdout);
}

host::Image render_tile(host::Container& form, const Tile& tile) {
    host::HostedControl& control = form.create("tile", tile.progid, tile.extent);
    for (const Setting& s : tile.settings)
        control.put(s.property, s.value);
    host::Image view = control.view();
    form.remove("tile");
    return view;
}

bool save_png(const fs::path& path, const host::Image& image) {
    std::string error;
    if (write_png(path.string(), image, &error))
        return true;
    std::fprintf(stderr, "qdhost demo: %s\n", error.c_str());
    return false;
}

// The animation as a GIF, or as numbered PNG frames without giflib. Returns the file (or the
// first frame's file) written, empty on failure.
std::string save_animation(const fs::path& dir, const std::vector<host::Image>& frames) {
#ifdef QD_HAVE_GIF
    const fs::path path = dir / "progress.gif";
    std::string error;
    if (!write_gif(path.string(), frames, kFrameDelayCs, kLastFrameDelayCs, &error)) {
        std::fprintf(stderr, "qdhost demo: %s\n", error.c_str());
        return {};
    }
    return path.string();
#else
    for (std::size_t f = 0; f < frames.size(); ++f) {
        std::string number = std::to_string(f);
        if (number.size() < 3)
            number.insert(0, 3 - number.size(), '0');
        if (!save_png(dir / ("progress-" + number + ".png"), frames[f]))
            return {};
    }
    return (dir / "progress-000.png").string();
#endif
}

#ifdef QD_HAVE_GIF
constexpr const char* kAnimationName = "progress.gif";
#else
constexpr const char* kAnimationName = "progress-NNN.png";
#endif

// Every tile's view drawn for `device`, one after another on `form`; a tile that fails is a
// white pixel, and counts in *failures.
std::vector<host::Image> render_tiles(host::Container& form, const std::vector<Tile>& tiles,
                                      int* failures) {
    std::vector<host::Image> views;
    views.reserve(tiles.size());
    for (const Tile& tile : tiles) {
        try {
            views.push_back(render_tile(form, tile));
        } catch (const host::ContainerError& e) {
            std::fprintf(stderr, "qdhost demo: %s: %s\n", tile.file.c_str(),
                         hresult_text(e).c_str());
            form.remove("tile");
            views.emplace_back(1, 1, 0xFFFFFF);
            ++*failures;
        }
    }
    return views;
}

// The demo's command line: the folder to write into and the device flags. Null when the run
// ends here, with its exit status in *status (0 after --help).
struct DemoOptions {
    fs::path dir = "qd-gallery";
    host::DeviceOptions device;
};

bool parse_options(const std::vector<std::string>& all_args, DemoOptions* options, int* status) {
    for (const std::string& a : all_args) {
        if (a == "--help" || a == "-h") {
            std::fputs(kDemoHelp, stdout);
            std::fputs(kDeviceFlagsHelp, stdout);
            *status = 0;
            return false;
        }
    }
    std::vector<std::string> args;
    std::string flag_error;
    if (!take_device_flags(all_args, &args, &options->device, &flag_error)) {
        *status = usage_error(flag_error);
        return false;
    }
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "-o" || args[i] == "--output") {
            if (i + 1 == args.size()) {
                *status = usage_error("missing DIR after " + args[i]);
                return false;
            }
            options->dir = args[++i];
        } else {
            *status = usage_error("unexpected argument '" + args[i] + "'");
            return false;
        }
    }
    return true;
}

// Every class must be registered before anything is drawn; say so once, not per tile.
bool classes_registered() {
    for (const char* progid : {kPieProgId, kBarProgId, kSinglePieProgId}) {
        try {
            host::design_extent(progid);
        } catch (const host::ContainerError& e) {
            std::fprintf(stderr,
                         "qdhost demo: %s\nRegister the build's modules with 'qdhost register "
                         "LIB', or name a registry with QD_REGISTRY.\n",
                         e.what());
            return false;
        }
    }
    return true;
}

bool make_folder(const fs::path& dir) {
    std::error_code ec;
    fs::create_directories(dir, ec);
    if (ec || !fs::is_directory(dir)) {
        std::fprintf(stderr, "qdhost demo: cannot create the folder %s: %s\n", dir.string().c_str(),
                     ec ? ec.message().c_str() : "not a folder");
        return false;
    }
    return true;
}

// What the run wrote, for the closing lines; failures counts the pictures that were not.
struct Written {
    int tiles = 0;
    bool sheet = false;
    bool smooth_sheet = false;
    std::string animation;
    int failures = 0;
};

// The tiles, each in its own file, then the contact sheet (and with --smooth the smooth one
// beside the exact one, at the same scale).
void write_tiles_and_sheets(const DemoOptions& options, host::Container& form,
                            const std::vector<Tile>& tiles, int total, Written* out) {
    host::PrintingSink quiet([](std::string_view) {});
    const bool smooth = options.device.smooth;
    // With --smooth the exact sheet is drawn first, so that its random fills are the ones a
    // plain demo draws.
    std::vector<host::Image> exact_views;
    if (smooth) {
        host::Container exact(quiet, host::DeviceOptions{options.device.scale, false});
        exact_views = render_tiles(exact, tiles, &out->failures);
    }
    const std::vector<host::Image> views = render_tiles(form, tiles, &out->failures);
    for (std::size_t i = 0; i < tiles.size(); ++i) {
        progress(static_cast<int>(i) + 1, total, tiles[i].file);
        if (!save_png(options.dir / tiles[i].file, views[i]))
            ++out->failures;
    }
    out->tiles = static_cast<int>(tiles.size()) - out->failures;
    progress(total - 1, total, "contact-sheet.png");
    out->sheet = save_png(options.dir / "contact-sheet.png",
                          contact_sheet(tiles, smooth ? exact_views : views));
    out->smooth_sheet =
        smooth && save_png(options.dir / "contact-sheet-smooth.png", contact_sheet(tiles, views));
    if (smooth && !out->smooth_sheet)
        ++out->failures;
    if (!out->sheet)
        ++out->failures;
}

// Only what was written is announced.
void announce(const fs::path& dir, const Written& written, int total) {
    const fs::path where = fs::absolute(dir).lexically_normal();
    if (written.tiles > 0)
        std::printf("gallery: %s (%d pictures)\n", where.string().c_str(), written.tiles);
    if (written.sheet)
        std::printf("contact sheet: %s\n", (where / "contact-sheet.png").string().c_str());
    if (written.smooth_sheet)
        std::printf("smooth contact sheet: %s\n",
                    (where / "contact-sheet-smooth.png").string().c_str());
    if (!written.animation.empty())
        std::printf("animation: %s\n",
                    fs::absolute(written.animation).lexically_normal().string().c_str());
    if (written.failures > 0)
        std::fprintf(stderr, "qdhost demo: %d of %d pictures failed\n", written.failures, total);
}

}  // namespace

int demo_command(const std::vector<std::string>& all_args) {
    DemoOptions options;
    int status = 0;
    if (!parse_options(all_args, &options, &status))
        return status;
    if (!classes_registered() || !make_folder(options.dir))
        return 2;
    const std::vector<Tile> tiles = gallery_tiles();
    const int total = static_cast<int>(tiles.size()) + 2;
    host::PrintingSink quiet([](std::string_view) {});
    host::Container form(quiet, options.device);
    Written written;
    write_tiles_and_sheets(options, form, tiles, total, &written);

    progress(total, total, kAnimationName);
    try {
        written.animation = save_animation(options.dir, progress_frames(form, kAnimationSteps));
    } catch (const host::ContainerError& e) {
        std::fprintf(stderr, "qdhost demo: %s: %s\n", kAnimationName, hresult_text(e).c_str());
    }
    if (written.animation.empty())
        ++written.failures;
    announce(options.dir, written, total);
    return written.failures > 0 ? 1 : 0;
}

}  // namespace qd::qdhost
