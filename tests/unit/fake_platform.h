// A platform without windows: boxes are strings, the heap counts and can refuse, the
// clipboard and the shell record what they were given.
#pragma once

#include <cstddef>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "ui/main_window.h"

struct FakePlatform {
    std::map<MainControl, std::string> boxes;
    std::vector<MainControl> reads;      // boxes read, in order
    std::vector<std::string> clipboard;  // texts put on the clipboard
    bool clipboard_result = true;
    std::vector<std::string> shell;  // texts opened with the shell
    struct Opened {
        const WindowDesc* window;
        bool dialog_mode;
    };
    std::vector<Opened> opened;  // open_window calls

    std::size_t allocations = 0, frees = 0;
    std::vector<std::size_t> allocation_sizes;
    std::set<const void*> live;              // blocks handed out and not yet freed
    std::optional<std::size_t> refuse_size;  // heap_alloc of exactly this size fails
    std::vector<const void*> bad_frees;      // frees of blocks the heap never handed out
};

// The one fake, reset by FakePlatformTest before each test.
FakePlatform& fake();
void reset_fake();
