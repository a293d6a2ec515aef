// A script runner over a private registry in a test's own folder, with the control modules
// registered in it; what the scripts print is kept line by line.
#pragma once

#include <gtest/gtest.h>
#include <stdlib.h>

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

}  // namespace qd::qdhost
