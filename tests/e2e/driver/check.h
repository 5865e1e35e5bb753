// A small check library for the end-to-end driver: each check names what the user would
// see, and prints actual against expected with the file and line of the check.
#pragma once

#include <cstdio>
#include <string>
#include <utility>

namespace e2e {

// Where results go; the run script reads the file.
void open_results(const wchar_t* path);
void close_results();

// One line of output, UTF-8.
void note(const std::wstring& text);

// Records one check. Returns `ok`, so a test can stop when a later step depends on it.
bool record(bool ok, const char* file, int line, const std::wstring& what,
            const std::wstring& detail);

// The name of the test case that the following checks belong to.
void begin_case(const std::wstring& name);

int failures();
int passes();

std::wstring quote(const std::wstring& s);  // "..." with control characters escaped
std::wstring num(long long v);

}  // namespace e2e

#define CHECK(cond, what) ::e2e::record((cond), __FILE__, __LINE__, (what), L"")
#define CHECK_EQ(actual, expected, what)                                                    \
    [&] {                                                                                   \
        const auto& a_ = (actual);                                                          \
        const auto& e_ = (expected);                                                        \
        return ::e2e::record(a_ == e_, __FILE__, __LINE__, (what),                          \
                             L"got " + ::e2e::show(a_) + L", expected " + ::e2e::show(e_)); \
    }()

namespace e2e {
inline std::wstring show(const std::wstring& s) {
    return quote(s);
}
inline std::wstring show(const wchar_t* s) {
    return quote(s ? s : L"(null)");
}
inline std::wstring show(long long v) {
    return num(v);
}
inline std::wstring show(long v) {
    return num(v);
}
inline std::wstring show(int v) {
    return num(v);
}
inline std::wstring show(unsigned v) {
    return num(v);
}
inline std::wstring show(unsigned long v) {
    return num(static_cast<long long>(v));
}
inline std::wstring show(unsigned long long v) {
    return num(static_cast<long long>(v));
}
inline std::wstring show(bool v) {
    return v ? L"true" : L"false";
}
inline std::wstring show(const void* p) {
    wchar_t hex[24];
    std::swprintf(hex, 24, L"%p", p);
    return hex;
}
template <class A, class B>
std::wstring show(const std::pair<A, B>& p) {
    return L"(" + show(p.first) + L", " + show(p.second) + L")";
}
inline std::wstring show(const std::string& bytes) {
    std::wstring out = L"bytes[" + num(static_cast<long long>(bytes.size())) + L"]";
    const std::size_t shown = bytes.size() < 80 ? bytes.size() : 80;
    wchar_t hex[4];
    for (std::size_t i = 0; i < shown; ++i) {
        std::swprintf(hex, 4, L" %02x", static_cast<unsigned char>(bytes[i]));
        out += hex;
    }
    return out + (shown < bytes.size() ? L" ..." : L"");
}
}  // namespace e2e
