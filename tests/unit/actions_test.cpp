#include <gtest/gtest.h>

#include <string>

#include "link/handlers.h"
#include "link/shell_target.h"
#include "tests/unit/fake_platform_test.h"
#include "ui/help_window.h"

namespace {

using enum MainControl;
using Actions = FakePlatformTest;

TEST_F(Actions, CopyAndPlayHandTheResultBoxOnVerbatim) {
    const std::string texts[] = {"http://music.163.com/song/media/outer/url?id=1.mp3",
                                 "\xB8\xE8 not a link", ""};
    for (const std::string& text : texts) {
        SCOPED_TRACE(text);
        reset_fake();
        fake().boxes[编辑框2] = text;
        fake().boxes[编辑框1] = "ignored";
        copy_link();
        play_link();
        EXPECT_EQ(fake().clipboard, std::vector{text});
        EXPECT_EQ(fake().shell, std::vector{text});
        EXPECT_EQ(fake().reads, (std::vector{编辑框2, 编辑框2}));
        // A Text read is released once; the "" used for an empty box is never released.
        const std::size_t reads_with_text = text.empty() ? 0 : 2;
        EXPECT_EQ(fake().allocations, reads_with_text);
        EXPECT_EQ(fake().frees, reads_with_text);
    }
}

TEST_F(Actions, CopyIgnoresAFailedClipboard) {
    fake().boxes[编辑框2] = "x";
    fake().clipboard_result = false;
    copy_link();
    EXPECT_EQ(fake().clipboard, std::vector<std::string>{"x"});
    EXPECT_EQ(fake().boxes[编辑框2], "x");
}

TEST_F(Actions, HomePageIsOpenedWhateverTheBoxesHold) {
    fake().boxes[编辑框3] = "http://elsewhere/";
    fake().boxes[编辑框2] = "something";
    open_home_page();
    EXPECT_EQ(fake().shell, std::vector<std::string>{"https://music.163.com"});
    EXPECT_TRUE(fake().reads.empty());
    EXPECT_EQ(fake().allocations, 0u);
}

TEST_F(Actions, HelpOpensTheHelpWindowInDialogMode) {
    show_help();
    ASSERT_EQ(fake().opened.size(), 1u);
    EXPECT_EQ(fake().opened[0].window, &help_window);
    EXPECT_TRUE(fake().opened[0].dialog_mode);
    EXPECT_TRUE(fake().reads.empty());
}

TEST_F(Actions, ShellTargetEscapesOnlyDoubleQuotes) {
    const struct {
        const char* in;
        const char* out;
    } cases[] = {
        {"", ""},
        {"http://a/b?c=1 2", "http://a/b?c=1 2"},
        {"1\" --new-window \"x", "1%22 --new-window %22x"},
        {"\"\"", "%22%22"},
        {"\xB8\xE8%22'", "\xB8\xE8%22'"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.in);
        OwnedText target{shell_target(c.in)};
        EXPECT_STREQ(target.get(), c.out);
    }
}

}  // namespace
