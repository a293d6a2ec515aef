// Helpers shared by the platform tests: a private registry per test and file access.
#pragma once

#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace qd::test {

// A fresh folder with QD_REGISTRY pointing into it; both undone on destruction.
class TempRegistry {
  public:
    TempRegistry() {
        char tmpl[] = "/tmp/qd-registry-XXXXXX";
        dir_ = ::mkdtemp(tmpl);
        path_ = dir_ + "/registry";
        ::setenv("QD_REGISTRY", path_.c_str(), 1);
    }
    ~TempRegistry() {
        ::unsetenv("QD_REGISTRY");
        std::error_code ec;
        std::filesystem::remove_all(dir_, ec);
    }
    const std::string& dir() const { return dir_; }
    const std::string& path() const { return path_; }

  private:
    std::string dir_;
    std::string path_;
};

inline std::string read_text(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

inline void write_text(const std::string& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
}

inline std::string module_path() {
    return std::filesystem::canonical(QD_MODULE_PATH).string();
}

}  // namespace qd::test
