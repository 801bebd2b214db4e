// parseBase is parseDecimal rounded half to even to a whole number in 0..255.
// Input: one byte choosing the separator, then the text.
#include "fuzz_support.h"

#include <optional>

using namespace radixon;
using namespace radixon::fuzz;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size == 0)
        return 0;
    const std::string_view separator = separatorFor(data[0]);
    const std::string_view text(reinterpret_cast<const char *>(data + 1), size - 1);

    const std::optional<std::uint8_t> base = parseBase(text, separator);
    const std::optional<Decimal> value = parseDecimal(text, separator);

    std::optional<unsigned> expected;
    if (value) {
        const mpz_class whole = roundHalfEven(mantissaOf(*value), tenToThe(value->scale));
        if (whole == 0)
            expected = 0;
        else if (!value->negative && whole <= 255)
            expected = static_cast<unsigned>(whole.get_ui());
    }
    FUZZ_CHECK(base.has_value() == expected.has_value() && (!base || *base == *expected),
               "value %s gives base %d, expected %d", described(value).c_str(),
               base ? int(*base) : -1, expected ? int(*expected) : -1);
    return 0;
}
