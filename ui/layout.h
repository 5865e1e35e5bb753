// Start position of a window: centred on the whole screen.
#pragma once

struct Point {
    int x, y;
    friend bool operator==(Point, Point) = default;
};

// Integer division truncates toward zero; on a screen smaller than the window the
// result is negative and the window starts partly off the screen.
constexpr Point centred_origin(int screen_width, int screen_height, int width, int height) {
    return {(screen_width - width) / 2, (screen_height - height) / 2};
}
