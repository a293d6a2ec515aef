// Export PNG: the form drawn exactly as `qdhost render` draws its saved file. The form's text
// is written to a scratch file and opened, drawn and encoded by the host's own form code, so
// the picture cannot drift from what the command line makes of the same form.
#pragma once

#include <string>
#include <vector>

#include <qdprogress/device.h>

#include "tools/qddesigner/design_form.h"

namespace qd::designer {

// Writes the picture of `form` to `png` (atomically). Problems loading a control (as `qdhost
// render` prints them) go to `problems`; throws std::runtime_error (a host error) when the
// form cannot be written, drawn or saved.
void export_form_png(const DesignForm& form, const std::string& png,
                     const host::DeviceOptions& device, std::vector<std::string>* problems);

}  // namespace qd::designer
