// Property files: typed values that read back bit for bit, damaged lines named by file, line and
// key, and saves that never leave a half-written file.
#include <gtest/gtest.h>
#include <stdlib.h>
#include <unistd.h>

#include <bit>
#include <cerrno>
#include <cmath>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <limits>
#include <sstream>

#include "host/persist/property_file.h"
#include "host/persist/property_value.h"
#include "tests/support/temp_folder.h"

namespace qd::host {
namespace {

std::uint32_t bits_after_round_trip(std::uint32_t bits) {
    const std::string text = format_property_value(Variant(std::bit_cast<float>(bits)));
    const Variant back = parse_property_value(text);
    EXPECT_EQ(back.type(), VarType::Float32) << text;
    return std::bit_cast<std::uint32_t>(back.r4());
}

TEST(PropertyValue, EverySingleReadsBackBitForBit) {
    // Zeros, denormals, the extremes, infinities and NaNs of either sign and any payload.
    for (const std::uint32_t bits :
         {0x00000000u, 0x80000000u, 0x00000001u, 0x807FFFFFu, 0x00800000u, 0x7F7FFFFFu, 0xFF7FFFFFu,
          0x7F800000u, 0xFF800000u, 0x7FC00000u, 0xFFC00000u, 0x7F800001u, 0x7FA00000u, 0xFFFFFFFFu,
          0x3DCCCCCDu /* 0.1 */})
        EXPECT_EQ(bits_after_round_trip(bits), bits) << std::hex << bits;
    // A stride through the whole 32-bit space that lands on every exponent and many mantissas.
    for (std::uint64_t b = 0; b <= 0xFFFFFFFFu; b += 4093) {
        const auto bits = static_cast<std::uint32_t>(b);
        ASSERT_EQ(bits_after_round_trip(bits), bits) << std::hex << bits;
    }
    EXPECT_EQ(format_property_value(Variant(-0.0f)), "float32 -0");
    EXPECT_EQ(format_property_value(Variant(std::numeric_limits<float>::quiet_NaN())),
              "float32 NaN");
    EXPECT_EQ(format_property_value(Variant(-std::numeric_limits<float>::infinity())),
              "float32 -Inf");
    EXPECT_EQ(format_property_value(Variant(0.1f)), "float32 0.1");
    EXPECT_EQ(format_property_value(Variant(std::bit_cast<float>(0x7F800001u))),
              "float32 NaN(0x7F800001)");
}

TEST(PropertyValue, OtherTypesKeepTheirTypeAndValue) {
    const Variant values[] = {Variant(),
                              Variant(std::int16_t{-32768}),
                              Variant(std::int32_t{14737632}),
                              Variant(static_cast<std::int32_t>(0x8000000Fu)),
                              Variant(0.1),
                              Variant(-0.0),
                              Variant(std::bit_cast<double>(0xFFF8000000000001ull)),
                              Variant::boolean(true),
                              Variant::boolean(false),
                              Variant("tab\there \"quoted\" back\\slash\nline\x01 é"),
                              Variant("")};
    for (const Variant& v : values) {
        const std::string text = format_property_value(v);
        EXPECT_EQ(text.find('\n'), std::string::npos) << "one line: " << text;
        const Variant back = parse_property_value(text);
        EXPECT_EQ(back.type(), v.type()) << text;
        if (v.type() == VarType::Float64)
            EXPECT_EQ(std::bit_cast<std::uint64_t>(back.r8()), std::bit_cast<std::uint64_t>(v.r8()))
                << text;
        else
            EXPECT_EQ(back, v) << text;
    }
    EXPECT_EQ(format_property_value(Variant(std::int16_t{12})), "int16 12");
    EXPECT_EQ(format_property_value(Variant::boolean(true)), "bool true");
    EXPECT_EQ(format_property_value(Variant("a\"b")), "text \"a\\\"b\"");

    for (const char* bad : {"",
                            "float32",
                            "float32 abc",
                            "float32 1e39",
                            "float32 nan",
                            "float32 +1",
                            "float32 1 ",
                            "int16 40000",
                            "int16 1.5",
                            "int32 0x10",
                            "bool yes",
                            "text abc",
                            "text \"a\"b\"",
                            "text \"\\q\"",
                            "text \"\\x4\"",
                            "empty 0",
                            "Currency 1",
                            "Single 0",
                            "bool True",
                            "NaN(0x3F800000)",
                            "float32 NaN(0x3F800000)"})
        EXPECT_THROW(parse_property_value(bad), PropertyValueError) << bad;
}

// A test's folder: its files, and how many entries it holds.
struct TempDir : test::TempFolder {
    TempDir() : TempFolder("qdhost-test") {}
    std::size_t entries() const { return count(); }
};

using test::read_file;

TEST(PropertyFile, KeepsWriteOrderAndReportsDamagedLinesByFileLineAndKey) {
    const PropertyList written = {{"Min", Variant(0.0f)},
                                  {"Value", Variant(std::numeric_limits<float>::quiet_NaN())},
                                  {"BorderShow", Variant::boolean(true)},
                                  {"LabelSize", Variant(std::int16_t{12})},
                                  {"BorderColor", Variant(std::int32_t{14737632})}};
    const std::string text = format_property_file(written, "qdProgressControls.qdProgressPie");
    EXPECT_EQ(text,
              "# qdProgressControls.qdProgressPie\n"
              "Min = float32 0\n"
              "Value = float32 NaN\n"
              "BorderShow = bool true\n"
              "LabelSize = int16 12\n"
              "BorderColor = int32 14737632\n");
    const PropertyList read = parse_property_file(text, "pie.qdp");
    ASSERT_EQ(read.size(), written.size());
    for (std::size_t i = 0; i < read.size(); ++i)
        EXPECT_EQ(read[i].key, written[i].key);
    EXPECT_TRUE(std::isnan(read[1].value.r4()));

    // Blanks, comments and CR line ends are allowed around the entries.
    EXPECT_EQ(parse_property_file("\r\n  # note\r\n  Max   =   float32 100  \r\n", "f").size(), 1u);

    const std::string damaged =
        "# pie\n"
        "Min = float32 0\n"
        "\n"
        "Max = float32 1OO\n"
        "just text\n"
        "Min = float32 5\n"
        "= int32 1\n"
        "Aspect = float32 0.75\n";
    try {
        parse_property_file(damaged, "pie.qdp");
        FAIL() << "a damaged line must not load";
    } catch (const PropertyFileError& e) {
        EXPECT_EQ(e.file(), "pie.qdp");
        EXPECT_EQ(e.line(), 4);
        EXPECT_EQ(e.key(), "Max");
        EXPECT_EQ(std::string(e.what()), "pie.qdp:4: key 'Max': not a float32 number: '1OO'");
    }
    std::vector<PropertyFileError> errors;
    const PropertyList good = parse_property_file(damaged, "pie.qdp", &errors);
    ASSERT_EQ(good.size(), 2u);
    EXPECT_EQ(good[1].key, "Aspect");
    ASSERT_EQ(errors.size(), 4u);
    EXPECT_EQ(errors[1].line(), 5);
    EXPECT_EQ(errors[1].key(), "");
    EXPECT_EQ(std::string(errors[2].what()),
              "pie.qdp:6: key 'Min': given twice (keys match in any letter case)");
    EXPECT_EQ(errors[3].line(), 7);

    EXPECT_THROW(format_property_file({{"Bad Key", Variant(1)}}), PropertyValueError);
    EXPECT_THROW(format_property_file({{"", Variant(1)}}), PropertyValueError);

    TempDir dir;
    try {
        load_property_file(dir.file("missing.qdp"));
        FAIL() << "a missing file must not load";
    } catch (const PropertyFileError& e) {
        EXPECT_EQ(e.line(), 0);
        EXPECT_NE(std::string(e.what()).find("missing.qdp: cannot open"), std::string::npos);
    }
}

TEST(PropertyFile, AFailedSaveLeavesTheOldFileWhole) {
    TempDir dir;
    const std::string path = dir.file("pie.qdp");
    const PropertyList old_properties = {{"Value", Variant(40.0f)}};
    save_property_file(path, old_properties);
    const std::string old_text = read_file(path);
    ASSERT_EQ(old_text, "Value = float32 40\n");

    // The disk fills half-way through the write.
    const PropertyList new_properties = {{"Value", Variant(75.0f)}, {"Min", Variant(0.0f)}};
    const auto half_then_full = [](int fd, std::string_view bytes) {
        write_all(fd, bytes.substr(0, bytes.size() / 2));
        errno = ENOSPC;
        return false;
    };
    try {
        save_property_file(path, new_properties, {}, half_then_full);
        FAIL() << "the failed write must be reported";
    } catch (const FileWriteError& e) {
        EXPECT_NE(std::string(e.what()).find("No space left"), std::string::npos) << e.what();
    }
    EXPECT_EQ(read_file(path), old_text);
    EXPECT_EQ(dir.entries(), 1u) << "the temporary file is removed";

    // A value without a typed form fails before anything is written.
    EXPECT_THROW(save_property_file(path, {{"Picture", Variant(static_cast<IUnknown*>(nullptr))}}),
                 PropertyValueError);
    EXPECT_EQ(read_file(path), old_text);

    EXPECT_THROW(save_property_file(dir.file("no/such/folder/pie.qdp"), old_properties),
                 FileWriteError);

    save_property_file(path, new_properties);
    EXPECT_EQ(load_property_file(path).size(), 2u);
    EXPECT_EQ(dir.entries(), 1u);
}

}  // namespace
}  // namespace qd::host
