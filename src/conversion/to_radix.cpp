#include "conversion/to_radix.h"

#include <algorithm>
#include <array>
#include <limits>
#include <type_traits>

namespace radixon {

namespace {

// 96-bit mantissas times small factors fit; GCC and Clang both provide it.
__extension__ typedef unsigned __int128 Uint128;

constexpr Uint128 maxMantissa = (Uint128(1) << 96) - 1;
constexpr char letterDigits[] = "0123456789ABCDEFGHIJKL";
constexpr unsigned firstFigureDigit = 22;
constexpr std::size_t maxDigits = 96;

constexpr std::array<Uint128, Decimal::maxScale + 1> powersOfTen()
{
    std::array<Uint128, Decimal::maxScale + 1> powers{};
    Uint128 p = 1;
    for (auto &power : powers) {
        power = p;
        p *= 10;
    }
    return powers;
}
constexpr auto tenToThe = powersOfTen();

// The largest power of each base that fits in 64 bits, and its exponent: one
// 128-bit division splits the value into parts that 64-bit arithmetic finishes.
struct Chunk {
    std::uint64_t divisor = 0;
    std::uint8_t digits = 0;
};
constexpr std::array<Chunk, 256> chunksByBase()
{
    std::array<Chunk, 256> chunks{};
    for (unsigned base = 2; base < 256; ++base) {
        std::uint64_t divisor = base;
        std::uint8_t digits = 1;
        while (divisor <= std::numeric_limits<std::uint64_t>::max() / base) {
            divisor *= base;
            ++digits;
        }
        chunks[base] = Chunk{divisor, digits};
    }
    return chunks;
}
constexpr auto chunkFor = chunksByBase();

Uint128 mantissaOf(const Decimal &value)
{
    return (Uint128(value.hi) << 64) | (Uint128(value.mid) << 32) | value.lo;
}

unsigned bitLength(Uint128 value)
{
    const auto high = static_cast<std::uint64_t>(value >> 64);
    const auto low = static_cast<std::uint64_t>(value);
    if (high != 0)
        return 128 - static_cast<unsigned>(__builtin_clzll(high));
    return low != 0 ? 64 - static_cast<unsigned>(__builtin_clzll(low)) : 0;
}

// Written straight into the result, so the one allocation is the string's own.
std::string powerOfTwoDigits(Uint128 value, unsigned bitsPerDigit)
{
    const std::size_t length = std::max(1u, (bitLength(value) + bitsPerDigit - 1) / bitsPerDigit);
    std::string text(length, '0');
    const unsigned mask = (1u << bitsPerDigit) - 1;
    auto low = static_cast<std::uint64_t>(value);
    auto high = static_cast<std::uint64_t>(value >> 64);
    char *out = text.data() + length;
    // Work on 64-bit halves: shifting a 128-bit value costs several instructions.
    while (high != 0) {
        *--out = letterDigits[static_cast<unsigned>(low) & mask];
        low = (low >> bitsPerDigit) | (high << (64 - bitsPerDigit));
        high >>= bitsPerDigit;
    }
    while (out != text.data()) {
        *--out = letterDigits[static_cast<unsigned>(low) & mask];
        low >>= bitsPerDigit;
    }
    return text;
}

std::size_t figureCount(unsigned digit)
{
    return digit < firstFigureDigit ? 1 : digit < 100 ? 2 : 3;
}

// `Base` is either `unsigned` or a std::integral_constant, which lets the
// compiler turn the divisions of a common base into multiplications.
template<typename Base>
std::size_t digitsOf(Uint128 value, Base base, std::uint8_t *digits)
{
    std::size_t count = 0;
    if (value > std::numeric_limits<std::uint64_t>::max()) {
        const Chunk chunk = chunkFor[base];
        const Uint128 high = value / chunk.divisor;
        auto low = static_cast<std::uint64_t>(value - high * chunk.divisor);
        for (unsigned i = 0; i < chunk.digits; ++i) {
            digits[count++] = static_cast<std::uint8_t>(low % base);
            low /= base;
        }
        value = high;
    }
    auto rest = static_cast<std::uint64_t>(value);
    do {
        digits[count++] = static_cast<std::uint8_t>(rest % base);
        rest /= base;
    } while (rest != 0);
    return count;
}

std::string anyBaseDigits(Uint128 value, unsigned base)
{
    // Least significant digit first.
    std::uint8_t digits[maxDigits];
    const std::size_t count = base == 10 ? digitsOf(value, std::integral_constant<unsigned, 10>{}, digits)
                                         : digitsOf(value, base, digits);

    std::size_t length = 0;
    for (std::size_t i = 0; i < count; ++i)
        length += figureCount(digits[i]);
    std::string text(length, '0');
    char *out = text.data();
    for (std::size_t i = count; i-- > 0;) {
        const unsigned digit = digits[i];
        if (digit < firstFigureDigit) {
            *out++ = letterDigits[digit];
        } else {
            if (digit >= 100)
                *out++ = static_cast<char>('0' + digit / 100);
            *out++ = static_cast<char>('0' + digit / 10 % 10);
            *out++ = static_cast<char>('0' + digit % 10);
        }
    }
    return text;
}

} // namespace

std::optional<std::string> ToRadix2(const Decimal &dNum, std::uint8_t xRad)
{
    if (xRad < 2 || dNum.scale > Decimal::maxScale || (dNum.negative && !dNum.isZero()))
        return std::nullopt;

    const Uint128 whole = mantissaOf(dNum) / tenToThe[dNum.scale];
    switch (xRad) {
    case 2:
        return powerOfTwoDigits(whole, 1);
    case 4:
        return powerOfTwoDigits(whole, 2);
    case 8:
        return powerOfTwoDigits(whole, 3);
    case 16:
        return powerOfTwoDigits(whole, 4);
    default:
        return anyBaseDigits(whole, xRad);
    }
}

std::optional<Decimal> pow(std::int32_t Base, std::int32_t Num)
{
    if (Num < 0)
        return std::nullopt;

    const std::uint64_t magnitude =
        Base < 0 ? std::uint64_t{0} - static_cast<std::uint64_t>(Base) : static_cast<std::uint64_t>(Base);
    Uint128 result = 1;
    if (magnitude <= 1) {
        result = Num == 0 ? 1 : magnitude;
    } else {
        for (std::int32_t i = 0; i < Num; ++i) {
            if (result > maxMantissa / magnitude)
                return std::nullopt;
            result *= magnitude;
        }
    }

    Decimal d;
    d.lo = static_cast<std::uint32_t>(result);
    d.mid = static_cast<std::uint32_t>(result >> 32);
    d.hi = static_cast<std::uint32_t>(result >> 64);
    d.negative = Base < 0 && Num % 2 == 1 && result != 0;
    return d;
}

} // namespace radixon
