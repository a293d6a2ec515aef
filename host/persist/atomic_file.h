// Replacing a file so that readers and crashes see either the old content or the new, whole.
#pragma once

#include <functional>
#include <stdexcept>
#include <string>
#include <string_view>

namespace qd::host {

// A file that cannot be written or replaced; the message names the file and the reason.
class FileWriteError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// Writes `bytes` to an open descriptor; returns false (with errno set) when it cannot.
using WriteBytes = std::function<bool(int fd, std::string_view bytes)>;

// The plain write loop, retrying short writes.
bool write_all(int fd, std::string_view bytes);

// Writes `content` to a temporary file in the folder of `path`, syncs it, renames it over
// `path` and syncs the folder. On any failure the temporary file is removed, `path` keeps its
// old content, and FileWriteError is thrown. `write` stands in for the write step (tests use it
// to make the write fail part-way).
//
// A symbolic link is written through: the file it leads to is replaced and the link stays. An
// existing file keeps its mode and owner (a save that cannot keep the owner fails); a new file
// gets 0666 less the umask. Temporary files that an interrupted save left in the folder (their
// process is gone) are removed first.
void write_file_atomically(const std::string& path, std::string_view content,
                           const WriteBytes& write = write_all);

}  // namespace qd::host
