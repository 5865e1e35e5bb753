// The main window's controls, by their places in the window's list (the control IDs).
#pragma once

namespace e2e {
constexpr int 按钮5 = 1, 按钮4 = 2, 按钮3 = 3, 按钮2 = 4, 编辑框4 = 5, 编辑框3 = 6, 按钮1 = 7,
              标签2 = 8, 编辑框2 = 9, 标签1 = 10, 编辑框1 = 11;

inline const wchar_t prefix[] = L"http://music.163.com/song/media/outer/url?id=";
}  // namespace e2e
