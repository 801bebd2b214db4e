#include "conversion/radix_to_decimal.h"
#include "conversion/to_radix.h"

#include <QRandomGenerator>
#include <QTest>

#include <gmpxx.h>

using namespace radixon;

namespace {

const QByteArray maxText = "79228162514264337593543950335"; // 2^96 - 1

// A routine, its input, its separator or base, and the result (empty: refused).
enum Routine { ParseDecimal, ParseBase, ToRadix, ToDecimal };
struct Case {
    Routine routine;
    QByteArray input, argument, expected;
};
const char *const routineNames[] = {"parseDecimal", "parseBase", "toRadix", "to decimal"};
Routine section = ParseDecimal;

void row(const char *name, const QByteArray &input, const QByteArray &argument,
         const QByteArray &expected)
{
    QTest::addRow("%s: %s", routineNames[section], name)
        << Case{section, input, argument, expected};
}

QByteArray shown(const Decimal &value) { return QByteArray::fromStdString(toString(value)); }
QByteArray shown(std::uint8_t value) { return QByteArray::number(value); }
QByteArray shown(const std::string &value) { return QByteArray::fromStdString(value); }
template <class T>
QByteArray shown(const std::optional<T> &value)
{
    return value ? shown(*value) : QByteArray();
}

std::optional<std::string> toDecimal(int base, const std::string &digits)
{
    return base == 2   ? binaryToDecimal(digits)
           : base == 8 ? octalToDecimal(digits)
                       : hexadecimalToDecimal(digits);
}

QByteArray run(const Case &c)
{
    const std::string in = c.input.toStdString(), argument = c.argument.toStdString();
    const auto base = std::uint8_t(c.argument.toInt());
    switch (c.routine) {
    case ParseDecimal:
        return shown(parseDecimal(in, argument));
    case ParseBase:
        return shown(parseBase(in, argument));
    case ToRadix:
        return shown(toRadix(parseDecimal(in, ".").value(), base));
    default:
        return shown(toDecimal(base, in));
    }
}

} // namespace

Q_DECLARE_METATYPE(Case)

class TestConversion : public QObject {
    Q_OBJECT

private slots:
    void converts_data()
    {
        QTest::addColumn<Case>("c");
        section = ParseDecimal;
        row("maximum behind leading zeros", "000" + maxText, ".", maxText);
        row("29th fraction digit rounds half to even", "0.00000000000000000000000000025", ".",
            "0.0000000000000000000000000002");
        row("rounding carries into the whole part", "1." + QByteArray(60, '9'), ".",
            "2." + QByteArray(28, '0'));
        row("one above the maximum", "79228162514264337593543950336", ".", "");
        row("digits past a 5 round up", "0." + QByteArray(27, '0') + "251", ".",
            "0." + QByteArray(27, '0') + "3");
        row("a large whole part keeps fewer fraction digits", "7922816251426433759354395033.59",
            ".", "7922816251426433759354395034");
        row("comma separator", "12,50", ",", "12.50");
        row("point refused where the separator is a comma", "12.5", ",", "");
        row("two-character separator", "3::25", "::", "3.25");
        row("surrounding spaces and a tab", " \t42 ", ".", "42");
        row("plus sign", "+7.", ".", "7");
        row("negative zero is zero", "-.0", ".", "0.0");
        row("negative", "-0.05", ".", "-0.05");
        for (const char *refused : {"", ".", "-", "1.2.3", "1 2", "1e3", "٣"})
            row((QByteArray("refuses \"") + refused + '"').constData(), refused, ".", "");
        section = ParseBase;
        row("255", "255", ".", "255");
        row("2.5 rounds to even 2", "2.5", ".", "2");
        row("3.5 rounds to even 4", "3.5", ".", "4");
        row("2.51 rounds up", "2.51", ".", "3");
        row("-0.4 is base 0", "-0.4", ".", "0");
        row("255.5 rounds beyond 255", "255.5", ".", "");
        row("negative", "-1", ".", "");
        section = ToRadix;
        row("negative", "-5", "2", "");
        row("base 1", "10", "1", "");
        row("below one gives 0", "0.99", "2", "0");
        row("the fraction is dropped", "255.99", "16", "FF");
        row("the maximum in binary", maxText, "2", QByteArray(96, '1'));
        row("the maximum in base 255", maxText, "255", "1C66221243301622824022066C0");
        row("digits 100 and 22 in base 101", "10122", "101", "10022");
        row("digit 199 in base 200", "199", "200", "199");
        section = ToDecimal;
        row("empty binary", "", "2", "0");
        row("octal refuses 8", "78", "8", "");
        row("binary refuses 2", "102", "2", "");
        row("hexadecimal 9fF in either case", "9fF", "16", "2559");
        row("hexadecimal refuses g", "1g", "16", "");
        row("hexadecimal with a space", "f f", "16", "");
        row("32767 characters", QByteArray(32766, '0') + "1", "2", "1");
        row("32768 characters", QByteArray(32767, '0') + "1", "2", "");
    }
    void converts()
    {
        QFETCH(Case, c);
        QCOMPARE(run(c), c.expected);
    }
    // Values built directly: a whole number past 32 bits, and a zero marked negative.
    void convertsBuiltValues()
    {
        QCOMPARE(shown(toRadix(decimalFromInteger(1ull << 40), 16)), QByteArray("10000000000"));
        QCOMPARE(shown(toRadix(Decimal{0, 0, 0, 0, true}, 2)), QByteArray("0"));
        QCOMPARE(shown(toRadix(decimalFromInteger(5, true), 2)), QByteArray());
    }

    // Numbers of 1 to 29 figures, short ones as common as long ones, against GMP: up to
    // base 22 the calculator's digits are GMP's capitals, and its to-decimal is GMP's.
    void matchesGmp()
    {
        QRandomGenerator random(7919);
        const int powersOfTwo[] = {2, 8, 16};
        for (int i = 0; i < 20000; ++i) {
            QByteArray text = "." + QByteArray::number(random.bounded(1000));
            for (int n = random.bounded(1, 30); n > 0; --n)
                text.prepend(char('0' + random.bounded(10)));
            const std::optional<Decimal> value = parseDecimal(text.toStdString(), ".");
            if (!value)
                continue; // beyond 2^96 - 1
            const mpz_class whole(shown(*value).split('.').first().toStdString());
            const int base = random.bounded(2, 23), powerOfTwo = powersOfTwo[i % 3];
            QCOMPARE(shown(toRadix(*value, std::uint8_t(base))), shown(whole.get_str(-base)));
            QCOMPARE(shown(toDecimal(powerOfTwo, whole.get_str(powerOfTwo))),
                     shown(whole.get_str()));
        }
    }
};

QTEST_APPLESS_MAIN(TestConversion)
#include "tst_conversion.moc"
