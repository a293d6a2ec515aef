// The GIF writer: frames come back as they went in when they have few colours, and close to
// them when giflib has to reduce the palette.
#ifdef QD_HAVE_GIF
#include "tools/qdhost/demo/gif_writer.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <string>

namespace qd::qdhost::demo {
namespace {

using host::Image;

int channel(std::uint32_t p, int shift) {
    return static_cast<int>((p >> shift) & 0xFF);
}

class GifFile : public ::testing::Test {
  protected:
    void TearDown() override { ::unlink(path_.c_str()); }
    std::string path_ = "/tmp/qd-gif-test-" + std::to_string(::getpid()) + ".gif";
};

TEST_F(GifFile, FewColoursRoundTripExactlyAndManyStayClose) {
    // Frame 1: 256 distinct colours exactly (the most an exact palette holds); frame 2: a
    // smooth gradient of 4096 colours that must be quantised.
    Image exact(16, 16, 0), smooth(64, 64, 0);
    for (int i = 0; i < 256; ++i)
        exact.pixels[i] = static_cast<std::uint32_t>(i * 0x010305) & 0xFFFFFF;
    for (int y = 0; y < 64; ++y)
        for (int x = 0; x < 64; ++x)
            smooth.row(y)[x] = static_cast<std::uint32_t>(x * 4) | (y * 4) << 8 | 0x80 << 16;

    std::string error;
    ASSERT_TRUE(write_gif(path_, {exact, exact}, 5, 100, &error)) << error;
    std::vector<Image> back;
    ASSERT_TRUE(read_gif(path_, &back, &error)) << error;
    ASSERT_EQ(back.size(), 2u);
    EXPECT_EQ(back[0].pixels, exact.pixels);
    EXPECT_EQ(back[1].pixels, exact.pixels);

    ASSERT_TRUE(write_gif(path_, {smooth}, 5, 100, &error)) << error;
    ASSERT_TRUE(read_gif(path_, &back, &error)) << error;
    ASSERT_EQ(back.size(), 1u);
    int worst = 0;
    for (std::size_t i = 0; i < smooth.pixels.size(); ++i)
        for (int shift : {0, 8, 16})
            worst = std::max(worst, std::abs(channel(back[0].pixels[i], shift) -
                                             channel(smooth.pixels[i], shift)));
    EXPECT_LE(worst, 40);  // giflib reduces to 5 bits a channel before its median cut
}

TEST_F(GifFile, RefusesWhatItCannotWrite) {
    std::string error;
    EXPECT_FALSE(write_gif(path_, {}, 5, 5, &error));
    EXPECT_FALSE(write_gif(path_, {Image(4, 4, 0), Image(5, 4, 0)}, 5, 5, &error));
    EXPECT_EQ(error, "frames differ in size");
    EXPECT_FALSE(write_gif("/nonexistent-folder/x.gif", {Image(4, 4, 0)}, 5, 5, &error));
    EXPECT_NE(error.find("/nonexistent-folder/x.gif"), std::string::npos) << error;
}

}  // namespace
}  // namespace qd::qdhost::demo
#endif
