// Form files: reading past damaged lines, writing back what was read, atomic replacement.
#include "host/persist/form_file.h"

#include <gtest/gtest.h>
#include <stdlib.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "host/container/picture_file.h"
#include "host/persist/property_value.h"
#include "host/raster/png_io.h"
#include "tests/support/temp_folder.h"

namespace qd::host {
namespace {

using test::read_file;

TEST(FormFile, DamagedLinesAreReportedWithLineControlAndKeyAndTheRestLoads) {
    const std::string text =
        "# a form\n"                                                               // 1
        "Stray = float32 1\n"                                                      // 2
        "[form 6000 3000]\n"                                                       // 3
        "[control pie qdProgressControls.qdProgressPie 120 90 1500 1500]\n"        // 4
        "Min = float32 0\n"                                                        // 5
        "Value = float32 forty\n"                                                  // 6
        "Max = float32 200\n"                                                      // 7
        "Max = float32 300\n"                                                      // 8
        "[control bar qdProgressControls.qdProgressBar 1 2 wide 450]\n"            // 9
        "Value = float32 10\n"                                                     // 10
        "[control pie qdProgressControls.qdProgressBar 0 0 10 10]\n"               // 11
        "[control single qdxProgressPieControl.qdxProgressPie -15 0 2250 2250]\n"  // 12
        "Value = float32 80\n";                                                    // 13
    std::vector<FormFileError> errors;
    const Form form = parse_form(text, "f.qdf", &errors);

    ASSERT_TRUE(form.extent.has_value());
    EXPECT_EQ(form.extent->width, 6000);
    ASSERT_EQ(form.controls.size(), 2u);
    const FormControl& pie = form.controls[0];
    EXPECT_EQ(pie.name, "pie");
    EXPECT_EQ(pie.line, 4);
    EXPECT_EQ(pie.left, 120);
    EXPECT_EQ(pie.top, 90);
    ASSERT_EQ(pie.properties.size(), 2u);  // Min and the first Max
    EXPECT_EQ(pie.properties[1].key, "Max");
    EXPECT_EQ(pie.properties[1].value, Variant(200.0f));
    EXPECT_EQ(form.controls[1].name, "single");
    EXPECT_EQ(form.controls[1].left, -15);
    EXPECT_EQ(form.controls[1].properties.size(), 1u);

    ASSERT_EQ(errors.size(), 5u);
    EXPECT_EQ(errors[0].line(), 2);
    EXPECT_EQ(errors[0].control(), "");
    EXPECT_EQ(std::string(errors[1].what()),
              "f.qdf:6: control pie: key 'Value': not a float32 number: 'forty'");
    EXPECT_EQ(errors[2].line(), 8);
    EXPECT_EQ(errors[2].key(), "Max");
    // A damaged header loses its control, and its lines are not charged to the one before.
    EXPECT_EQ(errors[3].line(), 9);
    EXPECT_EQ(errors[3].control(), "bar");
    EXPECT_NE(std::string(errors[3].what()).find("WIDTH 'wide'"), std::string::npos);
    EXPECT_EQ(errors[4].line(), 11);
    EXPECT_NE(std::string(errors[4].what()).find("earlier"), std::string::npos);
}

TEST(FormFile, WhatIsWrittenReadsBackTheSame) {
    Form form{FormExtent{7800, 3300}, {}};
    form.controls.push_back({"pie",
                             "qdProgressControls.qdProgressPie",
                             150,
                             150.5f,
                             2400,
                             2400,
                             {{"Value", Variant(62.5f)},
                              {"LabelSize", Variant(std::int16_t(16))},
                              {"Caption", Variant(std::string_view("a \"b\"\n"))}},
                             0,
                             {}});
    form.controls.push_back(
        {"bar", "qdProgressControls.qdProgressBar", 0, 0, 4950, 600, {}, 0, {}});
    const std::string text = format_form(form);
    std::vector<FormFileError> errors;
    const Form back = parse_form(text, "f.qdf", &errors);
    EXPECT_TRUE(errors.empty());
    EXPECT_EQ(format_form(back), text);
    ASSERT_EQ(back.controls.size(), 2u);
    EXPECT_EQ(back.controls[0].top, 150.5f);
    EXPECT_EQ(back.controls[0].properties[2].value, form.controls[0].properties[2].value);

    form.controls[1].name = "two words";
    EXPECT_THROW(format_form(form), PropertyValueError);
}

class SavedFiles : public ::testing::Test {
  protected:
    std::size_t entries() const { return folder_.count(); }
    test::TempFolder folder_{"qdhost-form"};
    std::string dir_ = folder_.path().string();
};

// A write that stops part-way, as a full disk would.
bool fail_halfway(int fd, std::string_view bytes) {
    write_all(fd, bytes.substr(0, bytes.size() / 2));
    errno = ENOSPC;
    return false;
}

TEST_F(SavedFiles, AFailedSaveLeavesTheOldFormAndPictureByteForByte) {
    const std::string path = dir_ + "/dash.qdf";
    Form form{std::nullopt,
              {{"pie",
                "qdProgressControls.qdProgressPie",
                0,
                0,
                1500,
                1500,
                {{"Value", Variant(40.0f)}},
                0,
                {}}}};
    save_form_file(path, form);
    const std::string before = read_file(path);

    form.controls[0].properties[0].value = Variant(90.0f);
    EXPECT_THROW(save_form_file(path, form, fail_halfway), FileWriteError);
    EXPECT_EQ(read_file(path), before);
    EXPECT_EQ(entries(), 1u);  // no temporary left behind
    save_form_file(path, form);
    EXPECT_NE(read_file(path).find("Value = float32 90"), std::string::npos);

    const std::string png = dir_ + "/view.png";
    Image picture(3, 2, 0x00FF0000);
    picture.pixels[1] = 0x000000FF;
    save_png(png, picture);
    const std::string old_png = read_file(png);
    EXPECT_THROW(save_png(png, Image(5, 5, 0), fail_halfway), FileWriteError);
    EXPECT_EQ(read_file(png), old_png);
    Image back;
    ASSERT_TRUE(read_png(png, &back));
    EXPECT_EQ(back.pixels, picture.pixels);
    EXPECT_THROW(save_png(dir_ + "/empty.png", Image()), FileWriteError);
    EXPECT_THROW(save_png(dir_ + "/no/such/folder.png", picture), FileWriteError);
    EXPECT_EQ(entries(), 2u);
}

}  // namespace
}  // namespace qd::host
