// Input the program never expects in the ID box: characters code page 936 lacks, a long
// pasted text, control characters. The result is always prefix + the ID as a Text + suffix,
// where the Text keeps every character code page 936 has and turns each other character
// (one beyond the Basic Multilingual Plane included) into a single '?'.
#include <windows.h>

#include "app.h"
#include "check.h"
#include "clipboard.h"
#include "places.h"
#include "suites.h"

using namespace e2e;

namespace {

// Empties the ID box, gives it the focus and pastes `text` with Ctrl+V.
void paste_into_id(const App& app, const std::wstring& text) {
    Clipboard clipboard;
    CHECK(clipboard.put(text), L"the text is on the clipboard");
    app.set_text(编辑框1, L"");
    app.click(编辑框1);
    press_key('V', false, false, true);
}

std::wstring generate(const App& app) {
    app.set_text(编辑框2, L"");
    app.click(按钮1);
    std::wstring result;
    wait_until([&] { return !(result = app.text(编辑框2)).empty(); });
    return result;
}

}  // namespace

void unexpected_input_tests(const std::wstring& program) {
    App app(program);
    if (!CHECK(app.started(), L"the main window appears")) return;

    begin_case(L"typed characters that code page 936 lacks");
    // An emoji and an extension-B ideograph (surrogate pairs), a Latin letter outside the
    // code page, and the euro sign and a Chinese character, which it has.
    const std::wstring typed =
        L"12\U0001F600"
        L"3\u00E4\u20AC歌\U0002000B";
    app.set_text(编辑框1, L"");
    app.click(编辑框1);
    type_text(typed);
    CHECK_EQ(app.text(编辑框1), typed, L"the ID box shows what was typed");
    CHECK_EQ(generate(app), prefix + std::wstring(L"12?3?\u20AC歌?.mp3"), L"result box");

    begin_case(L"a pasted 30,000-character text");
    std::wstring pasted;
    const std::wstring piece = L"歌曲ID 864443401 ";
    while (pasted.size() < 30000) pasted += piece;
    pasted.resize(30000);
    paste_into_id(app, pasted);
    CHECK(wait_until([&] { return app.text(编辑框1).size() == pasted.size(); }),
          L"the ID box takes all 30,000 characters");
    const std::wstring long_result = generate(app);
    CHECK_EQ(long_result.size(), std::wstring(prefix).size() + pasted.size() + 4, L"result length");
    CHECK(long_result == prefix + pasted + L".mp3", L"result box: prefix, the text, suffix");

    begin_case(L"pasted control characters");
    const std::wstring controls =
        L"1\t2\x01 3\x1b"
        L"4\x7f"
        L"5\x08";
    paste_into_id(app, controls);
    CHECK(wait_until([&] { return app.text(编辑框1) == controls; }),
          L"the ID box takes them as they are: " + quote(app.text(编辑框1)));
    CHECK_EQ(generate(app), prefix + controls + L".mp3", L"result box keeps them unchanged");
    paste_into_id(app, L"6\r\n7");
    pump(200);
    const std::wstring broken = app.text(编辑框1);
    note(L"a pasted line break leaves the ID box with " + quote(broken));
    CHECK_EQ(generate(app), prefix + broken + L".mp3", L"result box after a line break");

    begin_case(L"the program goes on as before");
    app.set_text(编辑框1, L"864443401");
    CHECK_EQ(generate(app), prefix + std::wstring(L"864443401.mp3"), L"result box");
    CHECK(!app.exited(), L"the program still runs");
}
