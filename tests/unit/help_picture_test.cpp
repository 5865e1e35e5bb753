// The help picture embedded in the program: a progressive JFIF JPEG of 1425x982 pixels,
// three components, 96 dpi. Read from the file's own bytes.
#include <gtest/gtest.h>

#include <cstdint>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

std::vector<std::uint8_t> read_file(const char* path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

unsigned be16(const std::vector<std::uint8_t>& d, std::size_t at) {
    return d[at] << 8 | d[at + 1];
}

TEST(HelpPicture, IsAProgressiveJfifJpegOf1425By982) {
    const std::vector<std::uint8_t> d = read_file(HELP_PICTURE_PATH);
    ASSERT_GT(d.size(), 4u) << HELP_PICTURE_PATH;
    EXPECT_GT(d.size(), 60'000u);
    EXPECT_LT(d.size(), 140'000u);
    ASSERT_EQ(be16(d, 0), 0xFFD8u) << "starts with SOI";
    bool jfif = false, progressive = false, baseline = false;
    for (std::size_t at = 2; at + 4 <= d.size() && d[at] == 0xFF;) {
        const unsigned marker = d[at + 1], length = be16(d, at + 2);
        const std::size_t body = at + 4;
        if (marker == 0xE0 &&
            std::string(d.begin() + body, d.begin() + body + 5) == std::string("JFIF\0", 5)) {
            jfif = true;
            EXPECT_EQ(d[body + 5], 1) << "JFIF major version";
            EXPECT_EQ(d[body + 6], 1) << "JFIF minor version";
            EXPECT_EQ(d[body + 7], 1) << "density in dots per inch";
            EXPECT_EQ(be16(d, body + 8), 96u);
            EXPECT_EQ(be16(d, body + 10), 96u);
        }
        if (marker == 0xC0) baseline = true;
        if (marker == 0xC2) {
            progressive = true;
            EXPECT_EQ(be16(d, body + 1), 982u) << "height";
            EXPECT_EQ(be16(d, body + 3), 1425u) << "width";
            EXPECT_EQ(d[body + 5], 3) << "components";
        }
        if (marker == 0xDA) break;  // entropy-coded data follows
        at += 2 + length;
    }
    EXPECT_TRUE(jfif);
    EXPECT_TRUE(progressive);
    EXPECT_FALSE(baseline);
}

}  // namespace
