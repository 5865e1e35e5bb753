// "生成": the result box gets prefix + ID + suffix, exactly, whatever the ANSI code page.
#include <windows.h>

#include "app.h"
#include "check.h"
#include "places.h"
#include "suites.h"

using namespace e2e;

void generate_tests(const std::wstring& program) {
    const std::wstring long_id(30000, L'8');
    const struct {
        const wchar_t* label;
        std::wstring prefix, id, suffix;  // the boxes before the click
        std::wstring expected;
    } cases[] = {
        {L"default ID", prefix, L"864443401", L".mp3", prefix + std::wstring(L"864443401.mp3")},
        {L"empty ID", prefix, L"", L".mp3", prefix + std::wstring(L".mp3")},
        {L"Chinese ID with spaces", prefix, L" 歌曲 ID ", L".mp3",
         prefix + std::wstring(L" 歌曲 ID .mp3")},
        {L"30,000-character ID", prefix, long_id, L".mp3", prefix + long_id + L".mp3"},
        {L"edited prefix and suffix", L"https://例子.test/?id=", L"7", L".flac",
         L"https://例子.test/?id=7.flac"},
        {L"empty prefix and suffix", L"", L"5", L"", L"5"},
        {L"all three empty", L"", L"", L"", L""},
    };
    begin_case(L"生成 joins prefix, ID and suffix");
    App app(program);
    if (!CHECK(app.started(), L"the main window appears")) return;
    for (const auto& c : cases) {
        begin_case(std::wstring(L"生成: ") + c.label);
        app.set_text(编辑框3, c.prefix);
        app.set_text(编辑框1, c.id);
        app.set_text(编辑框4, c.suffix);
        app.set_text(编辑框2, L"(typed by the user)");
        app.click(按钮1);
        CHECK(wait_until([&] { return app.text(编辑框2) != L"(typed by the user)"; }),
              L"the result box is written");
        const std::wstring result = app.text(编辑框2);
        CHECK_EQ(result, c.expected, L"result box");
        CHECK_EQ(to_bytes(result, 936), to_bytes(c.expected, 936),
                 L"result bytes in code page 936");
    }
    begin_case(L"生成 twice writes the same text");
    app.set_text(编辑框3, prefix);
    app.set_text(编辑框1, L"1");
    app.set_text(编辑框4, L".mp3");
    app.click(按钮1);
    app.click(按钮1);
    pump(100);
    CHECK_EQ(app.text(编辑框2), prefix + std::wstring(L"1.mp3"), L"result box after two clicks");
}
