#include "ui/help_window.h"

#include <iterator>

#include "ui/gui.h"
#include "ui/window_order.h"

namespace {

// clang-format off
constexpr ControlDesc controls[] = {
//   name       kind                  left top width height picture       visible enabled tab    click
    {"图片框1", ControlKind::picture,   8,  0, 1064, 656,  "HELP_PICTURE", true,   true,   false, nullptr},
};
// clang-format on
static_assert(std::size(controls) <= ControlOrder::capacity);

}  // namespace

const WindowDesc help_window = {
    .caption = "",
    .width = 1098,
    .height = 704,
    .minimize_box = true,
    .maximize_box = false,
    .esc_closes = true,
    .enter_moves_focus = false,
    .controls = controls,
};

void show_help() {
    gui::open_window(help_window, true);
}
