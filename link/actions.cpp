#include "link/desktop.h"
#include "link/handlers.h"
#include "link/text.h"
#include "ui/gui.h"

namespace {

// The service's home page; kept apart from the prefix box, and over https.
constexpr char home_page[] = "https://music.163.com";

// Reads the result box and hands its text ("" when empty) to `operation`.
template <class Operation>
void with_result_text(Operation operation) {
    OwnedText result{gui::read_box(MainControl::编辑框2)};
    operation(result ? result.get() : "");
}

}  // namespace

void copy_link() {
    with_result_text([](const char* text) { put_clipboard_text(text); });
}

void play_link() {
    with_result_text(shell_open);
}

void open_home_page() {
    shell_open(home_page);
}
