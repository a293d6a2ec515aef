// What kind of file a stat mode describes, for the messages of every reader that takes only
// regular files (forms, property files, scripts, modules).
#pragma once

#include <sys/stat.h>

namespace qd::host {

// "a regular file", "a folder", "a FIFO", ...
inline const char* file_kind(unsigned mode) {
    switch (mode & S_IFMT) {
        case S_IFREG:
            return "a regular file";
        case S_IFDIR:
            return "a folder";
        case S_IFIFO:
            return "a FIFO";
        case S_IFCHR:
            return "a character device";
        case S_IFBLK:
            return "a block device";
        case S_IFSOCK:
            return "a socket";
        default:
            return "not a regular file";
    }
}

}  // namespace qd::host
