#include "host/persist/atomic_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>

namespace qd::host {

namespace {

std::string reason(const std::string& what, const std::string& path, int err) {
    return "cannot " + what + " " + path + ": " + std::strerror(err);
}

// Closes the descriptor and removes the temporary file unless the rename consumed it.
class TempFile {
  public:
    explicit TempFile(std::string path_template) : path_(std::move(path_template)) {
        fd_ = ::mkstemp(path_.data());
    }
    ~TempFile() {
        close();
        if (!renamed_)
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
    bool renamed_ = false;
};

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
    const std::filesystem::path target(path);
    std::filesystem::path folder = target.parent_path();
    if (folder.empty())
        folder = ".";
    TempFile tmp((folder / ("." + target.filename().string() + ".XXXXXX")).string());
    if (tmp.fd() < 0)
        throw FileWriteError(reason("create a temporary file in", folder.string(), errno));
    // mkstemp creates the file 0600; a saved file gets the usual permissions.
    ::fchmod(tmp.fd(), 0644);
    if (!write(tmp.fd(), content))
        throw FileWriteError(reason("write", tmp.path(), errno));
    if (::fsync(tmp.fd()) != 0)
        throw FileWriteError(reason("sync", tmp.path(), errno));
    if (!tmp.close())
        throw FileWriteError(reason("close", tmp.path(), errno));
    if (::rename(tmp.path().c_str(), path.c_str()) != 0)
        throw FileWriteError(reason("replace", path, errno));
    tmp.mark_renamed();
    // Make the rename itself durable; a folder that cannot be synced does not undo the save.
    const int dir = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY);
    if (dir >= 0) {
        ::fsync(dir);
        ::close(dir);
    }
}

}  // namespace qd::host
