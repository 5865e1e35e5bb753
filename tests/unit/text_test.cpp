#include <gtest/gtest.h>

#include <unistd.h>
#include <sys/mman.h>

#include <cstring>
#include <string>

#include "link/text.h"
#include "tests/unit/fake_platform_test.h"

namespace {

const char prefix[] = "http://music.163.com/song/media/outer/url?id=";
const char gequ[] = "\xB8\xE8\xC7\xFA";  // 歌曲 in code page 936

struct JoinCase {
    const char* label;
    const char* a;
    const char* b;
    const char* c;
    std::string expected;
};

using JoinTexts = FakePlatformTest;

TEST_F(JoinTexts, JoinsPartsInOrderWithOneAllocation) {
    const std::string long_id(30000, '7');
    const JoinCase cases[] = {
        {"default link", prefix, "864443401", ".mp3", std::string(prefix) + "864443401.mp3"},
        {"null id", prefix, nullptr, ".mp3", std::string(prefix) + ".mp3"},
        {"all null", nullptr, nullptr, nullptr, ""},
        {"empty strings", "", "", "", ""},
        {"null prefix and suffix", nullptr, "1", nullptr, "1"},
        {"chinese bytes kept", prefix, gequ, ".mp3", std::string(prefix) + gequ + ".mp3"},
        {"spaces kept", "", " 1 2 ", "", " 1 2 "},
        {"long id", prefix, long_id.c_str(), ".mp3", prefix + long_id + ".mp3"},
    };
    for (const JoinCase& c : cases) {
        SCOPED_TRACE(c.label);
        const std::size_t before = fake().allocations;
        OwnedText joined{join_texts(c.a, c.b, c.c)};
        ASSERT_NE(joined, nullptr);
        EXPECT_EQ(std::string(joined.get()), c.expected);
        EXPECT_EQ(fake().allocations - before, 1u);
        EXPECT_EQ(fake().allocation_sizes.back(), c.expected.size() + 1);
    }
}

TEST_F(JoinTexts, TakesAnyNumberOfParts) {
    OwnedText one{join_texts("only")};
    EXPECT_STREQ(one.get(), "only");
    OwnedText five{join_texts("a", nullptr, "bc", "", "d")};
    EXPECT_STREQ(five.get(), "abcd");
}

TEST_F(JoinTexts, TextBasics) {
    EXPECT_EQ(text_length(nullptr), 0u);
    EXPECT_EQ(text_length(gequ), 4u);  // bytes, not characters
    text_release(nullptr);
    EXPECT_EQ(fake().frees, 0u);
}

// Every length up to 300 at each of the 64 offsets from an aligned address: the terminator
// falls in every position of a 16-byte block and of a 64-byte round. Bytes of 0x80 and
// above (half of a Chinese character) never count as the terminator.
TEST(TextLength, MeasuresAtEveryAlignment) {
    alignas(64) static char buffer[64 + 300 + 64];
    for (std::size_t offset = 0; offset < 64; ++offset) {
        for (std::size_t length = 0; length <= 300; ++length) {
            std::memset(buffer, 0, sizeof buffer);  // zeros before the text are not its end
            for (std::size_t i = 0; i < length; ++i) {
                buffer[offset + i] = static_cast<char>(i % 2 ? 0xFF : 0x80 + i % 100);
            }
            buffer[offset + length] = '\0';
            buffer[offset + length + 1] = 'x';
            ASSERT_EQ(text_length(buffer + offset), length) << "offset " << offset;
        }
    }
}

// A text whose terminator is the last byte before an unreadable page is measured without
// touching that page.
TEST(TextLength, StopsAtTheEndOfTheLastReadablePage) {
    const long page = sysconf(_SC_PAGESIZE);
    auto* pages = static_cast<char*>(
        mmap(nullptr, 2 * page, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0));
    ASSERT_NE(pages, MAP_FAILED);
    ASSERT_EQ(mprotect(pages + page, page, PROT_NONE), 0);
    std::memset(pages, '7', page);
    for (std::size_t length : {0u, 1u, 15u, 16u, 63u, 64u, 100u, 4000u}) {
        pages[page - 1] = '\0';
        EXPECT_EQ(text_length(pages + page - 1 - length), length);
    }
    munmap(pages, 2 * page);
}

using JoinTextsDeathTest = FakePlatformTest;

TEST_F(JoinTextsDeathTest, ExhaustedMemoryTakesTheFatalEnding) {
    fake().refuse_size = sizeof prefix + 13;  // prefix + "864443401.mp3" + terminator
    EXPECT_EXIT(join_texts(prefix, "864443401", ".mp3"), ::testing::ExitedWithCode(255),
                "error box: .*无法分配 59 字节");
    fake().refuse_size.reset();
}

}  // namespace
