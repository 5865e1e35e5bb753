#include "check.h"

#include <windows.h>

namespace e2e {

namespace {
FILE* out = nullptr;
int failed = 0, passed = 0;
std::wstring current_case;
}  // namespace

void open_results(const wchar_t* path) {
    out = _wfopen(path, L"wb");
}

void close_results() {
    if (out != nullptr) std::fclose(out);
    out = nullptr;
}

void note(const std::wstring& text) {
    if (out == nullptr) return;
    const int bytes =
        WideCharToMultiByte(CP_UTF8, 0, text.c_str(), -1, nullptr, 0, nullptr, nullptr);
    std::string utf8(bytes > 0 ? bytes - 1 : 0, '\0');
    if (bytes > 1)
        WideCharToMultiByte(CP_UTF8, 0, text.c_str(), -1, utf8.data(), bytes, nullptr, nullptr);
    std::fprintf(out, "%s\n", utf8.c_str());
    std::fflush(out);
}

void begin_case(const std::wstring& name) {
    current_case = name;
    note(L"== " + name);
}

bool record(bool ok, const char* file, int line, const std::wstring& what,
            const std::wstring& detail) {
    if (ok) {
        ++passed;
        return true;
    }
    ++failed;
    std::wstring where;
    for (const char* p = file; *p; ++p) where += static_cast<wchar_t>(*p);
    note(L"FAIL " + where + L":" + num(line) + L" [" + current_case + L"] " + what +
         (detail.empty() ? L"" : L": " + detail));
    return false;
}

int failures() {
    return failed;
}
int passes() {
    return passed;
}

std::wstring quote(const std::wstring& s) {
    std::wstring q = L"\"";
    const std::size_t limit = 120;
    for (std::size_t i = 0; i < s.size() && i < limit; ++i) {
        if (s[i] < 0x20) {
            wchar_t esc[8];
            std::swprintf(esc, 8, L"\\x%02x", s[i]);
            q += esc;
        } else {
            q += s[i];
        }
    }
    if (s.size() > limit) q += L"...(" + num(static_cast<long long>(s.size())) + L" chars)";
    return q + L"\"";
}

std::wstring num(long long v) {
    return std::to_wstring(v);
}

}  // namespace e2e
