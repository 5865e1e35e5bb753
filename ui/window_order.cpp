#include "ui/window_order.h"

ControlOrder creation_order(const WindowDesc& window) {
    ControlOrder order;
    for (std::size_t i = window.controls.size(); i-- > 0;) order.push(i);
    return order;
}

ControlOrder tab_order(const WindowDesc& window) {
    ControlOrder order;
    for (std::size_t i : creation_order(window)) {
        const ControlDesc& c = window.controls[i];
        if (c.visible && c.enabled && c.tab_stop) order.push(i);
    }
    return order;
}

int next_tab_stop(const WindowDesc& window, int current, bool forward) {
    const ControlOrder order = tab_order(window);
    if (order.empty()) return -1;
    const std::size_t n = order.size();
    for (std::size_t k = 0; k < n; ++k) {
        if (static_cast<int>(order[k]) != current) continue;
        return static_cast<int>(order[forward ? (k + 1) % n : (k + n - 1) % n]);
    }
    return static_cast<int>(order[forward ? 0 : n - 1]);
}
