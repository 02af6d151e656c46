// fuzz_val without libFuzzer, for a build that has none (the WebAssembly one under
// Node): the same check of Val against the independent reading.
//   replay --made N      N inputs made from numbers' pieces (digits, points, signs,
//                        exponents, blanks, "&H", "&O", rounding and range edges);
//                        then one line with a digest of Val's bits, of Format's texts
//                        and of the shortest texts of doubles (and of every power of
//                        two), for comparing builds
// A disagreement aborts with both readings, as in fuzz_val.
#include "form/charconv.h"
#include "form/numbers.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size);

namespace {

std::uint64_t state = 0x9E3779B97F4A7C15ULL;
std::uint64_t next()
{
    state ^= state << 13;
    state ^= state >> 7;
    state ^= state << 17;
    return state;
}
std::size_t below(std::size_t n) { return std::size_t(next() % n); }

std::string made()
{
    static const std::string ones(400, '1');
    static const char *const pieces[] = {"0", "1", "5", "9", "00000", "99999", "12345678901234567890", ".", "-", "+",
        "e", "E", "e-", "e+", "308", "309", "324", "323", "400", " ", "\t", "\n", "&H", "&h", "&O", "&o", "7", "F", "f",
        "FFFFFFFFFFFFFFFF", "777777777777777777777", "2.2250738585072011e-308", "4.9406564584124654e-324",
        "2.4703282292062327e-324", "2.4703282292062328e-324", "1.7976931348623157e308", "1.7976931348623158e308",
        "1.7976931348623159e308", "0.1", "2.675", "1e23", "9007199254740993", "x", ",", ones.c_str()};
    std::string s;
    for (std::size_t n = 1 + below(8); n > 0; --n) s += pieces[below(std::size(pieces))];
    return s;
}

// FNV-1a over everything the builds must agree on.
std::uint64_t digest = 0xcbf29ce484222325ULL;
void add(const void *data, std::size_t size)
{
    for (std::size_t i = 0; i < size; ++i)
        digest = (digest ^ static_cast<const unsigned char *>(data)[i]) * 0x100000001b3ULL;
}
void add(const std::string &s) { add(s.data(), s.size() + 1); }

} // namespace

int main(int argc, char **argv)
{
    if (argc != 3 || std::strcmp(argv[1], "--made") != 0) {
        std::fprintf(stderr, "usage: replay --made N\n");
        return 2;
    }
    const long n = std::atol(argv[2]);
    for (long i = 0; i < n; ++i) {
        const std::string s = made();
        LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t *>(s.data()), s.size());
        const double v = Val(s);
        add(&v, sizeof v);
        // A double from random bits, and one near the figures' range.
        std::uint64_t bits = next();
        double d;
        std::memcpy(&d, &bits, sizeof d);
        const double e = double(std::int64_t(next() % 2000000001) - 1000000000) / double(1 + next() % 100000);
        for (double x : {d, e, v}) {
            add(Format(x, "#0.00"));
            add(Format(x, "#0.000"));
            char buf[64];
            const auto r = std::to_chars(buf, buf + sizeof buf, x);
            add(std::string(buf, r.ptr));
        }
    }
    // Every power of two, where the reading interval is lopsided.
    for (int k = -1074; k <= 1023; ++k) {
        char buf[64];
        const auto r = std::to_chars(buf, buf + sizeof buf, std::ldexp(1.0, k));
        add(std::string(buf, r.ptr));
    }
    std::printf("%ld made inputs agree; digest %016llx\n", n, static_cast<unsigned long long>(digest));
    return 0;
}
