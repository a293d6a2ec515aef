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

// "FILE:LINE: control NAME: key 'KEY': REASON", each part only when it is given (a line
// above 0, a control or key that is not empty): where a damaged file's error is.
std::string located_message(const std::string& file, int line, const std::string& control,
                            const std::string& key, const std::string& reason);

// An error at a place in a file: what() is located_message's text; the file, the line (1-based,
// 0 for the file as a whole) and the key (empty when the line has none) are kept.
class LocatedError : public std::runtime_error {
  public:
    LocatedError(std::string file, int line, const std::string& control, std::string key,
                 const std::string& reason);
    const std::string& file() const { return file_; }
    int line() const { return line_; }
    const std::string& key() const { return key_; }

  private:
    std::string file_;
    int line_;
    std::string key_;
};

// Appends `c` to `out`, a control byte as \xHH: printable's step for one byte.
void append_printable(std::string& out, char c);

}  // namespace qd::host
