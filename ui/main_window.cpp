#include "ui/main_window.h"

#include <iterator>

#include "link/handlers.h"
#include "ui/help_window.h"
#include "ui/window_order.h"

namespace {

using enum ControlKind;
constexpr bool yes = true, no = false;

// clang-format off
constexpr ControlDesc controls[] = {
//   name       kind    left  top width height text                                     visible enabled tab  click
    {"按钮5",   button, 352,  16,  40,  64,  "帮助",                                     yes, yes, yes, show_help},
    {"按钮4",   button, 288,   8,  56,  32,  "打开网易云",                               yes, yes, yes, open_home_page},
    {"按钮3",   button, 288,  56,  56,  32,  "浏览器播放",                               yes, yes, yes, play_link},
    {"按钮2",   button, 225,  56,  56,  32,  "复制外链",                                 yes, yes, yes, copy_link},
    {"编辑框4", edit,    16, 152, 328,  24,  ".mp3",                                     yes, yes, yes, nullptr},
    {"编辑框3", edit,    16, 120, 328,  24,  "http://music.163.com/song/media/outer/url?id=", yes, yes, yes, nullptr},
    {"按钮1",   button, 224,   8,  56,  32,  "生成",                                     yes, yes, yes, generate_link},
    {"标签2",   label,    0,  56,  56,  24,  "外链地址：",                               yes, yes, no,  nullptr},
    {"编辑框2", edit,    72,  56, 144,  24,  "",                                         yes, yes, yes, nullptr},
    {"标签1",   label,    8,   8,  48,  24,  "歌曲ID：",                                 yes, yes, no,  nullptr},
    {"编辑框1", edit,    56,   8, 160,  24,  "864443401",                                yes, yes, yes, nullptr},
};
// clang-format on
static_assert(std::size(controls) <= ControlOrder::capacity);

}  // namespace

const WindowDesc main_window = {
    .caption = "",
    .width = 406,
    .height = 148,
    .minimize_box = true,
    .maximize_box = false,
    .esc_closes = true,
    .enter_moves_focus = false,
    .controls = controls,
};
