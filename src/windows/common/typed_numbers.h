#pragma once

#include "windows/common/working_steps.h"

#include <QLocale>
#include <QString>

#include <cstdint>
#include <optional>

namespace radixon {

// The engine reads numbers with the user's decimal separator; these adapt the
// windows' texts to it.

// The steps that write `text`, a decimal number as the user typed it, in base `base`
// (2 to 255), or why there are none.
Working decimalTextWorking(const QString &text, std::uint8_t base,
                           const QLocale &locale = QLocale());

// The base typed into a base field: a number rounded half to even, 0 to 255.
std::optional<std::uint8_t> baseFromText(const QString &text, const QLocale &locale = QLocale());
// Why a base field's text is no base for a conversion; nothing when it is one (2 to 255).
std::optional<ConversionFailure> baseTextFailure(const QString &text,
                                                 const QLocale &locale = QLocale());

// The live line under the main window's result: the number in each of numberSystems,
// joined by " - "; a conversion that fails leaves its part empty.
QString previewLine(const QString &text, const QLocale &locale = QLocale());

} // namespace radixon
