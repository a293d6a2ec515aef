#include "tools/qddesigner/export_png.h"

#include <QTemporaryDir>

#include "host/container/form_host.h"
#include "host/container/picture_file.h"
#include "host/trace/printing_sink.h"

namespace qd::designer {

void export_form_png(const DesignForm& form, const std::string& png,
                     const host::DeviceOptions& device, std::vector<std::string>* problems) {
    QTemporaryDir scratch;
    if (!scratch.isValid())
        throw host::FileWriteError("no scratch folder for the form: " +
                                   scratch.errorString().toStdString());
    const std::string saved = scratch.filePath("form.qdf").toStdString();
    write_design_form(saved, form);

    host::PrintingSink silent([](std::string_view) {});
    host::Container container(silent, device);
    std::vector<host::FormFileError> errors;
    const host::FormLayout layout = host::open_form(container, saved, &errors);
    // The messages name the form, not the scratch file it was drawn from.
    for (const host::FormFileError& e : errors) {
        std::string message = e.what();
        if (message.starts_with(saved))
            message.replace(0, saved.size(), "the form");
        problems->push_back(message);
    }
    host::save_png(png, host::render_form(container, layout));
}

}  // namespace qd::designer
