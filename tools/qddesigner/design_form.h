// A form as the designer holds it: each control's name, class, place and extent in twips and
// its stored properties in the property-file text, plus the comment lines at the top of the
// file, so that opening a form and saving it again gives the same bytes.
//
//   DesignForm form = read_design_form("dashboard.qdf");   // form.problems lists bad lines
//   write_design_form("copy.qdf", form);
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "host/persist/form_file.h"

namespace qd::designer {

// A place and extent in twips, as a form file stores them.
struct TwipsRect {
    float left = 0, top = 0, width = 0, height = 0;
    friend bool operator==(const TwipsRect&, const TwipsRect&) = default;
};

struct DesignControl {
    std::string name;
    std::string progid;
    TwipsRect place;
    std::string stored;  // the control's stored properties, property-file text
    friend bool operator==(const DesignControl&, const DesignControl&) = default;
};

struct DesignForm {
    std::string header = "# qdhost form\n";  // the comment lines before the first section
    std::optional<host::FormExtent> extent;
    std::vector<DesignControl> controls;
};

// Reads the form file at `path`. Every damaged line (and every hand-written untyped value that
// does not convert to the property's declared type) is appended to `problems` as
// "FILE:LINE: ..." and skipped; the good controls are returned. Throws host::FormFileError
// when the file cannot be read or is no form.
DesignForm read_design_form(const std::string& path, std::vector<std::string>* problems);

// The form's text: its header, then the sections as the host's form writer writes them.
// Throws host::PropertyValueError or host::PropertyFileError for a control that cannot be
// written.
std::string design_form_text(const DesignForm& form);

// Writes design_form_text atomically; on failure (host::FileWriteError and the above) the old
// file is unchanged.
void write_design_form(const std::string& path, const DesignForm& form);

// The host form of the design form, properties parsed from their stored text.
host::Form host_form(const DesignForm& form);

}  // namespace qd::designer
