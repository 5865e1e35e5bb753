// 帮助: the help window in dialog mode over the disabled main window, with its picture.
#include <windows.h>

#include <cstdlib>
#include <vector>

#include "app.h"
#include "check.h"
#include "places.h"
#include "suites.h"

using namespace e2e;

namespace {

struct ScreenCase {
    int width, height;
    POINT origin;
};
const ScreenCase screens[] = {
    {1024, 768, {-37, 32}},  // narrower than the window: its left edge is off the screen
    {1280, 1024, {91, 160}},
};

HWND open_help(const App& app) {
    app.click(按钮5);
    HWND help = nullptr;
    wait_until([&] { return (help = app.other_window(L"LinkGenWindow")) != nullptr; }, 5000);
    pump(200);
    return help;
}

// Pixels as 0x00RRGGBB, row by row.
struct Pixels {
    long width = 0, height = 0;
    std::vector<unsigned> data;
};

Pixels read_bitmap(HDC dc, HBITMAP bmp, long width, long height) {
    Pixels p{width, height, std::vector<unsigned>(static_cast<std::size_t>(width) * height)};
    BITMAPINFOHEADER info = {};
    info.biSize = sizeof info;
    info.biWidth = width;
    info.biHeight = -height;  // top-down
    info.biPlanes = 1;
    info.biBitCount = 32;
    GetDIBits(dc, bmp, 0, height, p.data.data(), reinterpret_cast<BITMAPINFO*>(&info),
              DIB_RGB_COLORS);
    for (unsigned& v : p.data) v &= 0xFFFFFF;
    return p;
}

Pixels capture(HWND window) {
    RECT r;
    GetWindowRect(window, &r);
    const long w = r.right - r.left, h = r.bottom - r.top;
    const HDC screen = GetDC(nullptr);
    const HDC mem = CreateCompatibleDC(screen);
    const HBITMAP bmp = CreateCompatibleBitmap(screen, w, h);
    const HGDIOBJ old = SelectObject(mem, bmp);
    BitBlt(mem, 0, 0, w, h, screen, r.left, r.top, SRCCOPY);
    SelectObject(mem, old);
    Pixels p = read_bitmap(mem, bmp, w, h);
    DeleteObject(bmp);
    DeleteDC(mem);
    ReleaseDC(nullptr, screen);
    return p;
}

// The help picture's top-left part as decoded on the Linux side, given as a BMP file.
Pixels expected_picture() {
    wchar_t path[MAX_PATH];
    if (!GetEnvironmentVariableW(L"LINKGEN_HELP_EXPECTED", path, MAX_PATH)) return {};
    const auto bmp = static_cast<HBITMAP>(
        LoadImageW(nullptr, path, IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE | LR_CREATEDIBSECTION));
    if (bmp == nullptr) return {};
    BITMAP info;
    GetObjectW(bmp, sizeof info, &info);
    const HDC dc = CreateCompatibleDC(nullptr);
    Pixels p = read_bitmap(dc, bmp, info.bmWidth, info.bmHeight);
    DeleteDC(dc);
    DeleteObject(bmp);
    return p;
}

// Share of pixels of `shown`, moved by (dx, dy), whose channels all lie within
// `tolerance` of the expected ones (compared where both exist).
double matching_share(const Pixels& shown, const Pixels& expected, int tolerance, int dx = 0,
                      int dy = 0) {
    if (shown.width != expected.width || shown.height != expected.height || shown.data.empty()) {
        return 0;
    }
    std::size_t close = 0, compared = 0;
    for (long y = 2; y < expected.height - 2; ++y) {
        for (long x = 2; x < expected.width - 2; ++x) {
            const unsigned a = shown.data[(y + dy) * shown.width + x + dx];
            const unsigned b = expected.data[y * expected.width + x];
            bool ok = true;
            for (int shift : {0, 8, 16}) {
                ok = ok && std::abs(static_cast<int>((a >> shift) & 0xFF) -
                                    static_cast<int>((b >> shift) & 0xFF)) <= tolerance;
            }
            close += ok;
            ++compared;
        }
    }
    return static_cast<double>(close) / compared;
}

std::wstring per_mille(double share) {
    return num(static_cast<long long>(share * 1000));
}

}  // namespace

