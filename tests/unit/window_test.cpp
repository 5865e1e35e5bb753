#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/window_keys.h"
#include "ui/help_window.h"
#include "ui/layout.h"
#include "ui/main_window.h"
#include "ui/window_order.h"

namespace {

std::vector<std::string> names(const WindowDesc& window, const ControlOrder& order) {
    std::vector<std::string> out;
    for (std::size_t i : order) out.emplace_back(window.controls[i].name);
    return out;
}

TEST(WindowOrder, ControlsAreCreatedFromTheLastPlaceToTheFirst) {
    EXPECT_EQ(names(main_window, creation_order(main_window)),
              (std::vector<std::string>{"编辑框1", "标签1", "编辑框2", "标签2", "按钮1", "编辑框3",
                                        "编辑框4", "按钮2", "按钮3", "按钮4", "按钮5"}));
}

TEST(WindowOrder, TabOrderSkipsLabelsAndKeepsTheBoxesOutOfView) {
    EXPECT_EQ(names(main_window, tab_order(main_window)),
              (std::vector<std::string>{"编辑框1", "编辑框2", "按钮1", "编辑框3", "编辑框4",
                                        "按钮2", "按钮3", "按钮4", "按钮5"}));
    EXPECT_TRUE(tab_order(help_window).empty());
}

TEST(WindowOrder, TabWrapsAtBothEnds) {
    auto index = [](MainControl c) { return static_cast<int>(c) - 1; };
    using enum MainControl;
    EXPECT_EQ(next_tab_stop(main_window, index(按钮5), true), index(编辑框1));
    EXPECT_EQ(next_tab_stop(main_window, index(编辑框1), false), index(按钮5));
    EXPECT_EQ(next_tab_stop(main_window, index(按钮1), true), index(编辑框3));
    // From a control outside the order (a label): the first stop, or the last backwards.
    EXPECT_EQ(next_tab_stop(main_window, index(标签1), true), index(编辑框1));
    EXPECT_EQ(next_tab_stop(main_window, -1, false), index(按钮5));
    EXPECT_EQ(next_tab_stop(help_window, 0, true), -1);
}

TEST(WindowOrder, NamesMatchTheirPlaces) {
    // The MainControl values are the places of the rows that carry those names.
    EXPECT_STREQ(main_window.controls[static_cast<int>(MainControl::编辑框1) - 1].name, "编辑框1");
    EXPECT_STREQ(main_window.controls[static_cast<int>(MainControl::按钮5) - 1].name, "按钮5");
    EXPECT_EQ(main_window.controls.size(), static_cast<std::size_t>(MainControl::编辑框1));
}

TEST(Layout, CentresWithTruncatingDivision) {
    const struct {
        int sw, sh, w, h;
        Point expected;
    } cases[] = {
        {1024, 768, 406, 148, {309, 310}},
        {1025, 769, 406, 148, {309, 310}},  // odd screen: the half pixel is dropped
        {1024, 768, 1098, 704, {-37, 32}},  // wider than the screen: negative left
        {1023, 703, 1098, 704, {-37, 0}},   // -75/2 and -1/2 truncate toward zero
        {300, 100, 406, 148, {-53, -24}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.sw << "x" << c.sh << " window " << c.w);
        EXPECT_EQ(centred_origin(c.sw, c.sh, c.w, c.h), c.expected);
    }
}

TEST(WindowKeys, OnlyUnmodifiedTabEscAndEnterAreWindowKeys) {
    WindowDesc enter_moves = main_window;
    enter_moves.enter_moves_focus = true;
    enter_moves.esc_closes = false;
    const struct {
        const char* label;
        const WindowDesc& window;
        KeyPress press;
        KeyAction expected;
    } cases[] = {
        {"Tab", main_window, {Key::tab, false, false, false}, KeyAction::focus_next},
        {"Shift+Tab", main_window, {Key::tab, true, false, false}, KeyAction::focus_previous},
        {"Ctrl+Tab", main_window, {Key::tab, false, true, false}, KeyAction::pass_on},
        {"Esc", main_window, {Key::escape, false, false, false}, KeyAction::close_window},
        {"Shift+Esc", main_window, {Key::escape, true, false, false}, KeyAction::pass_on},
        {"Esc, setting off", enter_moves, {Key::escape, false, false, false}, KeyAction::pass_on},
        {"Enter", main_window, {Key::enter, false, false, false}, KeyAction::pass_on},
        {"Enter, moves focus",
         enter_moves,
         {Key::enter, false, false, false},
         KeyAction::focus_next},
        {"other", main_window, {Key::other, false, false, false}, KeyAction::pass_on},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        EXPECT_EQ(window_key_action(c.window, c.press), c.expected);
    }
}

}  // namespace
