// 复制外链, 浏览器播放 and 打开网易云: what reaches the clipboard and the desktop's URL handler.
#include <windows.h>
#include <tlhelp32.h>

#include <cstdio>
#include <vector>

#include "app.h"
#include "check.h"
#include "clipboard.h"
#include "places.h"
#include "suites.h"

using namespace e2e;

namespace {

bool responsive(const App& app) {
    DWORD_PTR result;
    return SendMessageTimeoutW(app.main(), WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 2000, &result) != 0;
}

// What the browser stand-in recorded: one entry per invocation, its arguments.
std::vector<std::vector<std::wstring>> opened_urls() {
    std::vector<std::vector<std::wstring>> calls;
    wchar_t path[MAX_PATH];
    if (!GetEnvironmentVariableW(L"LINKGEN_URL_LOG", path, MAX_PATH)) return calls;
    FILE* f = _wfopen(path, L"rb");
    if (f == nullptr) return calls;
    std::string bytes;
    char buf[4096];
    for (std::size_t n; (n = std::fread(buf, 1, sizeof buf, f)) > 0;) bytes.append(buf, n);
    std::fclose(f);
    std::size_t start = 0;
    for (std::size_t end; (end = bytes.find('\n', start)) != std::string::npos; start = end + 1) {
        std::vector<std::wstring> args;
        const std::string line = bytes.substr(start, end - start);
        for (std::size_t a = line.find('\t'); a != std::string::npos;) {
            const std::size_t b = line.find('\t', a + 1);
            args.push_back(
                from_bytes(line.substr(a + 1, b == std::string::npos ? b : b - a - 1), CP_UTF8));
            a = b;
        }
        calls.push_back(args);
    }
    return calls;
}

// Whether Wine's URL handler process (winebrowser) is still running.
bool url_handler_running() {
    const HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    if (snapshot == INVALID_HANDLE_VALUE) return false;
    PROCESSENTRY32W entry = {};
    entry.dwSize = sizeof entry;
    bool running = false;
    for (BOOL more = Process32FirstW(snapshot, &entry); more && !running;
         more = Process32NextW(snapshot, &entry)) {
        running = lstrcmpiW(entry.szExeFile, L"winebrowser.exe") == 0;
    }
    CloseHandle(snapshot);
    return running;
}

// Clicks `place` and returns the arguments of the one handler invocation that follows.
std::vector<std::wstring> open_by_click(const App& app, int place) {
    // A URL handler still running from the last case would take the next request over
    // DDE and may drop it as it ends: start each case with none running.
    CHECK(wait_until([] { return !url_handler_running(); }, 10000), L"the last handler ended");
    const std::size_t before = opened_urls().size();
    app.click(place);
    std::vector<std::vector<std::wstring>> calls;
    wait_until([&] { return (calls = opened_urls()).size() > before; }, 10000);
    pump(300);  // a second, unexpected invocation would show up now
    calls = opened_urls();
    CHECK_EQ(calls.size(), before + 1, L"the URL handler ran once");
    return calls.size() > before ? calls.back() : std::vector<std::wstring>{};
}

std::wstring joined(const std::vector<std::wstring>& args) {
    std::wstring out;
    for (const std::wstring& a : args) out += (out.empty() ? L"" : L" | ") + a;
    return out;
}

}  // namespace

