// qdhost as an application: pictures of controls, the page and forms, form files opened and
// saved by scripts, the render and resources commands, and where the registry is found.
#include <gtest/gtest.h>
#include <stdlib.h>
#include <sys/wait.h>

#include <algorithm>
#include <filesystem>
#include <fstream>

#include "host/loader/loader.h"
#include "host/raster/png_io.h"
#include "tests/qdhost/script_fixture.h"
#include "tools/qdhost/registry_location.h"
#include "tools/qdhost/script_runner.h"

namespace qd::qdhost {
namespace {

using Lines = std::vector<std::string>;

host::Image picture(const std::string& path) {
    host::Image image;
    std::string error;
    EXPECT_TRUE(host::read_png(path, &image, &error)) << error;
    return image;
}

// Both control libraries registered in a private registry.
class HostApp : public ScriptFixture {
  protected:
    HostApp() : ScriptFixture("qdhost-app", {QD_MODULE_PATH, QD_SINGLE_MODULE_PATH}) {}
};

const char* kForm =
    "[form 6000 2400]\n"                                                          // 1
    "[control pie qdProgressControls.qdProgressPie 150 150 1500 1500]\n"          // 2
    "Value = float32 40\n"                                                        // 3
    "FillType = int32 0\n"                                                        // 4
    "FillColorStart = int32 255\n"                                                // 5
    "[control bar qdProgressControls.qdProgressBar 1800 150 3000 450]\n"          // 6
    "Value = float32 sixty\n"                                                     // 7
    "[control single qdxProgressPieControl.qdxProgressPie 1800 750 1500 1500]\n"  // 8
    "Value = float32 80\n"                                                        // 9
    "[control ghost qdProgressControls.NoSuchClass 0 0 150 150]\n"                // 10
    "[control odd qdProgressControls.qdProgressPie 0 0 750 750]\n"                // 11
    "Min = text \"low\"\n";                                                       // 12

TEST_F(HostApp, AFormLoadsPastItsDamageIsDrawnWholeAndSavedBack) {
    const std::string form = file("dash.qdf");
    std::ofstream(form) << kForm;
    EXPECT_EQ(run("open " + form +
                  "\n"
                  "print pie.Value\n"
                  "print bar.Value\n"
                  "print single.Value\n"
                  "bar.Value = 70\n"
                  "png form " +
                  file("form.png") +
                  "\n"
                  "save " +
                  file("saved.qdf") + "\n"),
              1);
    // One line for each problem: the damaged line, the class that is not there, and the control
    // that refused a stored value (named with the key it read last).
    ASSERT_EQ(err_.size(), 3u) << err_[0];
    EXPECT_NE(err_[0].find(form + ":7: control bar: key 'Value': not a float32 number"),
              std::string::npos)
        << err_[0];
    EXPECT_NE(err_[1].find(form + ":10: control ghost: 0x80040154"), std::string::npos) << err_[1];
    EXPECT_NE(err_[2].find(form + ":12: control odd: key 'Min': 0x800A000D Type mismatch"),
              std::string::npos)
        << err_[2];
    EXPECT_EQ(out_, (Lines{"40", "0", "80"}));  // the bar's Value reads its default

    // The form: 400 x 160 pixels; the red pie at (10, 10), the bar and the single pie beside.
    const host::Image image = picture(file("form.png"));
    ASSERT_EQ(image.width, 400);
    ASSERT_EQ(image.height, 160);
    const std::uint32_t background = image.at(399, 159);
    EXPECT_EQ(image.at(10 + 60, 10 + 40), 0x0000FFu);    // inside the pie's sector at 40%
    EXPECT_NE(image.at(120 + 10, 10 + 15), background);  // the bar's filled start
    EXPECT_NE(image.at(120 + 50, 50 + 50), background);  // inside the single pie
    EXPECT_EQ(image.at(5, 155), background);

    // Saved: every control that loaded (not the one that refused its Min), in form order, with
    // its place and current values.
    std::vector<host::FormFileError> errors;
    const host::Form saved = host::load_form_file(file("saved.qdf"), &errors);
    EXPECT_TRUE(errors.empty());
    ASSERT_EQ(saved.controls.size(), 3u);
    EXPECT_EQ(saved.controls[1].name, "bar");
    EXPECT_EQ(saved.controls[1].left, 1800);
    EXPECT_EQ(saved.controls[1].width, 3000);
    const auto& bar = saved.controls[1].properties;
    const auto value =
        std::find_if(bar.begin(), bar.end(), [](auto& p) { return p.key == "Value"; });
    ASSERT_NE(value, bar.end());
    EXPECT_EQ(value->value, Variant(70.0f));

    // Reopened in a fresh host, the saved form loads without a complaint.
    EXPECT_EQ(run("open " + file("saved.qdf") + "\nprint bar.Value\n"), 0) << err_[0];
    EXPECT_EQ(out_, (Lines{"70"}));

    EXPECT_EQ(run("save " + file("x.qdf") + "\npng form " + file("x.png") + "\nopen " +
                  file("missing.qdf") + "\nnew form qdProgressControls.qdProgressPie\n"),
              4);
    EXPECT_NE(err_[0].find("no form is open"), std::string::npos);
    EXPECT_NE(err_[2].find("missing.qdf: cannot open"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(file("x.qdf")));
}

TEST_F(HostApp, ThePageEditsTheFirstSelectedControlAndIsDrawn) {
    EXPECT_EQ(run("new pie qdProgressControls.qdProgressPie 1500 1500\n"
                  "new bar qdProgressControls.qdProgressBar 3000 450\n"
                  "print page.Changed\n"  // 3: no page yet
                  "page pie bar\n"
                  "print page.txtValue\n"
                  "print page.txtMax\n"
                  "print page.Changed\n"
                  "page.txtValue = 150\n"
                  "page.txtMax = \"200\"\n"
                  "page.apply\n"
                  "print pie.Value\n"
                  "print pie.Max\n"
                  "print bar.Max\n"
                  "print page.Changed\n"
                  "page.txtValue = \"lots\"\n"
                  "page.apply\n"  // 16: letters stop the apply
                  "print pie.Value\n"
                  "page.txtNothing = 1\n"  // 18
                  "png page " +
                  file("page.png") +
                  "\n"
                  "page bar\n"
                  "print page.txtMax\n"),
              3);
    EXPECT_EQ(out_,
              (Lines{"\"75\"", "\"100\"", "True", "75", "200", "100", "False", "75", "\"100\""}));
    ASSERT_EQ(err_.size(), 3u);
    EXPECT_NE(err_[0].find("no page is open"), std::string::npos);
    EXPECT_EQ(err_[1].rfind("error: 16: page.apply: 0x800A000D Type mismatch", 0), 0u) << err_[1];
    EXPECT_NE(err_[2].find("the page has no field txtNothing"), std::string::npos);
    const host::Image page = picture(file("page.png"));
    EXPECT_GT(page.width, 100);
    EXPECT_GT(page.height, 100);
}

TEST_F(HostApp, AControlIsDrawnWithItsEdgeAndLabel) {
    EXPECT_EQ(run("new bar qdProgressControls.qdProgressBar 3000 450\n"
                  "bar.Value = 50\n"
                  "png bar " +
                  file("bar.png") +
                  "\n"
                  "new single qdxProgressPieControl.qdxProgressPie 1500 1500\n"
                  "png single " +
                  file("single.png") +
                  "\n"
                  "png bar " +
                  file("nowhere/bar.png") +
                  "\n"
                  "png ghost " +
                  file("ghost.png") + "\n"),
              2);
    const host::Image bar = picture(file("bar.png"));
    EXPECT_EQ(bar.width, 200);
    EXPECT_EQ(bar.height, 30);
    // The sunken edge's dark top line, and a filled start unlike the empty end.
    EXPECT_NE(bar.at(5, 15), bar.at(195, 15));
    EXPECT_EQ(picture(file("single.png")).width, 100);
    EXPECT_NE(err_[0].find("nowhere/bar.png"), std::string::npos) << err_[0];
    EXPECT_NE(err_[1].find("no control named ghost"), std::string::npos);
}

TEST(RegistryLocation, TheBuildTreeRegistryIsUsedOnlyWhenPresentAndNotOverridden) {
    char tmpl[] = "/tmp/qdhost-reg-XXXXXX";
    const std::string build = ::mkdtemp(tmpl);
    std::filesystem::create_directory(build + "/bin");
    const std::string exe = build + "/bin/qdhost";
    EXPECT_EQ(build_tree_registry(exe), build + "/registry");

    ::unsetenv("QD_REGISTRY");
    choose_registry(exe);  // no registry file yet: the per-user default stays
    EXPECT_EQ(::getenv("QD_REGISTRY"), nullptr);

    std::ofstream(build + "/registry") << "# empty\n";
    ::setenv("QD_REGISTRY", "/elsewhere/registry", 1);
    choose_registry(exe);
    EXPECT_STREQ(::getenv("QD_REGISTRY"), "/elsewhere/registry");

    ::unsetenv("QD_REGISTRY");
    choose_registry(exe);
    EXPECT_STREQ(::getenv("QD_REGISTRY"), (build + "/registry").c_str());
    ::unsetenv("QD_REGISTRY");
    std::filesystem::remove_all(build);
}

// ---- The executable --------------------------------------------------------------------------

// An installed tree (PREFIX/bin/qdhost, the modules in the installed module folder) works with
// no registry at all, leaves nothing behind, and register still writes the per-user registry.
TEST(RegistryLocation, AnInstalledQdhostFindsItsModulesWithoutARegisterStep) {
    namespace fs = std::filesystem;
    char tmpl[] = "/tmp/qdhost-installed-XXXXXX";
    const fs::path root = ::mkdtemp(tmpl);
    const fs::path prefix = root / "prefix", home = root / "home", tmp = root / "tmp";
    const fs::path modules = prefix / "bin" / QD_MODULE_DIR_FROM_BIN;
    fs::create_directories(modules);
    fs::create_directories(home);
    fs::create_directories(tmp);
    fs::copy_file(QD_QDHOST_PATH, prefix / "bin" / "qdhost");
    fs::copy_file(QD_MODULE_PATH, modules / fs::path(QD_MODULE_PATH).filename());
    fs::copy_file(QD_SINGLE_MODULE_PATH, modules / fs::path(QD_SINGLE_MODULE_PATH).filename());
    const std::string env = "env -u QD_REGISTRY -u XDG_CONFIG_HOME HOME='" + home.string() +
                            "' TMPDIR='" + tmp.string() + "' '" + (prefix / "bin/qdhost").string() +
                            "' ";
    const std::string script =
        "printf 'new pie qdProgressControls.qdProgressPie\\n"
        "new single qdxProgressPieControl.qdxProgressPie\\n"
        "pie.Value = 5\\n' | ";
    const auto run = [&](const std::string& args) {
        const std::string command = script + env + args + " >/dev/null 2>&1";
        const int status = std::system(command.c_str());
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    };
    EXPECT_EQ(run("run -"), 0);
    EXPECT_TRUE(fs::is_empty(tmp)) << "the run's registry is left behind";
    EXPECT_FALSE(fs::exists(home / ".config/qd/registry"));

    // register keeps its lasting meaning; once the per-user registry exists it is the one read.
    EXPECT_EQ(run("register '" + (modules / fs::path(QD_MODULE_PATH).filename()).string() + "'"),
              0);
    EXPECT_TRUE(fs::exists(home / ".config/qd/registry"));
    EXPECT_EQ(run("run -"), 1) << "the single pie is not in the per-user registry";
    fs::remove_all(root);
}

TEST_F(HostApp, RenderAndResourcesAnswerWithPicturesAndExitStatus) {
    std::ofstream(file("dash.qdf")) << kForm;
    const Outcome damaged = qdhost("render dash.qdf", dir_);
    EXPECT_EQ(damaged.status, 1) << damaged.output;
    EXPECT_NE(damaged.output.find("dash.qdf:7: control bar: key 'Value'"), std::string::npos)
        << damaged.output;
    EXPECT_NE(damaged.output.find("3 controls drawn into dash.png"), std::string::npos);
    EXPECT_EQ(picture(file("dash.png")).width, 400);

    const Outcome good =
        qdhost(std::string("render -o good.png '") + QD_DASHBOARD_FORM + "'", dir_);
    EXPECT_EQ(good.status, 0) << good.output;
    EXPECT_FALSE(picture(file("good.png")).empty());
    EXPECT_EQ(qdhost("render nowhere.qdf", dir_).status, 2);
    EXPECT_EQ(qdhost("render", dir_).status, 2);
    EXPECT_EQ(qdhost("render dash.qdf -o", dir_).status, 2);
    EXPECT_EQ(qdhost("render dash.qdf --shiny", dir_).status, 2);

    std::filesystem::create_directory(file("res"));
    const Outcome res =
        qdhost(std::string("resources '") + QD_SINGLE_MODULE_PATH + "' -o res", dir_);
    EXPECT_EQ(res.status, 0) << res.output;
    EXPECT_NE(res.output.find("file version: 0.1.0.17"), std::string::npos) << res.output;
    bool found = false;
    for (const auto& entry : std::filesystem::directory_iterator(file("res"))) {
        const std::string name = entry.path().filename().string();
        if (!name.ends_with("_x8.png"))
            continue;
        const host::Image large = picture(entry.path().string());
        const host::Image small =
            picture(entry.path().string().substr(0, entry.path().string().size() - 7) + ".png");
        EXPECT_EQ(large.width, 8 * small.width);
        EXPECT_EQ(large.at(8 * 3 + 7, 8 * 2), small.at(3, 2));
        found = true;
    }
    EXPECT_TRUE(found);
    EXPECT_EQ(qdhost(std::string("resources '") + QD_MODULE_PATH + "' -o nowhere", dir_).status, 2);

    for (const char* command :
         {"run", "render", "resources", "register", "unregister", "typelib"}) {
        const Outcome help = qdhost(std::string(command) + " --help", dir_);
        EXPECT_EQ(help.status, 0) << command;
        EXPECT_EQ(help.output.rfind(std::string("usage: qdhost ") + command, 0), 0u) << command;
    }
}

TEST_F(HostApp, EveryBundledScriptRunsCleanAndLeavesItsPicture) {
    const std::string folder = std::string(QD_EXAMPLES_DIR) + "/scripts/";
    for (const std::string name : {"pie_demo", "bar_demo", "single_pie_demo", "page_demo"}) {
        const Outcome o = qdhost("run '" + folder + name + ".qds'", dir_);
        EXPECT_EQ(o.status, 0) << name << "\n" << o.output;
        EXPECT_FALSE(picture(file(name + ".png")).empty()) << name;
    }
    // The single pie keeps itself square: 3000 x 2250 twips become 150 pixels a side.
    const host::Image single = picture(file("single_pie_demo.png"));
    EXPECT_EQ(single.width, 150);
    EXPECT_EQ(single.height, 150);
}

}  // namespace
}  // namespace qd::qdhost
