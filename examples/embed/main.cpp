// Embeds a progress pie and a progress bar in a host program, drives both through a long task,
// one Value update per step, and writes the finished form as a PNG, and as a form file beside it
// (OUTPUT.qdf) that `qdhost render` draws again.
//
//   embed_progress [OUTPUT.png] [--registry]
//
// The controls come straight from the installed module; with --registry they are created by
// ProgID instead, through the registry that `qdhost register` filled.
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>

#include <qdprogress/qdprogress.h>

namespace {

constexpr int kSteps = 20;

std::string class_of(bool by_registry, const char* name) {
    if (by_registry)
        return std::string("qdProgressControls.") + name;
    return qd::embed::module_class(QD_CONTROLS_MODULE, name);
}

// Drives both controls from Min to Max, one Value update per step: the pie late-bound by name,
// the bar through its dual interface. False (after saying why) when the bar refuses a value.
bool drive(qd::embed::HostedControl& pie, qd::embed::HostedControl& bar,
           qd::progress::_qdProgressBar& bar_dual) {
    for (int step = 1; step <= kSteps; ++step) {
        pie.put("Value", step);
        if (const qd::HRESULT hr = bar_dual.put_Value(static_cast<float>(step)); qd::failed(hr)) {
            std::fprintf(stderr, "embed_progress: bar refused Value %d (0x%08X)\n", step,
                         static_cast<unsigned>(hr));
            return false;
        }
        std::printf("step %d/%d: pie shows \"%s\", bar shows \"%s\"\n", step, kSteps,
                    pie.label().caption.c_str(), bar.label().caption.c_str());
    }
    return true;
}

// The form as a PNG at `output` and as a form file beside it. False (after saying why) when
// the picture cannot be written; a failing save raises.
bool write_outputs(qd::embed::EmbeddedForm& form, const std::string& output) {
    std::string error;
    if (!form.render_png(output, &error)) {
        std::fprintf(stderr, "embed_progress: %s\n", error.c_str());
        return false;
    }
    std::printf("wrote %s\n", output.c_str());

    const std::string form_file = std::filesystem::path(output).replace_extension(".qdf");
    form.save(form_file);
    std::printf("wrote %s\n", form_file.c_str());
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    std::string output = "progress.png";
    bool by_registry = false;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--registry") == 0)
            by_registry = true;
        else
            output = argv[i];
    }

    try {
        qd::embed::EmbeddedForm form;
        // A 2000-twip pie on the left, a 4000 x 600 twip bar beside it (15 twips a pixel).
        qd::embed::HostedControl& pie =
            form.add("pie", class_of(by_registry, "qdProgressPie"), 120, 120, {{2000, 2000}});
        qd::embed::HostedControl& bar =
            form.add("bar", class_of(by_registry, "qdProgressBar"), 2400, 820, {{4000, 600}});

        // Late-bound, by name, as any host may do it...
        pie.put("Max", kSteps);
        pie.put("LabelType", qd::progress::pPercent);
        pie.put("FillType", qd::progress::p3ColorGradient);
        bar.put("Max", kSteps);
        bar.put("LabelType", qd::progress::pFraction);

        // ...or through the dual interface that a C++ client compiles against.
        const auto bar_dual =
            qd::ComPtr<qd::IDispatch>(bar.dispatch()).query<qd::progress::_qdProgressBar>();
        if (!bar_dual) {
            std::fprintf(stderr, "embed_progress: the bar has no _qdProgressBar interface\n");
            return 1;
        }
        return drive(pie, bar, *bar_dual.get()) && write_outputs(form, output) ? 0 : 1;
    } catch (const qd::embed::ContainerError& e) {
        std::fprintf(stderr, "embed_progress: %s (0x%08X)\n", e.what(),
                     static_cast<unsigned>(e.code()));
    }
    return 1;
}
