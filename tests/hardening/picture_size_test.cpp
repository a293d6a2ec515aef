// Picture sizes at the edges of the raster surface (empty, one pixel, at and above its limit)
// and a machine without fonts: every control still starts, draws or fails with a result code,
// and its label still reports a size.
#include <gtest/gtest.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#include "bar/progress_bar.h"
#include "host/model/control_site.h"
#include "host/raster/font_face.h"
#include "host/raster/raster_label.h"
#include "host/raster/raster_picture_box.h"
#include "pie/progress_pie.h"
#include "singlepie/single_pie.h"
#include "tests/hardening/hostile_table.h"
#include "tests/support/control_kinds.h"

extern char** environ;

namespace qd::test {
namespace {

std::string code_text(HRESULT hr) {
    if (succeeded(hr))
        return "ok";
    if (is_runtime_error(hr))
        return "err " + std::to_string(static_cast<std::uint32_t>(hr) & 0xFFFFu);
    return "failed";
}

// One control on a raster picture box of `w` x `h` pixels: the result of each step, the
// picture's size and the label's reported size.
std::vector<std::string> run_on_raster(const ControlKind& kind, int w, int h) {
    ComPtr<IDispatch> control;
    EXPECT_EQ(kind.create(IDispatch::iid, control.put_void()), S_OK);
    const auto events = control.query<IControl>();
    const auto pic = host::RasterPictureBox::make();
    const auto label = host::RasterLabel::make(pic.get());
    const float tw = static_cast<float>(w * host::kTwipsPerPixel);
    const float th = static_cast<float>(h * host::kTwipsPerPixel);
    const ComPtr<host::ControlSite> site(new host::ControlSite(tw, th, pic.get(), label.get()));

    std::string steps = "SetSite " + code_text(events->SetSite(site.get()));
    steps += ", Init " + code_text(events->InitProperties());
    steps += ", Resize " + code_text(events->Resize());
    steps += ", Refresh " + code_text(dispatch_call(control.get(), "Refresh"));
    steps += ", Value " + code_text(dispatch_put(control.get(), "Value", Variant(30.0f)));

    float lw = -1, lh = -1;
    EXPECT_EQ(label->get_Width(&lw), S_OK);
    EXPECT_EQ(label->get_Height(&lh), S_OK);
    const std::string picture =
        std::to_string(pic->picture().width) + " x " + std::to_string(pic->picture().height);
    const bool label_sized = lw > 0 && lh > 0;
    return {std::string(kind.name) + " " + std::to_string(w) + " x " + std::to_string(h) + " px",
            steps, picture, label_sized ? "yes" : "no"};
}

// Picture sizes from empty to beyond the limit (a side above 16384 pixels is refused before
// anything is allocated), then the rows of a child process that finds no fonts.
TEST(HostileValues, PictureSizesAtTheEdgesAndNoFontsStillGiveResultCodes) {
    const std::string empty_conf = std::string(QD_HARDENING_OUT_DIR) + "/no-fonts.conf";
    std::ofstream(empty_conf) << "<?xml version=\"1.0\"?>\n<fontconfig></fontconfig>\n";
    const std::string rows_file = std::string(QD_HARDENING_OUT_DIR) + "/no-fonts-rows.txt";
    std::remove(rows_file.c_str());

    // The child process: the same test binary, looking for fonts in an empty configuration.
    std::vector<std::string> env_text;
    for (char** e = environ; *e; ++e)
        if (std::string(*e).rfind("FONTCONFIG_", 0) != 0)
            env_text.emplace_back(*e);
    env_text.push_back("FONTCONFIG_FILE=" + empty_conf);
    env_text.push_back("QD_NO_FONTS_ROWS=" + rows_file);
    std::vector<char*> envp;
    for (std::string& s : env_text)
        envp.push_back(s.data());
    envp.push_back(nullptr);
    std::string self = "/proc/self/exe";
    std::string filter = "--gtest_filter=HostileValues.NoFontsChild";
    char* argv[] = {self.data(), filter.data(), nullptr};
    pid_t pid = 0;
    ASSERT_EQ(posix_spawn(&pid, self.c_str(), nullptr, nullptr, argv, envp.data()), 0);
    int status = 0;
    ASSERT_EQ(waitpid(pid, &status, 0), pid);
    ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "the fontless child failed";

    Table t;
    t.header = {"Control on picture", "Steps", "Picture", "Label has a size"};
    const int sizes[][2] = {{0, 0}, {1, 1},     {0, 100},     {200, 0},
                            {2, 2}, {16384, 2}, {16385, 100}, {100, 16385}};
    for (const ControlKind& kind : kControls)
        for (const auto& s : sizes)
            t.rows.push_back(run_on_raster(kind, s[0], s[1]));
    std::ifstream rows(rows_file);
    std::string line;
    int fontless = 0;
    while (std::getline(rows, line)) {
        std::vector<std::string> cells;
        std::size_t start = 0, bar;
        while ((bar = line.find('\t', start)) != std::string::npos) {
            cells.push_back(line.substr(start, bar - start));
            start = bar + 1;
        }
        cells.push_back(line.substr(start));
        t.rows.push_back(cells);
        ++fontless;
    }
    EXPECT_EQ(fontless, 3) << "a row per control from the fontless child";
    for (const auto& row : t.rows)
        EXPECT_EQ(row[3], "yes") << row[0];
    check_section("sizes", t);
}

// Runs only as the child of the test above.
TEST(HostileValues, NoFontsChild) {
    const char* rows_file = std::getenv("QD_NO_FONTS_ROWS");
    if (!rows_file)
        GTEST_SKIP() << "runs as the child of PictureSizesAtTheEdgesAndNoFontsStillGiveResultCodes";
    ASSERT_FALSE(host::FontFace::shared().available()) << "a font was found after all";
    std::ofstream out(rows_file);
    for (const ControlKind& kind : kControls) {
        auto row = run_on_raster(kind, 200, 100);
        row[0] += ", no fonts";
        EXPECT_EQ(row[1].find("err"), std::string::npos) << row[1];
        out << row[0] << '\t' << row[1] << '\t' << row[2] << '\t' << row[3] << '\n';
    }
}

}  // namespace
}  // namespace qd::test
