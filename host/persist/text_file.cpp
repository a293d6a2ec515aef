#include "host/persist/text_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "host/limits.h"

namespace qd::host {

namespace {

// Closes the descriptor on every path out.
struct Descriptor {
    int fd;
    ~Descriptor() {
        if (fd >= 0)
            ::close(fd);
    }
};

}  // namespace

std::string read_text_file(const std::string& path) {
    // Non-blocking, so that a FIFO with no writer cannot hold the open; it is refused below.
    const Descriptor file{::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC)};
    if (file.fd < 0)
        throw TextFileError(std::string("cannot open: ") + std::strerror(errno));
    struct stat st {};
    if (::fstat(file.fd, &st) != 0)
        throw TextFileError(std::string("cannot read: ") + std::strerror(errno));
    if (!S_ISREG(st.st_mode))
        throw TextFileError(std::string("is ") + file_kind(st.st_mode) + ", not a regular file");
    if (st.st_size > kMaxFileBytes.value)
        throw TextFileError(over_limit(kMaxFileBytes, st.st_size));
    std::string text;
    char buffer[65536];
    for (;;) {
        const ssize_t n = ::read(file.fd, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            throw TextFileError(std::string("cannot read: ") + std::strerror(errno));
        if (n == 0)
            break;
        // The file may grow while it is read.
        if (text.size() + static_cast<std::size_t>(n) >
            static_cast<std::size_t>(kMaxFileBytes.value))
            throw TextFileError(over_limit(kMaxFileBytes, "(growing while read)"));
        text.append(buffer, static_cast<std::size_t>(n));
    }
    return text;
}

std::string located_message(const std::string& file, int line, const std::string& control,
                            const std::string& key, const std::string& reason) {
    // Appended piece by piece: GCC 12 sees a false overlap in chains of operator+ at -O3.
    std::string text = file;
    if (line > 0)
        text.append(":").append(std::to_string(line));
    text.append(": ");
    if (!control.empty())
        text.append("control ").append(control).append(": ");
    if (!key.empty())
        text.append("key '").append(key).append("': ");
    return text.append(reason);
}

LocatedError::LocatedError(std::string file, int line, const std::string& control, std::string key,
                           const std::string& reason)
    : std::runtime_error(located_message(file, line, control, key, reason)),
      file_(std::move(file)),
      line_(line),
      key_(std::move(key)) {}

void append_printable(std::string& out, char c) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    const auto u = static_cast<unsigned char>(c);
    if (u < 0x20 || u == 0x7F) {
        out += "\\x";
        out += kHex[u >> 4];
        out += kHex[u & 15];
    } else {
        out += c;
    }
}

std::string printable(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (const char c : text)
        append_printable(out, c);
    return out;
}

}  // namespace qd::host
