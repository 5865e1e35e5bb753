// Desktop facilities behind the copy and open actions; the platform layer implements them.
#pragma once

// Puts `text` (code page 936, never null) on the clipboard as plain text. True once the
// clipboard holds it; false leaves the clipboard as it was.
bool put_clipboard_text(const char* text);

// Asks the desktop to open `text` (never null) with the user's default handler.
void shell_open(const char* text);
