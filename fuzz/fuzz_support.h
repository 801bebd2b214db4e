#pragma once

#include "conversion/decimal.h"

#include <gmpxx.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

namespace radixon {

// The same value written the same way: the engine itself never compares two values.
inline bool operator==(const Decimal &a, const Decimal &b)
{
    return a.lo == b.lo && a.mid == b.mid && a.hi == b.hi && a.scale == b.scale
           && a.negative == b.negative;
}

} // namespace radixon

namespace radixon::fuzz {

// Aborts, so that libFuzzer keeps the input, with the failed condition and the values.
#define FUZZ_CHECK(condition, ...)                                                                 \
    do {                                                                                           \
        if (!(condition)) {                                                                        \
            std::fprintf(stderr, "%s:%d: check failed: %s\n", __FILE__, __LINE__, #condition);     \
            std::fprintf(stderr, __VA_ARGS__);                                                     \
            std::fputc('\n', stderr);                                                              \
            std::abort();                                                                          \
        }                                                                                          \
    } while (false)

// Separators a locale can give: single bytes, and U+066B and U+202F, whose several
// bytes a byte-wise parser could split; the empty one takes no fraction at all.
inline std::string_view separatorFor(std::uint8_t selector)
{
    static constexpr std::string_view separators[] = {".", ",", "\xd9\xab", "\xe2\x80\xaf",
                                                      "'", ""};
    return separators[selector % (sizeof separators / sizeof separators[0])];
}

inline mpz_class mantissaOf(const Decimal &value)
{
    mpz_class m(value.hi);
    m <<= 32;
    m += value.mid;
    m <<= 32;
    m += value.lo;
    return m;
}

inline const mpz_class &maxMantissa()
{
    static const mpz_class max = (mpz_class(1) << 96) - 1;
    return max;
}

inline mpz_class tenToThe(unsigned long exponent)
{
    mpz_class p;
    mpz_ui_pow_ui(p.get_mpz_t(), 10, exponent);
    return p;
}

// numerator / divisor (both >= 0) rounded half to even.
inline mpz_class roundHalfEven(const mpz_class &numerator, const mpz_class &divisor)
{
    mpz_class q, r;
    mpz_fdiv_qr(q.get_mpz_t(), r.get_mpz_t(), numerator.get_mpz_t(), divisor.get_mpz_t());
    const int half = cmp(mpz_class(2 * r), divisor);
    if (half > 0 || (half == 0 && mpz_odd_p(q.get_mpz_t())))
        ++q;
    return q;
}

inline std::string described(const std::optional<Decimal> &value)
{
    return value ? toString(*value) : std::string("(failure)");
}

} // namespace radixon::fuzz
