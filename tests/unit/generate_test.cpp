#include <gtest/gtest.h>

#include <string>

#include "link/handlers.h"
#include "tests/unit/fake_platform_test.h"

namespace {

using enum MainControl;

const std::string prefix = "http://music.163.com/song/media/outer/url?id=";

struct Boxes {
    std::string prefix, id, suffix, result;
};

struct GenerateCase {
    const char* label;
    Boxes before;
    std::string expected;
};

class GenerateLink : public FakePlatformTest {
protected:
    void set(const Boxes& b) {
        fake().boxes[编辑框3] = b.prefix;
        fake().boxes[编辑框1] = b.id;
        fake().boxes[编辑框4] = b.suffix;
        fake().boxes[编辑框2] = b.result;
    }
};

TEST_F(GenerateLink, WritesPrefixIdSuffixIntoTheResultBox) {
    const std::string long_id(30000, '9');
    const GenerateCase cases[] = {
        {"initial texts", {prefix, "864443401", ".mp3", ""}, prefix + "864443401.mp3"},
        {"empty id", {prefix, "", ".mp3", ""}, prefix + ".mp3"},
        {"all empty", {"", "", "", "old"}, ""},
        {"chinese and spaces verbatim",
         {prefix, " \xB8\xE8 a\"b ", ".mp3", ""},
         prefix + " \xB8\xE8 a\"b .mp3"},
        {"edited prefix, empty suffix", {"X", "1", "", ""}, "X1"},
        {"typed result replaced whole", {prefix, "1", ".mp3", "typed"}, prefix + "1.mp3"},
        {"long id in full", {prefix, long_id, ".mp3", ""}, prefix + long_id + ".mp3"},
    };
    for (const GenerateCase& c : cases) {
        SCOPED_TRACE(c.label);
        set(c.before);
        fake().reads.clear();
        generate_link();
        EXPECT_EQ(fake().boxes[编辑框2], c.expected);
        EXPECT_EQ(fake().reads, (std::vector{编辑框3, 编辑框1, 编辑框4}));
        EXPECT_TRUE(fake().live.empty()) << "a Text was not released";
    }
}

TEST_F(GenerateLink, RepeatedClicksWriteTheSameText) {
    set({prefix, "1", ".mp3", ""});
    generate_link();
    const std::string first = fake().boxes[编辑框2];
    generate_link();
    EXPECT_EQ(fake().boxes[编辑框2], first);
    // Three reads and one join per click, each released once.
    EXPECT_EQ(fake().allocations, 8u);
    EXPECT_EQ(fake().frees, 8u);
}

}  // namespace
