#include "link/handlers.h"
#include "link/text.h"
#include "ui/gui.h"

void generate_link() {
    using enum MainControl;
    OwnedText prefix{gui::read_box(编辑框3)};
    OwnedText id{gui::read_box(编辑框1)};
    OwnedText suffix{gui::read_box(编辑框4)};
    OwnedText link{join_texts(prefix.get(), id.get(), suffix.get())};
    prefix.reset();
    id.reset();
    suffix.reset();
    gui::write_box(编辑框2, link.get());
}
