// `qdhost demo` run as a user runs it, against a private registry holding the built modules:
// the pictures it writes, the progress it prints, the animation's growth and its usage errors.
#include <gtest/gtest.h>
#include <stdlib.h>
#include <sys/wait.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "host/loader/loader.h"
#include "host/raster/png_io.h"
#include "tests/support/temp_folder.h"
#include "tools/qdhost/demo/gallery_plan.h"
#ifdef QD_HAVE_GIF
#include "tools/qdhost/demo/gif_writer.h"
#endif

namespace qd::qdhost::demo {
namespace {

namespace fs = std::filesystem;

using test::read_file;

std::vector<std::string> lines_of(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

struct Outcome {
    int status = -1;
    std::string out, err;
};

class DemoCommand : public ::testing::Test {
  protected:
    void SetUp() override {
        char tmpl[] = "/tmp/qdhost-demo-XXXXXX";
        dir_ = ::mkdtemp(tmpl);
        registry_ = dir_ / "registry";
        ::setenv("QD_REGISTRY", registry_.c_str(), 1);
        host::register_library(QD_MODULE_PATH);
        host::register_library(QD_SINGLE_MODULE_PATH);
    }
    void TearDown() override {
        ::unsetenv("QD_REGISTRY");
        fs::remove_all(dir_);
    }

    // Runs qdhost with `args` (already quoted for the shell) from inside the temporary folder.
    Outcome qdhost(const std::string& args) const {
        const fs::path out = dir_ / "stdout", err = dir_ / "stderr";
        const std::string command = "cd '" + dir_.string() + "' && '" QD_QDHOST_PATH "' " + args +
                                    " >'" + out.string() + "' 2>'" + err.string() + "'";
        const int raw = std::system(command.c_str());
        return {WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, read_file(out), read_file(err)};
    }

    fs::path dir_, registry_;
};

int expected_side(float twips) {
    return static_cast<int>(std::lround(twips / 15));
}

TEST_F(DemoCommand, WritesEveryPictureAndSaysWhereTheyAre) {
    const Outcome run = qdhost("demo -o gallery");
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.err, "");
    const fs::path gallery = dir_ / "gallery";

    // Exactly one picture per tile, the contact sheet and the animation.
    const std::vector<Tile> tiles = gallery_tiles();
    std::set<std::string> expected{"contact-sheet.png", "progress.gif"};
    for (const Tile& t : tiles)
        expected.insert(t.file);
    EXPECT_EQ(expected.size(), tiles.size() + 2) << "two tiles share a file name";
    std::set<std::string> written;
    for (const fs::directory_entry& e : fs::directory_iterator(gallery))
        written.insert(e.path().filename().string());
#ifndef QD_HAVE_GIF
    expected.erase("progress.gif");
    std::erase_if(written, [](const std::string& f) { return f.starts_with("progress-"); });
#endif
    EXPECT_EQ(written, expected);

    // Every tile decodes at its control's extent; the default pie is square, the bar wide.
    for (const Tile& t : tiles) {
        host::Image image;
        std::string error;
        ASSERT_TRUE(host::read_png((gallery / t.file).string(), &image, &error)) << error;
        EXPECT_EQ(image.width, expected_side(t.extent.width)) << t.file;
        EXPECT_EQ(image.height, expected_side(t.extent.height)) << t.file;
        // Not a blank picture: a control draws more than one colour.
        EXPECT_NE(std::count(image.pixels.begin(), image.pixels.end(), image.pixels[0]),
                  static_cast<long>(image.pixels.size()))
            << t.file;
    }
    host::Image sheet;
    ASSERT_TRUE(host::read_png((gallery / "contact-sheet.png").string(), &sheet));
    EXPECT_GT(sheet.width, 1000);
    EXPECT_GT(sheet.height, sheet.width);

    // Progress: one line per picture, numbered in order, then where the results are.
    const std::vector<std::string> lines = lines_of(run.out);
    const std::size_t total = tiles.size() + 2;
    ASSERT_EQ(lines.size(), total + 3) << run.out;
    for (std::size_t i = 0; i < tiles.size(); ++i)
        EXPECT_EQ(lines[i], "rendering " + std::to_string(i + 1) + "/" + std::to_string(total) +
                                " " + tiles[i].file);
    EXPECT_EQ(lines[total - 2], "rendering " + std::to_string(total - 1) + "/" +
                                    std::to_string(total) + " contact-sheet.png");
    const std::string where = fs::canonical(gallery).string();
    EXPECT_EQ(lines[total],
              "gallery: " + where + " (" + std::to_string(tiles.size()) + " pictures)");
    EXPECT_EQ(lines[total + 1], "contact sheet: " + where + "/contact-sheet.png");

#ifdef QD_HAVE_GIF
    // The animation: Min to Max in equal Value steps, each frame showing more fill than the
    // one a quarter of the way before it.
    std::vector<host::Image> frames;
    std::string error;
    ASSERT_TRUE(read_gif((gallery / "progress.gif").string(), &frames, &error)) << error;
    ASSERT_EQ(frames.size(), 51u);
    const auto changed = [&](const host::Image& f) {
        long n = 0;
        for (std::size_t i = 0; i < f.pixels.size(); ++i)
            n += f.pixels[i] != frames[0].pixels[i];
        return n;
    };
    long previous = 0;
    for (std::size_t f : {10u, 20u, 30u, 40u, 50u}) {
        const long now = changed(frames[f]);
        EXPECT_GT(now, previous + 1000) << "frame " << f;
        previous = now;
    }
#endif
}

TEST_F(DemoCommand, RefusesBadUsageAndUnregisteredControls) {
    EXPECT_EQ(qdhost("demo --bogus").status, 2);
    const Outcome missing = qdhost("demo -o");
    EXPECT_EQ(missing.status, 2);
    EXPECT_NE(missing.err.find("missing DIR"), std::string::npos) << missing.err;

    // A file where the folder should go.
    std::ofstream(dir_ / "taken") << "x";
    const Outcome taken = qdhost("demo -o taken");
    EXPECT_EQ(taken.status, 2);
    EXPECT_NE(taken.err.find("taken"), std::string::npos) << taken.err;

    const Outcome help = qdhost("demo --help");
    EXPECT_EQ(help.status, 0);
    EXPECT_NE(help.out.find("usage: qdhost demo [-o DIR]"), std::string::npos);

    // Without the single pie's module in the registry nothing is drawn, and the class is named.
    host::unregister_library(QD_SINGLE_MODULE_PATH);
    const Outcome unregistered = qdhost("demo -o gallery");
    EXPECT_EQ(unregistered.status, 2);
    EXPECT_NE(unregistered.err.find(kSinglePieProgId), std::string::npos) << unregistered.err;
    EXPECT_FALSE(fs::exists(dir_ / "gallery" / "pie-default.png"));
}

}  // namespace
}  // namespace qd::qdhost::demo
