#include "host/persist/atomic_file.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <filesystem>

namespace qd::host {

namespace {

// Temporary files are named ".NAME.qdsave-PID-XXXXXX" beside the file they replace, so that a
// later save can tell the leftovers of an interrupted one (their process is gone).
constexpr std::string_view kTempMark = ".qdsave-";

std::string reason(const std::string& what, const std::string& path, int err) {
    std::string text = "cannot ";
    text.append(what).append(" ").append(path).append(": ").append(std::strerror(err));
    return text;
}

// Closes the descriptor and removes the temporary file unless the rename consumed it.
class TempFile {
  public:
    explicit TempFile(std::string path_template) : path_(std::move(path_template)) {
        fd_ = ::mkstemp(path_.data());
        created_ = fd_ >= 0;
    }
    ~TempFile() {
        close();
        if (created_ && !renamed_)
            ::unlink(path_.c_str());
    }
    TempFile(const TempFile&) = delete;
    TempFile& operator=(const TempFile&) = delete;

    int fd() const { return fd_; }
    const std::string& path() const { return path_; }
    bool close() {
        if (fd_ < 0)
            return true;
        const int rc = ::close(fd_);
        fd_ = -1;
        return rc == 0;
    }
    void mark_renamed() { renamed_ = true; }

  private:
    std::string path_;
    int fd_ = -1;
    bool created_ = false;
    bool renamed_ = false;
};

// The file a save replaces: `path` itself, or the file its chain of symbolic links ends at, so
// that a save writes through a link and leaves the link in place.
std::filesystem::path save_target(const std::string& path) {
    std::filesystem::path target(path);
    for (int hops = 0; hops < 40; ++hops) {
        struct stat st {};
        if (::lstat(target.c_str(), &st) != 0 || !S_ISLNK(st.st_mode))
            return target;
        std::error_code ec;
        const std::filesystem::path next = std::filesystem::read_symlink(target, ec);
        if (ec)
            throw FileWriteError(reason("follow the link", target.string(), ec.value()));
        target = next.is_absolute() ? next : target.parent_path() / next;
    }
    throw FileWriteError(reason("follow the link", path, ELOOP));
}

// The process's file-creation mask, read without changing it.
mode_t current_umask() {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return mask;
}

// Removes the temporary files that saves interrupted by a crash left in `folder`: those whose
// process no longer runs. A save in progress in another process keeps its own.
void remove_leftovers(const std::filesystem::path& folder) {
    DIR* dir = ::opendir(folder.c_str());
    if (!dir)
        return;
    while (const dirent* entry = ::readdir(dir)) {
        const std::string_view name = entry->d_name;
        const std::size_t mark = name.find(kTempMark);
        if (name.empty() || name.front() != '.' || mark == std::string_view::npos)
            continue;
        const std::string pid_text(name.substr(mark + kTempMark.size()));
        char* end = nullptr;
        const long pid = std::strtol(pid_text.c_str(), &end, 10);
        if (pid <= 0 || *end != '-')
            continue;
        if (::kill(static_cast<pid_t>(pid), 0) != 0 && errno == ESRCH)
            ::unlinkat(::dirfd(dir), entry->d_name, 0);
    }
    ::closedir(dir);
}

// Gives the new file the old one's mode and owner, or for a new file the mode the umask
// leaves of 0666 (mkstemp created it 0600).
void set_mode_and_owner(const TempFile& tmp, const std::filesystem::path& target) {
    struct stat old {};
    if (::stat(target.c_str(), &old) != 0) {
        if (::fchmod(tmp.fd(), 0666 & ~current_umask()) != 0)
            throw FileWriteError(reason("set the mode of", tmp.path(), errno));
        return;
    }
    struct stat now {};
    if (::fstat(tmp.fd(), &now) != 0)
        throw FileWriteError(reason("inspect", tmp.path(), errno));
    if ((now.st_uid != old.st_uid || now.st_gid != old.st_gid) &&
        ::fchown(tmp.fd(), old.st_uid, old.st_gid) != 0)
        throw FileWriteError(reason("keep the owner of", target.string(), errno));
    if (::fchmod(tmp.fd(), old.st_mode & 07777) != 0)
        throw FileWriteError(reason("keep the mode of", target.string(), errno));
}

}  // namespace

bool write_all(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t n = ::write(fd, bytes.data(), bytes.size());
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(n));
    }
    return true;
}

void write_file_atomically(const std::string& path, std::string_view content,
                           const WriteBytes& write) {
    const std::filesystem::path target = save_target(path);
    std::filesystem::path folder = target.parent_path();
    if (folder.empty())
        folder = ".";
    remove_leftovers(folder);
    std::string name(".");
    name.append(target.filename().string())
        .append(kTempMark)
        .append(std::to_string(::getpid()))
        .append("-XXXXXX");
    TempFile tmp((folder / name).string());
    if (tmp.fd() < 0)
        throw FileWriteError(reason("create a temporary file in", folder.string(), errno));
    set_mode_and_owner(tmp, target);
    if (!write(tmp.fd(), content))
        throw FileWriteError(reason("write", tmp.path(), errno));
    if (::fsync(tmp.fd()) != 0)
        throw FileWriteError(reason("sync", tmp.path(), errno));
    if (!tmp.close())
        throw FileWriteError(reason("close", tmp.path(), errno));
    if (::rename(tmp.path().c_str(), target.c_str()) != 0)
        throw FileWriteError(reason("replace", target.string(), errno));
    tmp.mark_renamed();
    // Make the rename itself durable; a folder that cannot be synced does not undo the save.
    const int dir = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY);
    if (dir >= 0) {
        ::fsync(dir);
        ::close(dir);
    }
}

}  // namespace qd::host
