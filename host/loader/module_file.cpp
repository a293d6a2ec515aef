#include "host/loader/module_file.h"

#include <elf.h>
#include <fcntl.h>
#include <link.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <cstring>
#include <vector>

#include "host/file_kind.h"
#include "host/loader/library.h"

namespace qd::host {

namespace {

using Header = ElfW(Ehdr);
using ProgramHeader = ElfW(Phdr);

struct Descriptor {
    int fd;
    ~Descriptor() {
        if (fd >= 0)
            ::close(fd);
    }
};

[[noreturn]] void refuse(const std::string& path, const std::string& why) {
    throw LoaderError("cannot load " + path + ": " + why);
}

bool read_at(int fd, void* out, std::size_t size, std::uint64_t offset) {
    auto* bytes = static_cast<char*>(out);
    while (size > 0) {
        const ssize_t n = ::pread(fd, bytes, size, static_cast<off_t>(offset));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        bytes += n;
        size -= static_cast<std::size_t>(n);
        offset += static_cast<std::uint64_t>(n);
    }
    return true;
}

// Whether [offset, offset + size) lies within a file of `file_size` bytes, without overflow.
bool within(std::uint64_t offset, std::uint64_t size, std::uint64_t file_size) {
    return offset <= file_size && size <= file_size - offset;
}

void check_header(const std::string& path, const Header& h, std::uint64_t size) {
    if (std::memcmp(h.e_ident, ELFMAG, SELFMAG) != 0)
        refuse(path, "not an ELF file (no ELF signature)");
    const unsigned char own_class = sizeof(void*) == 8 ? ELFCLASS64 : ELFCLASS32;
    if (h.e_ident[EI_CLASS] != own_class)
        refuse(path, "an ELF file of the other word size");
    if (h.e_type != ET_DYN)
        refuse(path, "not a shared object (ELF type " + std::to_string(h.e_type) + ")");
    if (h.e_phentsize != sizeof(ProgramHeader) || h.e_phnum == 0)
        refuse(path, "an ELF file without usable program headers");
    if (!within(h.e_phoff, std::uint64_t{h.e_phnum} * sizeof(ProgramHeader), size))
        refuse(path, "truncated: its program headers lie past its end (" + std::to_string(size) +
                         " bytes)");
}

}  // namespace

void check_module_file(const std::string& path) {
    // Non-blocking: a FIFO must not hold the open; it is refused below.
    const Descriptor file{::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC)};
    if (file.fd < 0)
        refuse(path, std::strerror(errno));
    struct stat st {};
    if (::fstat(file.fd, &st) != 0)
        refuse(path, std::strerror(errno));
    if (!S_ISREG(st.st_mode))
        refuse(path, std::string("is ") + file_kind(st.st_mode) + ", not a module file");
    const auto size = static_cast<std::uint64_t>(st.st_size);
    Header header{};
    if (size < sizeof header || !read_at(file.fd, &header, sizeof header, 0))
        refuse(path, size == 0 ? "an empty file, not a module" : "too short for an ELF header");
    check_header(path, header, size);
    std::vector<ProgramHeader> segments(header.e_phnum);
    if (!read_at(file.fd, segments.data(), segments.size() * sizeof(ProgramHeader), header.e_phoff))
        refuse(path, "cannot read its program headers");
    for (const ProgramHeader& p : segments)
        if (p.p_type == PT_LOAD && !within(p.p_offset, p.p_filesz, size))
            refuse(path, "truncated: a segment ends at byte " +
                             std::to_string(p.p_offset + p.p_filesz) + " of a file of " +
                             std::to_string(size) + " bytes");
}

}  // namespace qd::host
