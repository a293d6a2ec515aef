// The script language: value forms, statements, and the error lines of bad statements.
#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <string>
#include <vector>

#include "tools/qdhost/script_runner.h"
#include "tools/qdhost/script_syntax.h"

namespace qd::qdhost {
namespace {

TEST(ScriptValue, EachFormBecomesTheVariantAPutReceives) {
    EXPECT_EQ(parse_value("40"), Variant(std::int32_t{40}));
    EXPECT_EQ(parse_value("-5"), Variant(std::int32_t{-5}));
    EXPECT_EQ(parse_value("+7"), Variant(std::int32_t{7}));
    // Beyond 32 bits an integer is still a number.
    EXPECT_EQ(parse_value("3000000000"), Variant(3e9));
    EXPECT_EQ(parse_value("2.5"), Variant(2.5));
    EXPECT_EQ(parse_value(".5"), Variant(0.5));
    EXPECT_EQ(parse_value("1e-3"), Variant(1e-3));
    EXPECT_EQ(parse_value("-2.5E+2"), Variant(-250.0));
    EXPECT_EQ(parse_value("1e40"), Variant(1e40));  // the put's coercion decides about a single

    const Variant nan = parse_value("NaN");
    ASSERT_EQ(nan.type(), VarType::Float64);
    EXPECT_TRUE(std::isnan(nan.r8()));
    EXPECT_EQ(parse_value("Inf").r8(), INFINITY);
    EXPECT_EQ(parse_value("-Inf").r8(), -INFINITY);
    EXPECT_EQ(parse_value("nan").type(), VarType::Float64);

    // Hex integers are 32-bit patterns, so system colours keep their high bit.
    EXPECT_EQ(parse_value("0x00FFFF"), Variant(std::int32_t{0xFFFF}));
    EXPECT_EQ(parse_value("&H8000000F"), Variant(static_cast<std::int32_t>(0x8000000Fu)));
    EXPECT_EQ(parse_value("0xFFFFFFFF"), Variant(std::int32_t{-1}));

    EXPECT_EQ(parse_value("True"), Variant::boolean(true));
    EXPECT_EQ(parse_value("false"), Variant::boolean(false));
    EXPECT_EQ(parse_value("\"150\""), Variant("150"));
    EXPECT_EQ(parse_value("\"say \"\"hi\"\" # not a comment\""),
              Variant("say \"hi\" # not a comment"));
    EXPECT_EQ(parse_value("\"\""), Variant(""));

    for (const char* bad : {"", "abc", "1.2.3", "0x", "0x123456789", "0xG1", "12abc", "\"open",
                            "\"a\" b", "infinity", "--1", "1e999"})
        EXPECT_THROW(parse_value(bad), SyntaxError) << bad;
}

TEST(ScriptStatement, EachStatementAndItsArguments) {
    EXPECT_FALSE(parse_statement(""));
    EXPECT_FALSE(parse_statement("   # a comment"));

    const auto created = std::get<NewStatement>(*parse_statement("new pie qd.Pie"));
    EXPECT_EQ(created.name, "pie");
    EXPECT_EQ(created.progid, "qd.Pie");
    EXPECT_FALSE(created.extent);
    const auto sized = std::get<NewStatement>(*parse_statement("new pie qd.Pie 3000 1500.5"));
    ASSERT_TRUE(sized.extent);
    EXPECT_EQ(sized.extent->width, 3000.0f);
    EXPECT_EQ(sized.extent->height, 1500.5f);

    const auto loaded = std::get<LoadStatement>(*parse_statement("load p2 qd.Pie \"my pie.qdp\""));
    EXPECT_EQ(loaded.file, "my pie.qdp");

    const auto put = std::get<PutStatement>(*parse_statement("pie.Value = 40  # progress"));
    EXPECT_EQ(put.name, "pie");
    EXPECT_EQ(put.property, "Value");
    EXPECT_EQ(put.value, Variant(std::int32_t{40}));
    const auto text = std::get<PutStatement>(*parse_statement("pie.Tag=\"a = b\""));
    EXPECT_EQ(text.value, Variant("a = b"));

    const auto print = std::get<PrintStatement>(*parse_statement("print pie.Aspect"));
    EXPECT_EQ(print.property, "Aspect");
    EXPECT_EQ(std::get<CallStatement>(*parse_statement("pie.Refresh")).method, "Refresh");
    EXPECT_EQ(std::get<ResizeStatement>(*parse_statement("resize pie 600 450")).extent.height,
              450.0f);
    EXPECT_EQ(std::get<SaveStatement>(*parse_statement("save pie out.qdp")).file, "out.qdp");
    EXPECT_TRUE(std::get<TraceStatement>(*parse_statement("trace on")).on);
    EXPECT_FALSE(std::get<TraceStatement>(*parse_statement("trace off")).on);
    EXPECT_EQ(std::get<LabelStatement>(*parse_statement("label pie")).name, "pie");

    for (const char* bad :
         {"new pie", "new pie qd.Pie 3000", "new pie qd.Pie -1 10", "new pie qd.Pie NaN 10",
          "new 9pie qd.Pie", "load pie qd.Pie", "print pie", "print pie.", "resize pie 10",
          "save pie a.qdp extra", "trace", "trace maybe", "label", "pie.Value =", "pie = 3",
          "pie.Value 3", "a b.c = 1", "frobnicate pie", "pie.Val.ue"})
        EXPECT_THROW(parse_statement(bad), SyntaxError) << bad;
}

TEST(ScriptRunner, BadStatementsPrintTheirLineAndTheRestRuns) {
    std::vector<std::string> out, err;
    ScriptRunner runner([&](std::string_view l) { out.emplace_back(l); },
                        [&](std::string_view l) { err.emplace_back(l); });
    const int failures = runner.run_text(
        "# header\n"
        "frobnicate pie   # typo\n"
        "\n"
        "pie.Value = 40\n"
        "trace on\n"
        "print pie.Value\n"
        "pie.Value = 0xZZ\n");
    EXPECT_EQ(failures, 4);
    ASSERT_EQ(err.size(), 4u);
    EXPECT_EQ(err[0].rfind("error: 2: frobnicate pie: 0x80070057 ", 0), 0u) << err[0];
    EXPECT_NE(err[0].find("unknown statement 'frobnicate'"), std::string::npos);
    EXPECT_EQ(err[1],
              "error: 4: pie.Value = 40: 0x80070057 One or more arguments are invalid: "
              "no control named pie");
    EXPECT_EQ(err[2].rfind("error: 6: print pie.Value: 0x80070057", 0), 0u);
    EXPECT_EQ(err[3].rfind("error: 7: pie.Value = 0xZZ: 0x80070057", 0), 0u);
    EXPECT_TRUE(out.empty());
}

}  // namespace
}  // namespace qd::qdhost