void clipboard_tests(const std::wstring& program) {
    Clipboard clipboard;
    const std::wstring link = prefix + std::wstring(L"歌曲 864443401.mp3");
    {
        begin_case(L"复制外链 after 生成, with a Chinese ID");
        {
            App app(program);
            if (!CHECK(app.started(), L"the main window appears")) return;
            app.set_text(编辑框1, L"歌曲 864443401");
            app.click(按钮1);
            CHECK(wait_until([&] { return app.text(编辑框2) == link; }), L"link generated");
            clipboard.put(L"before");
            app.click(按钮2);
            CHECK(wait_until([&] { return clipboard.unicode() == link; }),
                  L"CF_UNICODETEXT holds the link, got " + quote(clipboard.unicode()));
            CHECK_EQ(clipboard.ansi(), to_bytes(link, 936),
                     L"CF_TEXT holds the code page 936 bytes");
            CHECK_EQ(clipboard.locale(), static_cast<LCID>(0x0804), L"CF_LOCALE");
        }
        CHECK_EQ(clipboard.unicode(), link, L"the text stays after the program has ended");
    }
    {
        begin_case(L"复制外链 with an empty result box");
        App app(program);
        if (!CHECK(app.started(), L"the main window appears")) return;
        clipboard.put(L"before");
        app.click(按钮2);
        CHECK(wait_until([&] { return clipboard.unicode() != L"before"; }), L"former content gone");
        CHECK(clipboard.has(CF_TEXT), L"the clipboard holds a text");
        CHECK_EQ(clipboard.ansi(), std::string(), L"CF_TEXT is the empty text");
    }
    {
        begin_case(L"复制外链 while another program holds the clipboard open");
        App app(program);
        if (!CHECK(app.started(), L"the main window appears")) return;
        app.set_text(编辑框2, L"new");
        clipboard.put(L"kept");
        CHECK(clipboard.hold(), L"the driver holds the clipboard");
        app.click(按钮2);
        pump(300);
        CHECK(responsive(app), L"the program answers at once, without waiting for the clipboard");
        clipboard.release();
        pump(300);
        CHECK_EQ(clipboard.unicode(), std::wstring(L"kept"), L"the clipboard is unchanged");
    }
    const struct {
        const wchar_t* fault;
        const wchar_t* label;
        const wchar_t* expected;  // the clipboard's text afterwards
    } faults[] = {
        {L"global-alloc", L"a clipboard block cannot be allocated", L"kept"},
        // The clipboard was already emptied when the hand-over failed.
        {L"set-clipboard", L"the clipboard refuses the block", L""},
    };
    for (const auto& f : faults) {
        begin_case(std::wstring(L"复制外链 when ") + f.label);
        App app(faults_build(program), std::wstring(L"LINKGEN_FAULTS=") + f.fault);
        if (!CHECK(app.started(), L"the main window appears")) return;
        app.set_text(编辑框2, L"new");
        clipboard.put(L"kept");
        app.click(按钮2);
        CHECK(wait_until([&] { return app.counter(L"LinkGenCopyResult") != 0; }), L"the copy ran");
        CHECK_EQ(app.counter(L"LinkGenCopyResult"), 2L, L"the copy reports failure");
        CHECK_EQ(app.counter(L"LinkGenGlobalBlocks"), 0L, L"no global block left behind");
        CHECK_EQ(clipboard.unicode(), std::wstring(f.expected), L"clipboard afterwards");
        CHECK(responsive(app), L"the program goes on");
    }
    {
        begin_case(L"复制外链 in the test build: a successful copy leaves no block behind");
        App app(faults_build(program));
        if (!CHECK(app.started(), L"the main window appears")) return;
        app.set_text(编辑框2, L"x");
        app.click(按钮2);
        CHECK(wait_until([&] { return app.counter(L"LinkGenCopyResult") == 1; }), L"copy succeeds");
        CHECK_EQ(app.counter(L"LinkGenGlobalBlocks"), 0L, L"every block went to the clipboard");
    }
}

namespace {

// Clicks `place` and checks that no URL is opened and the program goes on silently.
void opens_nothing(const App& app, int place) {
    CHECK(wait_until([] { return !url_handler_running(); }, 10000), L"the last handler ended");
    const std::size_t before = opened_urls().size();
    app.click(place);
    pump(1500);
    CHECK_EQ(opened_urls().size(), before, L"nothing is opened in the browser");
    CHECK(responsive(app), L"the program goes on");
    CHECK(app.other_window(L"#32770") == nullptr, L"the program shows no message");
}

}  // namespace

void shell_tests(const std::wstring& program) {
    App app(program);
    begin_case(L"浏览器播放 and 打开网易云");
    if (!CHECK(app.started(), L"the main window appears")) return;
    const struct {
        const wchar_t* label;
        std::wstring id;      // typed into the ID box, then 生成; or
        std::wstring result;  // typed into the result box directly
        int button;
        std::wstring expected;  // the handler's one argument
    } cases[] = {
        {L"generated link", L"864443401", L"", 按钮3, prefix + std::wstring(L"864443401.mp3")},
        {L"double quotes cannot split the argument", L"1\" --new-window \"x", L"", 按钮3,
         prefix + std::wstring(L"1%22%20--new-window%20%22x.mp3")},
        {L"typed address with Chinese", L"", L"https://music.163.com/#/search?s=歌曲", 按钮3,
         L"https://music.163.com/#/search?s=歌曲"},
        // Wine's URL handler canonicalises the bare host with a trailing slash.
        {L"home page, whatever the boxes hold", L"", L"http://elsewhere.test/", 按钮4,
         L"https://music.163.com/"},
    };
    for (const auto& c : cases) {
        begin_case(std::wstring(L"open: ") + c.label);
        if (!c.id.empty()) {
            app.set_text(编辑框1, c.id);
            app.click(按钮1);
            wait_until([&] { return !app.text(编辑框2).empty(); });
        } else {
            app.set_text(编辑框2, c.result);
        }
        const std::vector<std::wstring> args = open_by_click(app, c.button);
        CHECK_EQ(joined(args), c.expected, L"the URL handler's arguments");
    }
    begin_case(L"浏览器播放 with an empty result box");
    app.set_text(编辑框2, L"");
    opens_nothing(app, 按钮3);
    app.close();

    begin_case(L"浏览器播放 and 打开网易云 when the shell cannot be loaded");
    App without_shell(faults_build(program), L"LINKGEN_FAULTS=load-library");
    if (!CHECK(without_shell.started(), L"the main window appears")) return;
    without_shell.set_text(编辑框2, prefix + std::wstring(L"1.mp3"));
    opens_nothing(without_shell, 按钮3);
    opens_nothing(without_shell, 按钮4);
}
