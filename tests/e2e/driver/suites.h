// The groups of end-to-end tests; each takes the Windows path of the program to start.
#pragma once

#include <string>

void layout_tests(const std::wstring& program);
void key_tests(const std::wstring& program);
void generate_tests(const std::wstring& program);
void fatal_tests(const std::wstring& program);
void clipboard_tests(const std::wstring& program);
void shell_tests(const std::wstring& program);
void help_tests(const std::wstring& program);
void help_failure_tests(const std::wstring& program);
void help_undecodable_tests(const std::wstring& program);
void unexpected_input_tests(const std::wstring& program);
void soak_tests(const std::wstring& program);
void clipboard_soak_tests(const std::wstring& program);

// Shows the main window with a link, or the help window over it, and writes the screen
// rectangle to photograph to `path` (as WxH+X+Y).
void screenshot(const std::wstring& program, const std::wstring& path, bool help);
