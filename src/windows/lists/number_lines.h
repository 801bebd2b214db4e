#pragma once

#include <QString>
#include <QStringList>

namespace radixon {

// The numbers shown in each list: 1 to this, one line each.
constexpr int numberLineCount = 100;

// "n = digits": n in decimal, digits its form in `base` (2 to 255).
QString numberLine(int n, int base);

// The lines for 1 to numberLineCount, in increasing order.
QStringList numberLines(int base);

} // namespace radixon
