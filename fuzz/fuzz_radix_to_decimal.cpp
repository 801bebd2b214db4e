// The binary, octal and hexadecimal readers against mpz_set_str.
// Input: one mode byte, then the digits. Mode bits 0-1 choose the base (2, 8, 16, 16);
// bit 2 puts 32760 + (bits 3-7) zeros in front, to reach the length limit.
#include "conversion/radix_to_decimal.h"
#include "fuzz_support.h"

#include <algorithm>
#include <optional>

using namespace radixon;
using namespace radixon::fuzz;

namespace {

constexpr std::size_t maxLength = 32767;

bool isDigitOf(char c, int base)
{
    const std::string_view digits = "0123456789abcdef";
    const char lower = (c >= 'A' && c <= 'F') ? static_cast<char>(c - 'A' + 'a') : c;
    const std::size_t at = digits.find(lower);
    return at != std::string_view::npos && static_cast<int>(at) < base;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size == 0)
        return 0;
    static constexpr int bases[] = {2, 8, 16, 16};
    const int base = bases[data[0] & 3];
    std::string text;
    if (data[0] & 4)
        text.assign(32760 + (data[0] >> 3), '0');
    text.append(reinterpret_cast<const char *>(data + 1), size - 1);

    const std::optional<std::string> result = radixToDecimal(text, static_cast<std::uint8_t>(base));
    const bool valid =
        text.size() <= maxLength
        && std::all_of(text.begin(), text.end(), [base](char c) { return isDigitOf(c, base); });
    FUZZ_CHECK(result.has_value() == valid, "base %d, %zu characters: %s", base, text.size(),
               result ? "accepted" : "refused");
    if (result) {
        mpz_class expected;
        if (!text.empty())
            FUZZ_CHECK(expected.set_str(text, base) == 0, "GMP refuses what was accepted");
        FUZZ_CHECK(*result == expected.get_str(), "base %d: %s, expected %s", base, result->c_str(),
                   expected.get_str().c_str());
        FUZZ_CHECK(!result->empty() && ((*result)[0] != '0' || *result == "0"),
                   "leading zero in %s", result->c_str());
    }

    return 0;
}
