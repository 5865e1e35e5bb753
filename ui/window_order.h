// Creation order and tab order, both derived from a window's list of controls.
#pragma once

#include <array>
#include <cstddef>

#include "ui/window_desc.h"

// A short list of indexes into a window's controls.
class ControlOrder {
public:
    static constexpr std::size_t capacity = 16;
    void push(std::size_t index) { items_[count_++] = index; }
    std::size_t size() const { return count_; }
    bool empty() const { return count_ == 0; }
    std::size_t operator[](std::size_t i) const { return items_[i]; }
    const std::size_t* begin() const { return items_.data(); }
    const std::size_t* end() const { return items_.data() + count_; }

private:
    std::array<std::size_t, capacity> items_{};
    std::size_t count_ = 0;
};

// The controls from the last place of the list to the first.
ControlOrder creation_order(const WindowDesc& window);

// The creation order restricted to controls that are visible, enabled and tab stops.
ControlOrder tab_order(const WindowDesc& window);

// The control that Tab (forward) or Shift+Tab reaches from `current`, wrapping at both
// ends. From a control outside the order, the first (or last) stop. Returns -1 when the
// window has no tab stop.
int next_tab_stop(const WindowDesc& window, int current, bool forward);
