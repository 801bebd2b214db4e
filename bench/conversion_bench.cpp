// Times the conversion engine against GMP on the same inputs.
// toRadix is measured as callers use it (a fresh std::string per call);
// mpz_get_str writes into a buffer allocated once, which favours GMP.

#include "conversion/decimal.h"
#include "conversion/radix_to_decimal.h"
#include "conversion/to_radix.h"

#include <gmp.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <random>
#include <string>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

constexpr int valueCount = 10000;
constexpr int rounds = 7;

template <typename Work>
double bestSeconds(Work &&work)
{
    double best = 1e300;
    for (int round = 0; round < rounds; ++round) {
        const auto start = Clock::now();
        work();
        const std::chrono::duration<double> elapsed = Clock::now() - start;
        best = std::min(best, elapsed.count());
    }
    return best;
}

std::string randomDigits(std::mt19937_64 &random, std::size_t length, const char *alphabet,
                         int size)
{
    std::uniform_int_distribution<int> pick(0, size - 1);
    std::string text(length, '0');
    for (char &c : text)
        c = alphabet[pick(random)];
    text.front() = '1';
    return text;
}

} // namespace

int main()
{
    std::mt19937_64 random(20240601);
    std::vector<radixon::Decimal> decimals(valueCount);
    std::vector<mpz_t> integers(valueCount);
    for (int i = 0; i < valueCount; ++i) {
        const std::uint64_t low = random();
        const auto high = static_cast<std::uint32_t>(random());
        radixon::Decimal &d = decimals[i];
        d.lo = static_cast<std::uint32_t>(low);
        d.mid = static_cast<std::uint32_t>(low >> 32);
        d.hi = high;
        const std::uint32_t words[3] = {d.lo, d.mid, d.hi};
        mpz_init(integers[i]);
        mpz_import(integers[i], 3, -1, sizeof(std::uint32_t), 0, 0, words);
    }

    std::printf("%d random 96-bit values, best of %d rounds\n", valueCount, rounds);
    std::printf("%-6s %14s %14s %8s\n", "base", "toRadix ns", "mpz_get_str ns", "ratio");
    std::size_t sink = 0;
    char buffer[128];
    for (const int base : {2, 8, 16, 10}) {
        const double ours = bestSeconds([&] {
            for (const radixon::Decimal &d : decimals)
                sink += radixon::toRadix(d, static_cast<std::uint8_t>(base))->size();
        });
        const double gmp = bestSeconds([&] {
            for (const mpz_t &z : integers)
                sink += std::char_traits<char>::length(mpz_get_str(buffer, base, z));
        });
        std::printf("%-6d %14.1f %14.1f %8.2f\n", base, ours * 1e9 / valueCount,
                    gmp * 1e9 / valueCount, ours / gmp);
    }

    const std::string binary = randomDigits(random, 32767, "01", 2);
    const std::string hexadecimal = randomDigits(random, 32767, "0123456789ABCDEFabcdef", 22);
    const double binaryTime =
        bestSeconds([&] { sink += radixon::radixToDecimal(binary, 2)->size(); });
    const double hexTime =
        bestSeconds([&] { sink += radixon::radixToDecimal(hexadecimal, 16)->size(); });
    std::printf("radix to decimal, 32767 binary digits:      %8.3f ms\n", binaryTime * 1e3);
    std::printf("radix to decimal, 32767 hexadecimal digits: %8.3f ms\n", hexTime * 1e3);

    for (mpz_t &z : integers)
        mpz_clear(z);
    return sink == 0 ? 1 : 0;
}
