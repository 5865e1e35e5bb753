// Times the program against its nearest limits under the same conditions, alternating
// the two sides of each pair:
//   window_bench.exe RESULTS ROUNDS linkgen.exe bare_window.exe bare_picture.exe
// 1. start to the main window shown and idle, against a bare window program;
// 2. memory at idle, against the same bare program;
// 3. a click on 帮助 to the help picture on screen, against a bare program that decodes
//    the same JPEG with WIC and shows it.
// Writes a Markdown table to RESULTS.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "process_memory.h"

namespace {

double now_ms() {
    static LARGE_INTEGER frequency = [] {
        LARGE_INTEGER f;
        QueryPerformanceFrequency(&f);
        return f;
    }();
    LARGE_INTEGER t;
    QueryPerformanceCounter(&t);
    return 1000.0 * static_cast<double>(t.QuadPart) / static_cast<double>(frequency.QuadPart);
}

struct Search {
    DWORD pid;
    HWND except;
    HWND found;
};

BOOL CALLBACK match_window(HWND hwnd, LPARAM param) {
    auto* s = reinterpret_cast<Search*>(param);
    DWORD pid = 0;
    GetWindowThreadProcessId(hwnd, &pid);
    if (pid != s->pid || hwnd == s->except || !IsWindowVisible(hwnd)) return TRUE;
    s->found = hwnd;
    return FALSE;
}

// A visible top-level window of process `pid` other than `except`, or null.
HWND window_of(DWORD pid, HWND except = nullptr) {
    Search s{pid, except, nullptr};
    EnumWindows(match_window, reinterpret_cast<LPARAM>(&s));
    return s.found;
}

// Polls `done` until it holds or 10 s have passed.
template <class F>
bool poll(F done) {
    const double end = now_ms() + 10000;
    while (!done()) {
        if (now_ms() > end) return false;
        Sleep(1);
    }
    return true;
}

struct Running {
    PROCESS_INFORMATION pi = {};
    HWND window = nullptr;
    double start_ms = 0;

    explicit Running(const std::wstring& exe) {
        std::wstring command = L"\"" + exe + L"\"";
        STARTUPINFOW si = {};
        si.cb = sizeof si;
        const double t0 = now_ms();
        if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                            &si, &pi)) {
            return;
        }
        WaitForInputIdle(pi.hProcess, 10000);
        poll([&] { return (window = window_of(pi.dwProcessId)) != nullptr; });
        start_ms = now_ms() - t0;
    }
    ~Running() {
        if (pi.hProcess == nullptr) return;
        if (window != nullptr) PostMessageW(window, WM_CLOSE, 0, 0);
        if (WaitForSingleObject(pi.hProcess, 5000) != WAIT_OBJECT_0) {
            TerminateProcess(pi.hProcess, 1);
            WaitForSingleObject(pi.hProcess, 5000);
        }
        CloseHandle(pi.hThread);
        CloseHandle(pi.hProcess);
    }
    Running(const Running&) = delete;
    Running& operator=(const Running&) = delete;
};

// Starts `exe`, records its start time and, once it has settled, its memory.
void start_once(const std::wstring& exe, std::vector<double>& start, std::vector<double>& ws,
                std::vector<double>& priv) {
    Running app(exe);
    if (app.window == nullptr) return;
    start.push_back(app.start_ms);
    Sleep(300);
    const e2e::ProcessMemory m = e2e::process_memory(app.pi.hProcess);
    ws.push_back(m.working_set / 1024.0);
    priv.push_back(m.private_bytes / 1024.0);
}

// The picture's point (100,100) is dark grey; the window's face is light.
bool dark_at(POINT p) {
    const HDC screen = GetDC(nullptr);
    const COLORREF c = GetPixel(screen, p.x, p.y);
    ReleaseDC(nullptr, screen);
    return c != CLR_INVALID && GetRValue(c) < 90 && GetGValue(c) < 90 && GetBValue(c) < 90;
}

