// Property files: a control's stored properties as human-readable text.
//
//   # qdProgressControls.qdProgressPie
//   Min = float32 0
//   BorderShow = bool true
//   LabelSize = int16 12
//
// One `Key = Value` line per key in write order, the value in its typed form
// (property_value.h); `#` starts a comment line; blank lines are ignored. A key is a non-empty
// run of characters without blanks, '=' or a leading '#'. Saving replaces the file atomically.
#pragma once

#include <cstddef>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "host/persist/atomic_file.h"
#include "host/persist/text_file.h"
#include "platform/variant.h"

namespace qd::host {

struct Property {
    std::string key;
    Variant value;
    // Written by hand without a type word: `value` is what the text reads as
    // (parse_untyped_value), still to be converted to the type the property declares.
    bool untyped = false;
    int line = 0;  // the line it was read from; 0 when not read from a file
};
using PropertyList = std::vector<Property>;

// A property file that cannot be read; what() reads "FILE:LINE: key 'KEY': REASON" (without the
// key part when the line has no readable key, and without a line for a file that cannot be
// opened).
class PropertyFileError : public LocatedError {
  public:
    PropertyFileError(std::string file, int line, std::string key, const std::string& reason);
    const std::string& reason() const { return reason_; }

  private:
    std::string reason_;
};

// The limits (host/limits.h) every reader of these lines applies; each throws
// PropertyValueError naming the limit: a line over the line-length limit, or one more key in a
// section that already holds `keys_so_far` keys, the most it may.
void check_line_length(std::string_view line);
void check_key_count(std::size_t keys_so_far);

// Whether `key` can stand before '=' in a property line.
bool is_storable_key(std::string_view key);

// One trimmed `Key = Type Value` line, or `Key = Value` without a type (then `untyped`).
// `*key` is set as soon as the key is read, so an error about the value can name it. Throws
// PropertyValueError.
Property parse_property_line(std::string_view line, std::string* key);

// The file's text. `comment`, when not empty, becomes a leading '#' line. Throws
// PropertyValueError for a key that cannot be written or a value without a typed form.
std::string format_property_file(const PropertyList& properties, std::string_view comment = {});

// Reads the text of file `file` (used only in messages). Without `errors` the first damaged
// line throws PropertyFileError; with it, each damaged line is recorded there and skipped, and
// the good lines are returned. A key given twice (in any letter case) is a damaged line, and so
// is a line over the line-length limit; keys past the keys-per-section limit are refused with
// one report.
PropertyList parse_property_file(std::string_view text, const std::string& file,
                                 std::vector<PropertyFileError>* errors = nullptr);

// Reads and parses the file at `path`; throws PropertyFileError (also when it cannot be read:
// a folder, FIFO or device, or a file over the file-size limit).
PropertyList load_property_file(const std::string& path);

// Formats and writes the file atomically; throws PropertyValueError or FileWriteError, and the
// old file is then unchanged.
void save_property_file(const std::string& path, const PropertyList& properties,
                        std::string_view comment = {}, const WriteBytes& write = write_all);

}  // namespace qd::host
