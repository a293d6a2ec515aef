// Form files: several controls with their class, name, place on the form and stored
// properties, as human-readable text in the property-file form (property_file.h).
//
//   # qdhost form
//   [form 6000 3000]
//   [control pie qdProgressControls.qdProgressPie 120 120 1500 1500]
//   Value = float32 40
//   [control bar qdProgressControls.qdProgressBar 1800 120 3600 450]
//   Max = float32 200
//
// `[form WIDTH HEIGHT]` (optional, before the first control) is the form's extent; each
// `[control NAME PROGID LEFT TOP WIDTH HEIGHT]` section starts a control, placed and sized in
// twips, and the `Key = Type Value` lines after it are its stored properties in read order.
// Saving replaces the file atomically.
#pragma once

#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "host/persist/property_file.h"

namespace qd::host {

struct FormControl {
    std::string name;
    std::string progid;
    float left = 0, top = 0, width = 0, height = 0;  // twips
    PropertyList properties;
    int line = 0;  // the line of its section header; 0 for a control not read from a file
    std::vector<int> property_lines;  // the line of each property, when read from a file
};

struct FormExtent {
    float width, height;  // twips
};

struct Form {
    std::optional<FormExtent> extent;
    std::vector<FormControl> controls;
};

// A damaged form file line, or a control of it that failed to load; what() reads
// "FILE:LINE: control NAME: key 'KEY': REASON", leaving out the parts that are not known.
class FormFileError : public LocatedError {
  public:
    FormFileError(std::string file, int line, std::string control, std::string key,
                  const std::string& reason);
    const std::string& control() const { return control_; }

  private:
    std::string control_;
};

// The form's text; throws PropertyValueError for a name, class or key that cannot be written or
// a value without a typed form.
std::string format_form(const Form& form);

// Reads the form text of file `file` (used only in messages). Every damaged line is recorded in
// `errors` and skipped: a damaged property line loses that key only; a damaged section header
// loses that control and the lines up to the next header; lines outside any control, keys
// repeated in any letter case and values past a limit (host/limits.h) are damaged lines too.
// The rest is returned.
Form parse_form(std::string_view text, const std::string& file, std::vector<FormFileError>* errors);

// Reads and parses the file at `path`. Throws FormFileError (line 0) when it cannot be read at
// all, or is no form: a folder, FIFO or device, a file over the size limit, or a file with no
// '[form ...]' or '[control ...]' section (binary, empty, other text).
Form load_form_file(const std::string& path, std::vector<FormFileError>* errors);

// Formats and writes the form atomically; throws PropertyValueError or FileWriteError, and the
// old file is then unchanged.
void save_form_file(const std::string& path, const Form& form, const WriteBytes& write = write_all);

}  // namespace qd::host