// Starts `exe`, then times `open` to a window whose client point `offset` shows the
// picture's dark pixel.
template <class Open>
void picture_once(const std::wstring& exe, Open open, POINT offset, std::vector<double>& out) {
    Running app(exe);
    if (app.window == nullptr) return;
    Sleep(300);
    const double t0 = now_ms();
    open(app.window);
    HWND shown = nullptr;
    const bool seen = poll([&] {
        if (shown == nullptr) shown = window_of(app.pi.dwProcessId, app.window);
        if (shown == nullptr) return false;
        POINT p = offset;
        ClientToScreen(shown, &p);
        return dark_at(p);
    });
    if (seen) out.push_back(now_ms() - t0);
    TerminateProcess(app.pi.hProcess, 0);
}

struct Summary {
    double median, low, high;  // median and interquartile range
};

Summary summarize(std::vector<double> v) {
    if (v.empty()) return {0, 0, 0};
    std::sort(v.begin(), v.end());
    auto at = [&](double q) { return v[static_cast<std::size_t>(q * (v.size() - 1) + 0.5)]; };
    return {at(0.5), at(0.25), at(0.75)};
}

void row(FILE* f, const char* what, const char* unit, const std::vector<double>& ours,
         const std::vector<double>& bare, const char* baseline, double goal) {
    const Summary a = summarize(ours), b = summarize(bare);
    const double ratio = b.median > 0 ? a.median / b.median : 0;
    std::fprintf(f,
                 "| %s (n = %zu, %zu) | %.1f %s (%.1f–%.1f) | %s: %.1f %s (%.1f–%.1f) | %.2f | "
                 "≤ %.2f %s |\n",
                 what, ours.size(), bare.size(), a.median, unit, a.low, a.high, baseline, b.median,
                 unit, b.low, b.high, ratio, goal, ratio <= goal ? "met" : "MISSED");
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc < 6) return 2;
    FILE* f = _wfopen(argv[1], L"w");
    if (f == nullptr) return 2;
    const int rounds = _wtoi(argv[2]);
    const std::wstring program = argv[3], bare_window = argv[4], bare_picture = argv[5];

    std::vector<double> start[2], ws[2], priv[2], help[2];
    const auto click_help = [](HWND main) { PostMessageW(GetDlgItem(main, 1), BM_CLICK, 0, 0); };
    const auto bare_open = [](HWND main) { PostMessageW(main, WM_APP, 0, 0); };
    // The help window's picture box sits at (8,0) of its client area.
    const POINT ours_at = {108, 100}, bare_at = {100, 100};
    start_once(program, start[0], ws[0], priv[0]);  // a first start warms the caches
    start_once(bare_window, start[1], ws[1], priv[1]);
    for (auto* v : {start, ws, priv}) v[0].clear(), v[1].clear();
    for (int r = 0; r < rounds; ++r) {
        // Each round swaps which side goes first.
        for (int k = 0; k < 2; ++k) {
            const int side = (r + k) % 2;
            start_once(side == 0 ? program : bare_window, start[side], ws[side], priv[side]);
        }
        for (int k = 0; k < 2; ++k) {
            const int side = (r + k) % 2;
            if (side == 0) {
                picture_once(program, click_help, ours_at, help[0]);
            } else {
                picture_once(bare_picture, bare_open, bare_at, help[1]);
            }
        }
    }
    std::fprintf(
        f, "| Measure | linkgen: median (IQR) | nearest limit: median (IQR) | ratio | goal |\n");
    std::fprintf(f, "|---|---|---|---|---|\n");
    row(f, "Start to the window shown and idle", "ms", start[0], start[1], "bare window", 1.15);
    row(f, "Private memory at idle (Wine: PagefileUsage)", "KB", priv[0], priv[1], "bare window",
        1.3);
    row(f, "Working set at idle", "KB", ws[0], ws[1], "bare window", 1.3);
    row(f, "帮助 to the picture on screen", "ms", help[0], help[1], "bare WIC decode and show",
        1.3);
    std::fclose(f);
    return 0;
}
