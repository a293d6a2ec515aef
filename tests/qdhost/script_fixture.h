// A script runner over a private registry in a test's own folder, with the control modules
// registered in it; what the scripts print is kept line by line.
#pragma once

#include <gtest/gtest.h>
#include <stdlib.h>

#include <sys/wait.h>

#include <cstdio>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include "host/loader/loader.h"
#include "tests/support/temp_folder.h"
#include "tools/qdhost/script_runner.h"

namespace qd::qdhost {

class ScriptFixture : public ::testing::Test {
  protected:
    using Lines = std::vector<std::string>;

    // A folder /tmp/PREFIX-XXXXXX whose "registry" QD_REGISTRY names while the test runs.
    ScriptFixture(const std::string& prefix, std::initializer_list<const char*> modules)
        : folder_(prefix), dir_(folder_.path().string()), modules_(modules) {}

    void SetUp() override {
        ::setenv("QD_REGISTRY", (dir_ + "/registry").c_str(), 1);
        for (const char* module : modules_)
            host::register_library(module);
    }
    void TearDown() override { ::unsetenv("QD_REGISTRY"); }

    std::string file(const std::string& name) const { return dir_ + "/" + name; }

    // Runs `script`; returns the number of failed statements.
    int run(const std::string& script) {
        out_.clear();
        err_.clear();
        ScriptRunner runner([this](std::string_view l) { out_.emplace_back(l); },
                            [this](std::string_view l) { err_.emplace_back(l); });
        return runner.run_text(script);
    }

    test::TempFolder folder_;
    std::string dir_;
    std::vector<const char*> modules_;
    Lines out_, err_;
};

#ifdef QD_QDHOST_PATH
// The qdhost executable run with `args` in `cwd`: its exit status and what it printed, standard
// error and output together.
struct Outcome {
    int status;
    std::string output;
};

inline Outcome qdhost(const std::string& args, const std::string& cwd = ".") {
    const std::string command =
        "cd '" + cwd + "' && '" + std::string(QD_QDHOST_PATH) + "' " + args + " 2>&1";
    Outcome o{-1, {}};
    FILE* p = ::popen(command.c_str(), "r");
    if (!p)
        return o;
    char buf[4096];
    std::size_t n;
    while ((n = std::fread(buf, 1, sizeof buf, p)) > 0)
        o.output.append(buf, n);
    const int status = ::pclose(p);
    o.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return o;
}
#endif

}  // namespace qd::qdhost
