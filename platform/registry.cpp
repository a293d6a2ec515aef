#include "platform/registry.h"

#include "foundation/ascii.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cctype>
#include <cerrno>
#include <charconv>
#include <cstdlib>
#include <cstring>
#include <set>

namespace qd {

namespace {

[[noreturn]] void fail(const std::string& what) {
    throw RegistryError("registry: " + what);
}

[[noreturn]] void fail_errno(const std::string& what, const std::string& path) {
    fail(what + " " + path + ": " + std::strerror(errno));
}

bool is_blank(char c) {
    return c == ' ' || c == '\t';
}

// Splits off the next blank-separated word of `rest`.
std::string_view next_word(std::string_view& rest) {
    std::size_t i = 0;
    while (i < rest.size() && is_blank(rest[i]))
        ++i;
    std::size_t j = i;
    while (j < rest.size() && !is_blank(rest[j]))
        ++j;
    const std::string_view word = rest.substr(i, j - i);
    rest.remove_prefix(j);
    return word;
}

bool is_identifier(std::string_view s) {
    if (s.empty() || std::isdigit(static_cast<unsigned char>(s[0])))
        return false;
    for (char c : s)
        if (!std::isalnum(static_cast<unsigned char>(c)) && c != '_')
            return false;
    return true;
}

// LIBRARY.CLASS, both parts identifiers.
bool is_progid(std::string_view s) {
    const std::size_t dot = s.find('.');
    return dot != std::string_view::npos && is_identifier(s.substr(0, dot)) &&
           is_identifier(s.substr(dot + 1));
}

bool parse_u16(std::string_view s, std::uint16_t* out) {
    if (s.empty())
        return false;
    const auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), *out);
    return ec == std::errc() && end == s.data() + s.size();
}

bool parse_version(std::string_view s, std::uint16_t* major, std::uint16_t* minor) {
    const std::size_t dot = s.find('.');
    return dot != std::string_view::npos && parse_u16(s.substr(0, dot), major) &&
           parse_u16(s.substr(dot + 1), minor);
}

RegistryEntry parse_line(std::string_view line, const std::string& where) {
    std::string_view rest = line;
    const std::string_view kind = next_word(rest);
    RegistryEntry e;
    if (kind == "class")
        e.kind = RegistryEntry::Kind::Class;
    else if (kind == "typelib")
        e.kind = RegistryEntry::Kind::TypeLib;
    else
        fail(where + ": unknown entry kind '" + std::string(kind) + "'");

    const std::string_view guid = next_word(rest);
    if (!guid_from_string(std::string(guid), &e.guid))
        fail(where + ": '" + std::string(guid) + "' is not an identifier {XXXXXXXX-...}");

    if (e.kind == RegistryEntry::Kind::TypeLib) {
        const std::string_view version = next_word(rest);
        if (!parse_version(version, &e.major_version, &e.minor_version))
            fail(where + ": '" + std::string(version) + "' is not a version MAJOR.MINOR");
        const std::string_view name = next_word(rest);
        if (!is_identifier(name))
            fail(where + ": '" + std::string(name) + "' is not a library name");
        e.name = name;
    } else {
        const std::string_view progid = next_word(rest);
        if (!is_progid(progid))
            fail(where + ": '" + std::string(progid) + "' is not a name LIBRARY.CLASS");
        e.name = progid;
    }

    const std::string_view path = trim_ascii(rest, " \t");
    if (path.empty())
        fail(where + ": missing module path");
    if (path.front() != '/')
        fail(where + ": module path '" + std::string(path) + "' is not absolute");
    e.path = path;
    return e;
}

void mkdirs(const std::string& dir) {
    if (dir.empty())
        return;
    struct stat st;
    if (::stat(dir.c_str(), &st) == 0)
        return;
    const std::size_t slash = dir.find_last_of('/');
    if (slash != std::string::npos && slash > 0)
        mkdirs(dir.substr(0, slash));
    if (::mkdir(dir.c_str(), 0755) != 0 && errno != EEXIST)
        fail_errno("cannot create folder", dir);
}

