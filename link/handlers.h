// Click handlers of the main window's link buttons.
#pragma once

// "生成": prefix + song ID + suffix into the result box.
void generate_link();
// "复制外链": the result box's text onto the clipboard.
void copy_link();
// "浏览器播放": the result box's text opened by the desktop's default handler.
void play_link();
// "打开网易云": the service's home page opened by the desktop's default handler.
void open_home_page();
