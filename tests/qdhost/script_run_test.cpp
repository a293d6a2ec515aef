// Scripts run against the built control module through a private registry, in process and
// through the qdhost executable.
#include <gtest/gtest.h>
#include <stdlib.h>
#include <sys/wait.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "host/loader/loader.h"
#include "tests/qdhost/script_fixture.h"
#include "tools/qdhost/script_runner.h"

namespace qd::qdhost {
namespace {

using Lines = std::vector<std::string>;

// A private folder with a registry in which the control module is registered.
class RegisteredModule : public ScriptFixture {
  protected:
    RegisteredModule() : ScriptFixture("qdhost-run", {QD_MODULE_PATH}) {}

    bool printed(const std::string& line) const {
        return std::find(out_.begin(), out_.end(), line) != out_.end();
    }
};

using test::read_file;

TEST_F(RegisteredModule, PropertyCallsTraceTheHostCallsAndPrintTheirValues) {
    const int failures =
        run("new pie qdProgressControls.qdProgressPie 1500 1500\n"
            "trace on\n"
            "pie.Value = 40\n"
            "trace off\n"
            "print pie.Value\n"
            "print pie.BorderShow\n"
            "pie.LabelSize = 5\n"  // refused silently, as a setter does
            "print pie.LabelSize\n"
            "pie.Min = \"20\"\n"  // a text that is a number converts
            "print pie.Min\n"
            "pie.Value = \"abc\"\n"
            "pie.Colour = 1\n"
            "pie.Value = 1e40\n"
            "label pie\n"
            "pie.Refresh\n"
            "pie.Explode\n");
    EXPECT_EQ(failures, 4);

    // The first host call of a Value put is its notification; the pass ends with the caption.
    ASSERT_GE(out_.size(), 3u);
    EXPECT_EQ(out_[0], "PropertyChanged \"Value\"");
    EXPECT_TRUE(printed("picBox.ScaleWidth -> 100"));
    EXPECT_TRUE(printed("lblText.Caption = \"40%\""));
    EXPECT_TRUE(printed("40"));
    EXPECT_TRUE(printed("True"));
    EXPECT_TRUE(printed("18"));
    EXPECT_TRUE(printed("20"));
    const auto label = std::find_if(
        out_.begin(), out_.end(), [](const std::string& l) { return l.starts_with("label pie:"); });
    ASSERT_NE(label, out_.end());
    EXPECT_NE(label->find("Caption \"40%\", Visible True, Alignment 2"), std::string::npos)
        << *label;
    EXPECT_NE(label->find("ForeColor 65535, FontSize 18"), std::string::npos) << *label;

    ASSERT_EQ(err_.size(), 4u);
    EXPECT_EQ(err_[0], "error: 11: pie.Value = \"abc\": 0x800A000D Type mismatch");
    EXPECT_EQ(err_[1], "error: 12: pie.Colour = 1: 0x80020006 Unknown name");
    EXPECT_EQ(err_[2], "error: 13: pie.Value = 1e40: 0x800A0006 Overflow");
    EXPECT_EQ(err_[3], "error: 16: pie.Explode: 0x80020006 Unknown name");
}

TEST_F(RegisteredModule, CreationUsesTheDesignExtentAndResizeTheNewOne) {
    EXPECT_EQ(run("trace on\n"
                  "new pie qdProgressControls.qdProgressPie\n"
                  "resize pie 1500 750\n"
                  "new pie qdProgressControls.qdProgressPie\n"
                  "new bad qdProgressControls.NoSuchClass\n"
                  "new huge qdProgressControls.qdProgressPie 1e9 1500\n"),
              3);
    // The design extent is 3000 twips a side: 200 pixels.
    EXPECT_TRUE(printed("control.Width -> 3000"));
    EXPECT_TRUE(printed("picBox.ScaleWidth -> 200"));
    EXPECT_TRUE(printed("control.Width -> 1500"));
    EXPECT_TRUE(printed("control.Height -> 750"));
    ASSERT_EQ(err_.size(), 3u);
    EXPECT_EQ(
        err_[2],
        "error: 6: new huge qdProgressControls.qdProgressPie 1e9 1500: 0x800A017C "
        "Invalid property value: extent: coordinate 1E+09 is over the limit of 1000000 twips");
    EXPECT_NE(err_[0].find("already a control named pie"), std::string::npos) << err_[0];
    EXPECT_EQ(err_[1].rfind("error: 5: new bad qdProgressControls.NoSuchClass: 0x80040154 Class "
                            "not registered: ",
                            0),
              0u)
        << err_[1];
}

TEST_F(RegisteredModule, SavedPropertiesLoadIntoANewControl) {
    const std::string saved = file("pie.qdp");
    EXPECT_EQ(run("new pie qdProgressControls.qdProgressPie 1500 1500\n"
                  "pie.Value = 40\n"
                  "pie.Min = NaN\n"
                  "pie.LabelColor = 0xFF8000\n"
                  "trace on\n"
                  "save pie \"" +
                  saved + "\"\n"),
              0);
    EXPECT_EQ(out_.front(), "store.WriteProperty \"Min\", NaN");
    EXPECT_EQ(out_.size(), 16u);
    const std::string text = read_file(saved);
    EXPECT_EQ(
        text.rfind("# qdProgressControls.qdProgressPie\nMin = float32 NaN\nMax = float32 100\n"
                   "Value = float32 40\n",
                   0),
        0u)
        << text;
    EXPECT_NE(text.find("LabelColor = int32 16744448\n"), std::string::npos);

    EXPECT_EQ(run("trace on\n"
                  "load copy qdProgressControls.qdProgressPie \"" +
                  saved +
                  "\"\n"
                  "trace off\n"
                  "print copy.Value\n"
                  "print copy.Min\n"
                  "print copy.LabelColor\n"),
              0);
    EXPECT_EQ(out_.front(), "store.ReadProperty \"Min\", 0 -> NaN");
    EXPECT_TRUE(printed("store.ReadProperty \"Value\", 0 -> 40"));
    const Lines tail(out_.end() - 3, out_.end());
    EXPECT_EQ(tail, (Lines{"40", "NaN", "16744448"}));
}

TEST_F(RegisteredModule, ADamagedPropertyFileNamesItsLineAndKeyAndCreatesNothing) {
    const std::string path = file("bad.qdp");
    std::ofstream(path) << "Min = float32 0\nMax = float32 100\nValue = float32 forty\n";
    EXPECT_EQ(run("load pie qdProgressControls.qdProgressPie " + path + "\nprint pie.Value\n"), 2);
    ASSERT_EQ(err_.size(), 2u);
    EXPECT_EQ(err_[0], "error: 1: load pie qdProgressControls.qdProgressPie " + path +
                           ": 0x80004005 Unspecified error: " + path +
                           ":3: key 'Value': not a float32 number: 'forty'");
    EXPECT_NE(err_[1].find("no control named pie"), std::string::npos);

    // A stored text that is no number fails the control's own conversion.
    std::ofstream(path) << "Min = text \"low\"\n";
    EXPECT_EQ(run("load pie qdProgressControls.qdProgressPie " + path + "\n"), 1);
    ASSERT_EQ(err_.size(), 1u);
    EXPECT_NE(err_[0].find("0x800A000D Type mismatch"), std::string::npos) << err_[0];
}

// ---- The executable --------------------------------------------------------------------------

TEST_F(RegisteredModule, TheExecutableRunsTheDemoAndAnswersWithItsExitStatus) {
    const Outcome demo = qdhost(std::string("run '") + QD_DEMO_SCRIPT + "'", dir_);
    EXPECT_EQ(demo.status, 0) << demo.output;
    EXPECT_NE(demo.output.find("lblText.Caption = \"40/100\"\n"), std::string::npos);
    EXPECT_NE(demo.output.find("\nstore.WriteProperty \"Aspect\", 1\n"), std::string::npos);
    EXPECT_NE(read_file(file("pie_demo.qdp")).find("Value = float32 40\n"), std::string::npos);

    std::ofstream(file("fails.qds")) << "new pie qdProgressControls.qdProgressPie\npie.Value = x\n"
                                        "print pie.Value\n";
    const Outcome failing = qdhost("run fails.qds", dir_);
    EXPECT_EQ(failing.status, 1);
    EXPECT_EQ(failing.output,
              "error: 2: pie.Value = x: 0x80070057 One or more arguments are invalid: 'x' is not a "
              "value (a number, 0xHEX, True, False or a \"quoted text\")\n75\n");

    EXPECT_EQ(qdhost("run - < fails.qds", dir_).status, 1);
    const Outcome missing = qdhost("run nowhere.qds", dir_);
    EXPECT_EQ(missing.status, 2);
    EXPECT_NE(missing.output.find("cannot read nowhere.qds"), std::string::npos);
    EXPECT_EQ(qdhost("run").status, 2);
    EXPECT_EQ(qdhost("").status, 2);
    EXPECT_EQ(qdhost("frobnicate").status, 2);
    EXPECT_EQ(qdhost("register nowhere.so").status, 2);
    EXPECT_EQ(qdhost("typelib").status, 2);
    EXPECT_EQ(qdhost("--help").status, 0);
    for (const char* command : {"run", "register", "unregister", "typelib"}) {
        const Outcome help = qdhost(std::string(command) + " --help");
        EXPECT_EQ(help.status, 0) << command;
        EXPECT_EQ(help.output.rfind(std::string("usage: qdhost ") + command, 0), 0u) << command;
    }

    const Outcome typelib = qdhost(std::string("typelib '") + QD_MODULE_PATH + "'");
    EXPECT_EQ(typelib.status, 0);
    EXPECT_NE(typelib.output.find("qdProgressPie"), std::string::npos);

    // Unregistered, the class is no longer found; registered again, it is.
    EXPECT_EQ(qdhost(std::string("unregister '") + QD_MODULE_PATH + "'").status, 0);
    EXPECT_EQ(qdhost("run fails.qds", dir_).status, 1);
    EXPECT_NE(qdhost("run fails.qds", dir_).output.find("Class not registered"), std::string::npos);
    EXPECT_EQ(qdhost(std::string("register '") + QD_MODULE_PATH + "'").status, 0);
}

}  // namespace
}  // namespace qd::qdhost