void help_tests(const std::wstring& program) {
    App app(program);
    begin_case(L"帮助 opens the help window in dialog mode");
    if (!CHECK(app.started(), L"the main window appears")) return;
    const Pixels expected = expected_picture();
    CHECK_EQ(expected.width * 10000 + expected.height, 1064L * 10000 + 656,
             L"the reference picture is the picture's top-left 1064x656");
    Pixels first_shown;
    for (int round = 1; round <= 3; ++round) {
        begin_case(L"帮助, opening #" + num(round));
        app.click(编辑框1);
        const HWND help = open_help(app);
        if (!CHECK(help != nullptr, L"the help window appears")) return;
        RECT outer;
        GetWindowRect(help, &outer);
        const int sw = GetSystemMetrics(SM_CXSCREEN), sh = GetSystemMetrics(SM_CYSCREEN);
        for (const ScreenCase& s : screens) {
            if (s.width == sw && s.height == sh) {
                CHECK_EQ((Rect{outer.left, outer.top, outer.right - outer.left,
                               outer.bottom - outer.top}),
                         (Rect{s.origin.x, s.origin.y, 1098, 704}), L"outer rectangle, centred");
            }
        }
        CHECK_EQ(app.text(help), std::wstring(), L"caption text");
        const LONG style = GetWindowLongW(help, GWL_STYLE);
        CHECK((style & WS_MINIMIZEBOX) && !(style & WS_MAXIMIZEBOX) && !(style & WS_THICKFRAME),
              L"minimise, no maximise, fixed frame");
        const HWND owner = GetWindow(help, GW_OWNER);
        CHECK(owner != nullptr && owner != app.main() && !IsWindowVisible(owner),
              L"owned by an invisible window: no taskbar entry of its own");
        CHECK(!IsWindowEnabled(app.main()), L"the main window is disabled");
        CHECK_EQ(app.active(), help, L"the help window is active");

        const HWND box = GetDlgItem(help, 1);
        if (CHECK(box != nullptr, L"the picture box exists")) {
            CHECK_EQ(app.client_rect(box), (Rect{8, 0, 1064, 656}), L"picture box rectangle");
            RECT r;
            GetWindowRect(box, &r);
            if (r.left >= 0 && r.top >= 0 && r.right <= sw && r.bottom <= sh) {
                const Pixels shown = capture(box);
                // Decoders differ slightly at colour edges: 99.7% of pixels agree within 24
                // levels here, while the same picture moved by one pixel scores below 97%.
                const double share = matching_share(shown, expected, 24);
                CHECK(share > 0.993, L"the picture is shown unscaled from its top-left corner; " +
                                         per_mille(share) + L"/1000 pixels match");
                if (round == 1)
                    first_shown = shown;
                else
                    CHECK(shown.data == first_shown.data, L"the same pixels as the first time");
            }
        }

        // Input meant for the main window changes nothing while the help window is open.
        app.set_text(编辑框2, L"");
        app.click(按钮1);
        press_key(VK_TAB);
        press_key(VK_RETURN);
        pump(200);
        CHECK_EQ(app.text(编辑框2), std::wstring(), L"a click on 生成 reaches nothing");
        CHECK_EQ(app.focus(), help, L"the help window keeps the focus itself");
        CHECK(IsWindow(help), L"Tab and Enter do not close the help window");

        if (round == 2) {
            PostMessageW(help, WM_SYSCOMMAND, SC_CLOSE, 0);  // the close box
        } else {
            press_key(VK_ESCAPE);
        }
        CHECK(wait_until([&] { return !IsWindow(help); }), L"the help window closes");
        CHECK(IsWindowEnabled(app.main()), L"the main window is enabled again");
        CHECK(wait_until([&] { return app.focused_place() == 按钮5; }),
              L"focus back on 帮助, got place " + num(app.focused_place()));
        CHECK(!app.exited(), L"the program goes on");
    }
    begin_case(L"a quit request while the help window is open ends the program normally");
    if (open_help(app) != nullptr) {
        PostThreadMessageW(app.thread_id(), WM_QUIT, 7, 0);
        CHECK_EQ(app.exit_code(), 7UL, L"exit code of the quit request");
    }
}

void help_failure_tests(const std::wstring& program) {
    begin_case(L"a help window that cannot be created");
    App app(faults_build(program), L"LINKGEN_FAULTS=create-window=1098");
    if (!CHECK(app.started(), L"the main window appears")) return;
    app.click(按钮5);
    pump(500);
    CHECK(app.other_window(L"LinkGenWindow") == nullptr, L"no help window");
    CHECK(app.other_window(L"#32770") == nullptr, L"no message");
    CHECK(IsWindowEnabled(app.main()), L"the main window stays enabled");
    app.click(按钮1);
    CHECK(wait_until([&] { return !app.text(编辑框2).empty(); }), L"and usable: 生成 works");
}

namespace {

// The help window opens with `fault` injected and shows its picture box empty.
void help_without_picture(const std::wstring& program, const wchar_t* label, const wchar_t* fault) {
    begin_case(label);
    App app(faults_build(program), std::wstring(L"LINKGEN_FAULTS=") + fault);
    if (!CHECK(app.started(), L"the main window appears")) return;
    const HWND help = open_help(app);
    if (!CHECK(help != nullptr, L"the help window still appears")) return;
    const HWND box = GetDlgItem(help, 1);
    const Pixels shown = capture(box);
    const unsigned face = GetSysColor(COLOR_3DFACE);
    const unsigned face_rgb = GetRValue(face) << 16 | GetGValue(face) << 8 | GetBValue(face);
    std::size_t other = 0;
    for (unsigned p : shown.data) other += p != face_rgb;
    CHECK(!shown.data.empty() && other == 0, L"the box shows its background colour only; " +
                                                 num(static_cast<long long>(other)) +
                                                 L" other pixels");
    CHECK(app.other_window(L"#32770") == nullptr, L"no message");
    press_key(VK_ESCAPE);
    CHECK(wait_until([&] { return !IsWindow(help); }), L"Esc closes the help window");
}

}  // namespace

void help_undecodable_tests(const std::wstring& program) {
    const struct {
        const wchar_t* label;
        const wchar_t* fault;
    } cases[] = {
        {L"a help picture that cannot be decoded", L"decode-picture"},
        {L"a help picture without the system's COM library", L"load-library"},
    };
    for (const auto& c : cases) help_without_picture(program, c.label, c.fault);
}
