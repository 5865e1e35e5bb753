#include "tests/unit/fake_platform.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "app/fatal.h"
#include "link/desktop.h"
#include "link/heap.h"
#include "ui/gui.h"

namespace {
FakePlatform* instance = nullptr;
}

FakePlatform& fake() {
    if (instance == nullptr) instance = new FakePlatform;
    return *instance;
}

void reset_fake() {
    delete instance;
    instance = new FakePlatform;
}

void* heap_alloc(std::size_t bytes) {
    FakePlatform& f = fake();
    if (f.refuse_size == bytes) return nullptr;
    void* block = std::malloc(bytes == 0 ? 1 : bytes);
    ++f.allocations;
    f.allocation_sizes.push_back(bytes);
    f.live.insert(block);
    return block;
}

void heap_free(void* block) {
    if (block == nullptr) return;
    FakePlatform& f = fake();
    if (f.live.erase(block) == 0) {
        f.bad_frees.push_back(block);
        return;
    }
    ++f.frees;
    std::free(block);
}

void show_error_box(const char* message) {
    std::fprintf(stderr, "error box: %s\n", message);
}

void end_process(int code) {
    std::fflush(stderr);
    std::_Exit(code);
}

namespace gui {

Text read_box(MainControl box) {
    FakePlatform& f = fake();
    f.reads.push_back(box);
    const std::string& content = f.boxes[box];
    if (content.empty()) return nullptr;
    Text copy = text_alloc(content.size() + 1);
    std::memcpy(copy, content.c_str(), content.size() + 1);
    return copy;
}

void write_box(MainControl box, const char* text) {
    fake().boxes[box] = text ? text : "";
}

bool open_window(const WindowDesc& window, bool dialog_mode) {
    fake().opened.push_back({&window, dialog_mode});
    return true;
}

}  // namespace gui

bool put_clipboard_text(const char* text) {
    fake().clipboard.emplace_back(text);
    return fake().clipboard_result;
}

void shell_open(const char* text) {
    fake().shell.emplace_back(text);
}
