// Reading a whole input file (form, property file, script) with the checks every reader needs:
// only a regular file is read (a folder, FIFO or device is refused before a byte is read, and
// opening never blocks), and never more than the file-size limit.
#pragma once

#include <stdexcept>
#include <string>
#include <string_view>

#include "host/file_kind.h"

namespace qd::host {

// A file that cannot be read as text; what() is the reason alone, without the file's name
// ("is a folder", "cannot open: No such file or directory", ...).
class TextFileError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// The whole content of the regular file at `path`; throws TextFileError.
std::string read_text_file(const std::string& path);

// `text` with its control bytes (below 0x20, and 0x7F) written as \xHH, so that a message
// shows every byte and no NUL can cut it short nor an escape move the terminal.
std::string printable(std::string_view text);

}  // namespace qd::host