std::string folder_of(const std::string& path) {
    const std::size_t slash = path.find_last_of('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

// An open descriptor, closed on every path out.
class Fd {
  public:
    explicit Fd(int fd) : fd_(fd) {}
    Fd(const Fd&) = delete;
    Fd& operator=(const Fd&) = delete;
    ~Fd() {
        if (fd_ >= 0)
            ::close(fd_);
    }
    int get() const { return fd_; }
    int release() {
        const int fd = fd_;
        fd_ = -1;
        return fd;
    }

  private:
    int fd_;
};

// The whole file, or nullopt when it does not exist.
std::optional<std::string> read_file(const std::string& path) {
    Fd fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
    if (fd.get() < 0) {
        if (errno == ENOENT)
            return std::nullopt;
        fail_errno("cannot open", path);
    }
    std::string text;
    char buf[8192];
    for (;;) {
        const ssize_t n = ::read(fd.get(), buf, sizeof buf);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            fail_errno("cannot read", path);
        }
        if (n == 0)
            break;
        text.append(buf, static_cast<std::size_t>(n));
    }
    return text;
}

void write_all(int fd, std::string_view data, const std::string& path) {
    while (!data.empty()) {
        const ssize_t n = ::write(fd, data.data(), data.size());
        if (n < 0) {
            if (errno == EINTR)
                continue;
            fail_errno("cannot write", path);
        }
        data.remove_prefix(static_cast<std::size_t>(n));
    }
}

// Writes `text` to a temporary file beside `path`, syncs it and renames it over `path`.
void replace_file(const std::string& path, const std::string& text) {
    std::string tmp = path + ".tmpXXXXXX";
    Fd fd(::mkstemp(tmp.data()));
    if (fd.get() < 0)
        fail_errno("cannot create a temporary file beside", path);
    try {
        ::fchmod(fd.get(), 0644);
        write_all(fd.get(), text, tmp);
        if (::fsync(fd.get()) != 0)
            fail_errno("cannot sync", tmp);
        if (::close(fd.release()) != 0)
            fail_errno("cannot close", tmp);
        if (::rename(tmp.c_str(), path.c_str()) != 0)
            fail_errno("cannot replace", path);
    } catch (...) {
        ::unlink(tmp.c_str());
        throw;
    }
    // Make the rename itself durable.
    Fd dir(::open(folder_of(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (dir.get() >= 0)
        ::fsync(dir.get());
}

}  // namespace

std::string registry_default_path() {
    if (const char* p = std::getenv("QD_REGISTRY"); p && *p)
        return p;
    if (const char* xdg = std::getenv("XDG_CONFIG_HOME"); xdg && *xdg)
        return std::string(xdg) + "/qd/registry";
    const char* home = std::getenv("HOME");
    if (!home || !*home)
        fail("neither QD_REGISTRY, XDG_CONFIG_HOME nor HOME is set");
    return std::string(home) + "/.config/qd/registry";
}

std::vector<RegistryEntry> parse_registry(std::string_view text, const std::string& file) {
    std::vector<RegistryEntry> entries;
    std::set<std::string> clsids, progids, libids;
    std::size_t line_no = 0;
    while (!text.empty()) {
        ++line_no;
        const std::size_t nl = text.find('\n');
        std::string_view line = text.substr(0, nl);
        text.remove_prefix(nl == std::string_view::npos ? text.size() : nl + 1);
        const std::string where = file + ":" + std::to_string(line_no);
        if (line.find('\0') != std::string_view::npos || line.find('\r') != std::string_view::npos)
            fail(where + ": control character in line");
        const std::string_view content = trim_ascii(line, " \t");
        if (content.empty() || content.front() == '#')
            continue;
        RegistryEntry e = parse_line(content, where);
        const std::string guid = guid_to_string(e.guid);
        if (e.kind == RegistryEntry::Kind::Class) {
            if (!clsids.insert(guid).second)
                fail(where + ": class " + guid + " listed twice");
            if (!progids.insert(lower_ascii(e.name)).second)
                fail(where + ": class name " + e.name + " listed twice");
        } else if (!libids.insert(guid).second) {
            fail(where + ": type library " + guid + " listed twice");
        }
        entries.push_back(std::move(e));
    }
    return entries;
}

std::string format_registry(const std::vector<RegistryEntry>& entries) {
    std::string out = "# qd component registry: class and type-library registrations\n";
    for (const RegistryEntry& e : entries) {
        if (e.kind == RegistryEntry::Kind::Class) {
            out += "class " + guid_to_string(e.guid) + " " + e.name + " " + e.path + "\n";
        } else {
            out += "typelib " + guid_to_string(e.guid) + " " + std::to_string(e.major_version) +
                   "." + std::to_string(e.minor_version) + " " + e.name + " " + e.path + "\n";
        }
    }
    return out;
}

Registry::Registry(std::string path)
    : path_(path.empty() ? registry_default_path() : std::move(path)) {}

std::vector<RegistryEntry> Registry::read() const {
    const std::optional<std::string> text = read_file(path_);
    return text ? parse_registry(*text, path_) : std::vector<RegistryEntry>{};
}

void Registry::update(const std::function<void(std::vector<RegistryEntry>&)>& edit) const {
    mkdirs(folder_of(path_));
    const std::string lock_path = path_ + ".lock";
    Fd lock(::open(lock_path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644));
    if (lock.get() < 0)
        fail_errno("cannot open lock file", lock_path);
    while (::flock(lock.get(), LOCK_EX) != 0) {
        if (errno != EINTR)
            fail_errno("cannot lock", lock_path);
    }
    // The lock is released when the descriptor closes.
    const std::optional<std::string> current = read_file(path_);
    std::vector<RegistryEntry> entries =
        current ? parse_registry(*current, path_) : std::vector<RegistryEntry>{};
    const std::vector<RegistryEntry> before = entries;
    edit(entries);
    if (current && entries == before)
        return;  // nothing to change: leave the file as it is
    for (const RegistryEntry& e : entries) {
        if (e.path.empty() || e.path.front() != '/' || e.path.find('\n') != std::string::npos)
            fail("module path '" + e.path + "' is not an absolute single-line path");
    }
    const std::string text = format_registry(entries);
    parse_registry(text, path_);  // never write what could not be read back
    replace_file(path_, text);
}

std::optional<RegistryEntry> Registry::find_class(std::string_view progid) const {
    const std::string key = lower_ascii(progid);
    for (RegistryEntry& e : read())
        if (e.kind == RegistryEntry::Kind::Class && lower_ascii(e.name) == key)
            return std::move(e);
    return std::nullopt;
}

std::optional<RegistryEntry> Registry::find_class(const Guid& clsid) const {
    for (RegistryEntry& e : read())
        if (e.kind == RegistryEntry::Kind::Class && e.guid == clsid)
            return std::move(e);
    return std::nullopt;
}

std::optional<RegistryEntry> Registry::find_type_library(const Guid& libid) const {
    for (RegistryEntry& e : read())
        if (e.kind == RegistryEntry::Kind::TypeLib && e.guid == libid)
            return std::move(e);
    return std::nullopt;
}

}  // namespace qd
