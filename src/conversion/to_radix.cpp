#include "conversion/to_radix.h"

#include <algorithm>
#include <array>
#include <limits>

namespace radixon {

namespace {

// 96-bit mantissas times small factors fit; GCC and Clang both provide it.
__extension__ typedef unsigned __int128 Uint128;

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
    std::uint64_t divisor;
    std::uint8_t digits;
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

// Writes one digit's figureCount(digit) characters; returns the end of them.
char *writeDigit(char *out, unsigned digit)
{
    if (digit < firstFigureDigit) {
        *out++ = letterDigits[digit];
    } else {
        if (digit >= 100)
            *out++ = static_cast<char>('0' + digit / 100);
        *out++ = static_cast<char>('0' + digit / 10 % 10);
        *out++ = static_cast<char>('0' + digit % 10);
    }
    return out;
}

std::size_t digitsOf(Uint128 value, unsigned base, std::uint8_t *digits)
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

// Base 10 is the most used base past the three systems, so it takes GMP's own
// path: 32-bit limbs divided by 10^9 (a multiplication once the divisor is a
// constant) and each group of nine written two figures at a time.
std::string decimalDigits(Uint128 value)
{
    constexpr std::uint32_t groupSize = 1000000000;
    constexpr unsigned groupFigures = 9;
    static constexpr char pairs[] = "00010203040506070809101112131415161718192021222324"
                                    "25262728293031323334353637383940414243444546474849"
                                    "50515253545556575859606162636465666768697071727374"
                                    "75767778798081828384858687888990919293949596979899";

    std::uint32_t limbs[4] = {
        static_cast<std::uint32_t>(value >> 96), static_cast<std::uint32_t>(value >> 64),
        static_cast<std::uint32_t>(value >> 32), static_cast<std::uint32_t>(value)};
    // Least significant group first.
    std::uint32_t groups[5];
    std::size_t groupCount = 0;
    std::size_t top = 0;
    do {
        std::uint64_t rest = 0;
        for (std::size_t i = top; i < 4; ++i) {
            const std::uint64_t current = (rest << 32) | limbs[i];
            limbs[i] = static_cast<std::uint32_t>(current / groupSize);
            rest = current % groupSize;
        }
        groups[groupCount++] = static_cast<std::uint32_t>(rest);
        while (top < 4 && limbs[top] == 0)
            ++top;
    } while (top < 4);

    char buffer[5 * groupFigures];
    char *const end = buffer + sizeof buffer;
    char *out = end;
    const auto writePair = [&out](std::uint32_t twoFigures) {
        out -= 2;
        std::copy_n(pairs + 2 * twoFigures, 2, out);
    };
    // Every group below the leading one keeps its leading zeros.
    for (std::size_t g = 0; g + 1 < groupCount; ++g) {
        std::uint32_t group = groups[g];
        for (unsigned pair = 0; pair < groupFigures / 2; ++pair, group /= 100)
            writePair(group % 100);
        *--out = static_cast<char>('0' + group);
    }
    std::uint32_t leading = groups[groupCount - 1];
    for (; leading >= 100; leading /= 100)
        writePair(leading % 100);
    if (leading >= 10)
        writePair(leading);
    else
        *--out = static_cast<char>('0' + leading);
    return std::string(out, end);
}

std::string anyBaseDigits(Uint128 value, unsigned base)
{
    // Least significant digit first.
    std::uint8_t digits[maxDigits];
    const std::size_t count = digitsOf(value, base, digits);

    std::size_t length = 0;
    for (std::size_t i = 0; i < count; ++i)
        length += figureCount(digits[i]);
    std::string text(length, '0');
    char *out = text.data();
    for (std::size_t i = count; i-- > 0;)
        out = writeDigit(out, digits[i]);
    return text;
}

} // namespace

std::string radixDigit(std::uint8_t digit)
{
    std::string text(figureCount(digit), '0');
    writeDigit(text.data(), digit);
    return text;
}

std::optional<std::string> toRadix(const Decimal &value, std::uint8_t base)
{
    if (base < 2 || value.scale > Decimal::maxScale || (value.negative && !value.isZero()))
        return std::nullopt;

    const Uint128 whole = mantissaOf(value) / tenToThe[value.scale];
    switch (base) {
    case 2:
        return powerOfTwoDigits(whole, 1);
    case 4:
        return powerOfTwoDigits(whole, 2);
    case 8:
        return powerOfTwoDigits(whole, 3);
    case 16:
        return powerOfTwoDigits(whole, 4);
    case 10:
        return decimalDigits(whole);
    default:
        return anyBaseDigits(whole, base);
    }
}

} // namespace radixon
