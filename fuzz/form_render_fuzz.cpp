// Any bytes given to qdhost render: the form reader, the controls it loads and the compositor
// behind them, with hostile positions and extents. Whatever the input, the run ends in a
// picture within the pixel limit or in a reported error, never in a crash, an overflow or a
// picture past the limits.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#include "host/container/form_host.h"
#include "host/trace/printing_sink.h"
#include "host/limits.h"
#include "host/loader/loader.h"

using namespace qd::host;

namespace {

std::string g_form_path;

}  // namespace

// The controls' module is registered in a registry of the run's own.
extern "C" int LLVMFuzzerInitialize(int*, char***) {
    const std::string folder = "/tmp/qd-form-render-fuzz-" + std::to_string(::getpid());
    std::system(("mkdir -p " + folder).c_str());
    ::setenv("QD_REGISTRY", (folder + "/registry").c_str(), 1);
    register_library(QD_MODULE_PATH);
    g_form_path = folder + "/input.qdf";
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::ofstream(g_form_path, std::ios::binary | std::ios::trunc)
        .write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    PrintingSink silent([](std::string_view) {});
    Container container(silent);
    std::vector<FormFileError> errors;
    try {
        const FormLayout layout = open_form(container, g_form_path, &errors);
        const Image picture = render_form(container, layout);
        if (static_cast<std::int64_t>(picture.width) * picture.height > kMaxPicturePixels.value)
            std::abort();  // a picture past the limit was made
    } catch (const FormFileError&) {
        // not a form at all: refused whole
    } catch (const ContainerError&) {
        // a form picture past the pixel limit: refused, nothing drawn
    }
    return 0;
}
