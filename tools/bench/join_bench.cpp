// join_texts against its nearest limit, malloc plus memcpy of the same bytes, on the
// Texts of a real link (prefix, 9-digit ID, suffix) and on a 30,000-byte ID.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <cstring>
#include <string>

#include "link/text.h"

namespace {

const char prefix[] = "http://music.163.com/song/media/outer/url?id=";
const char suffix[] = ".mp3";
const std::string short_id = "864443401";
const std::string long_id(30000, '8');

void join_texts_bench(benchmark::State& state, const std::string* id) {
    for (auto _ : state) {
        Text joined = join_texts(prefix, id->c_str(), suffix);
        benchmark::DoNotOptimize(joined);
        text_release(joined);
    }
}

// One block of a + b + c bytes with the three parts copied into it, then freed.
inline void copy_and_free(const char* const* parts, std::size_t a, std::size_t b, std::size_t c) {
    auto* joined = static_cast<char*>(std::malloc(a + b + c));
    std::memcpy(joined, parts[0], a);
    std::memcpy(joined + a, parts[1], b);
    std::memcpy(joined + a + b, parts[2], c);
    benchmark::DoNotOptimize(joined);
    std::free(joined);
}

// The limit: one block of the right size and the bytes copied into it, the lengths known
// in advance (but not to the compiler, which would otherwise inline the short copies).
void malloc_memcpy_bench(benchmark::State& state, const std::string* id) {
    const char* parts[] = {prefix, id->c_str(), suffix};
    benchmark::DoNotOptimize(parts);
    const std::size_t a = std::strlen(parts[0]), b = std::strlen(parts[1]),
                      c = std::strlen(parts[2]) + 1;
    for (auto _ : state) copy_and_free(parts, a, b, c);
}

// What any join of zero-terminated texts must do besides: measure them, here with the C
// runtime's strlen.
void strlen_malloc_memcpy_bench(benchmark::State& state, const std::string* id) {
    const char* parts[] = {prefix, id->c_str(), suffix};
    benchmark::DoNotOptimize(parts);
    for (auto _ : state) {
        copy_and_free(parts, std::strlen(parts[0]), std::strlen(parts[1]),
                      std::strlen(parts[2]) + 1);
    }
}

BENCHMARK_CAPTURE(join_texts_bench, id_9, &short_id);
BENCHMARK_CAPTURE(strlen_malloc_memcpy_bench, id_9, &short_id);
BENCHMARK_CAPTURE(strlen_malloc_memcpy_bench, id_30000, &long_id);
BENCHMARK_CAPTURE(malloc_memcpy_bench, id_9, &short_id);
BENCHMARK_CAPTURE(join_texts_bench, id_30000, &long_id);
BENCHMARK_CAPTURE(malloc_memcpy_bench, id_30000, &long_id);

}  // namespace

BENCHMARK_MAIN();
