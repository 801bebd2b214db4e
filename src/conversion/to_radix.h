#pragma once

#include "conversion/decimal.h"

#include <cstdint>
#include <optional>
#include <string>

namespace radixon {

// Digits of the whole part of `value` in `base`, most significant first, without
// leading zeros; any value from 0 up to (not including) 1 gives "0". Digit values
// 0-9 are figures, 10-21 the letters A-L, larger values their decimal figures with
// no separator. Fails for a negative value and for base 0 or 1.
std::optional<std::string> toRadix(const Decimal &value, std::uint8_t base);

// One digit value as toRadix writes it.
std::string radixDigit(std::uint8_t digit);

} // namespace radixon
