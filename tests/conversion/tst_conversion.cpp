#include "conversion/radix_to_decimal.h"
#include "conversion/to_radix.h"

#include <QRandomGenerator>
#include <QTest>

#include <gmpxx.h>

using namespace radixon;

namespace {

const QByteArray maxText = "79228162514264337593543950335"; // 2^96 - 1
const QByteArray zeros28(28, '0');

// The routines checked from one table: the text fed in, a second argument (separator,
// or base) and the expected result, where an empty one means failure.
enum Routine { ParseDecimal, ParseBase, ToRadix, RadixToDecimal };
const char *const routineNames[] = {"parseDecimal", "parseBase", "toRadix", "radix to decimal"};
Routine section = ParseDecimal;

void row(const char *name, const QByteArray &input, const QByteArray &argument,
         const QByteArray &expected)
{
    QTest::addRow("%s: %s", routineNames[section], name)
        << int(section) << input << argument << expected;
}

QByteArray shown(const Decimal &value) { return QByteArray::fromStdString(toString(value)); }
QByteArray shown(std::uint8_t value) { return QByteArray::number(value); }
QByteArray shown(const std::string &value) { return QByteArray::fromStdString(value); }
template <class T>
QByteArray shown(const std::optional<T> &value)
{
    return value ? shown(*value) : QByteArray();
}

std::optional<std::string> toDecimal(int base, const QByteArray &digits)
{
    const std::string text = digits.toStdString();
    return base == 2   ? binaryToDecimal(text)
           : base == 8 ? octalToDecimal(text)
                       : hexadecimalToDecimal(text);
}

Decimal parsed(const QByteArray &text)
{
    const std::optional<Decimal> value = parseDecimal(text.toStdString(), ".");
    if (!value)
        qFatal("test value %s does not parse", text.constData());
    return *value;
}

// 1 to 96 significant bits, so that short numbers are as common as long ones.
Decimal randomValue(QRandomGenerator &random)
{
    const int bits = random.bounded(1, 97);
    std::uint32_t words[3] = {};
    for (int i = 0; i * 32 < bits; ++i)
        words[i] = random.generate() >> (32 - std::min(32, bits - 32 * i));
    words[(bits - 1) / 32] |= 1u << ((bits - 1) % 32);
    return Decimal{words[0], words[1], words[2]};
}

mpz_class wholePartOf(const Decimal &value)
{
    const std::uint32_t words[3] = {value.lo, value.mid, value.hi};
    mpz_class m, divisor;
    mpz_import(m.get_mpz_t(), 3, -1, sizeof(std::uint32_t), 0, 0, words);
    mpz_ui_pow_ui(divisor.get_mpz_t(), 10, value.scale);
    return m / divisor;
}

// Independent of the engine: GMP's remainders written with the calculator's alphabet.
QByteArray expectedDigits(mpz_class value, unsigned base)
{
    QByteArray text;
    do {
        const unsigned long digit = mpz_tdiv_q_ui(value.get_mpz_t(), value.get_mpz_t(), base);
        text.prepend(digit >= 10 && digit < 22 ? QByteArray(1, char('A' + digit - 10))
                                               : QByteArray::number(qulonglong(digit)));
    } while (value != 0);
    return text;
}

} // namespace

class TestConversion : public QObject {
    Q_OBJECT

private slots:
    void converts_data()
    {
        QTest::addColumn<int>("routine");
        QTest::addColumn<QByteArray>("input");
        QTest::addColumn<QByteArray>("argument");
        QTest::addColumn<QByteArray>("expected");
        section = ParseDecimal;
        row("maximum behind leading zeros", "000" + maxText, ".", maxText);
        row("maximum plus one", "79228162514264337593543950336", ".", "");
        row("maximum plus a half rounds beyond it", maxText + ".5", ".", "");
        row("large whole part keeps one fraction digit", "7922816251426433759354395033.54", ".",
            "7922816251426433759354395033.5");
        row("28 fraction digits kept", "0.1234567890123456789012345678", ".",
            "0.1234567890123456789012345678");
        row("29th digit half to even below", "0.00000000000000000000000000025", ".",
            "0.0000000000000000000000000002");
        row("29th digit half to even above", "0.00000000000000000000000000035", ".",
            "0.0000000000000000000000000004");
        row("half followed by a digit rounds up", "0.000000000000000000000000000250001", ".",
            "0.0000000000000000000000000003");
        row("rounding carries into the whole part", "1." + QByteArray(60, '9'), ".",
            "2." + zeros28);
        row("comma separator", "12,50", ",", "12.50");
        row("point where comma is the separator", "12.5", ",", "");
        row("comma where point is the separator", "12,5", ".", "");
        row("multi-byte separator",
            "3\xd9\xab"
            "25",
            "\xd9\xab", "3.25");
        row("first byte of a multi-byte separator",
            "3\xd9"
            "25",
            "\xd9\xab", "");
        row("surrounding spaces and a tab", " \t42  ", ".", "42");
        row("plus sign", "+5", ".", "5");
        row("minus sign", "-0.25", ".", "-0.25");
        row("minus zero is zero", "-0", ".", "0");
        row("fraction without whole part", ".5", ".", "0.5");
        row("separator without fraction", "5.", ".", "5");
        row("empty", "", ".", "");
        row("only a space", " ", ".", "");
        row("only a sign", "-", ".", "");
        row("only a separator", ".", ".", "");
        row("exponent", "1e5", ".", "");
        row("two separators", "1.2.3", ".", "");
        row("space after the sign", "- 1", ".", "");
        section = ParseBase;
        row("255", "255", ".", "255");
        row("2.5 to even below", "2.5", ".", "2");
        row("3,5 with a comma to even above", "3,5", ",", "4");
        row("255.5 leaves the range", "255.5", ".", "");
        row("-0.5 rounds to zero", "-0.5", ".", "0");
        row("minus one", "-1", ".", "");
        section = ToRadix;
        row("255 in binary", "255", "2", "11111111");
        row("255 in octal", "255", "8", "377");
        row("255 in hexadecimal", "255", "16", "FF");
        row("zero", "0", "2", "0");
        row("a half", "0.5", "2", "0");
        row("fraction dropped", "2.5", "2", "10");
        row("scale 28", "7.9228162514264337593543950335", "10", "7");
        row("negative", "-5", "2", "");
        row("negative fraction", "-0.5", "2", "");
        row("base 0", "10", "0", "");
        row("base 1", "10", "1", "");
        row("20 in base 21 is K", "20", "21", "K");
        row("21 in base 22 is L", "21", "22", "L");
        row("22 in base 23 is figures", "22", "23", "22");
        row("two figure digits in base 30", "775", "30", "2525");
        row("10^28 in hexadecimal", "1" + zeros28, "16", "204FCE5E3E25026110000000");
        section = RadixToDecimal;
        row("binary empty", "", "2", "0");
        row("octal empty", "", "8", "0");
        row("hexadecimal empty", "", "16", "0");
        row("binary 101", "101", "2", "5");
        row("octal 777", "777", "8", "511");
        row("hexadecimal FF", "FF", "16", "255");
        row("hexadecimal ff", "ff", "16", "255");
        row("leading zeros", "000a", "16", "10");
        row("fifty binary ones", QByteArray(50, '1'), "2", "1125899906842623");
        row("2^64 + 1, beyond a double", "1" + QByteArray(63, '0') + "1", "2",
            "18446744073709551617");
        row("binary 2 is no digit", "12", "2", "");
        row("octal 9 is no digit", "19", "8", "");
        row("hexadecimal G is no digit", "1G", "16", "");
        row("minus one", "-1", "16", "");
        row("space after", "1 ", "2", "");
        row("space before", " 1", "2", "");
        row("fullwidth digit", "\xef\xbc\x91", "2", "");
        row("32767 characters", QByteArray(32766, '0') + "1", "2", "1");
        row("32768 characters", QByteArray(32767, '0') + "1", "2", "");
        row("hexadecimal 32768 characters", QByteArray(32767, '0') + "f", "16", "");
    }
    void converts()
    {
        QFETCH(int, routine);
        QFETCH(QByteArray, input);
        QFETCH(QByteArray, argument);
        QFETCH(QByteArray, expected);
        const std::string text = input.toStdString();
        const QByteArray result =
            routine == ParseDecimal ? shown(parseDecimal(text, argument.toStdString()))
            : routine == ParseBase  ? shown(parseBase(text, argument.toStdString()))
            : routine == ToRadix    ? shown(toRadix(parsed(input), std::uint8_t(argument.toInt())))
                                    : shown(toDecimal(argument.toInt(), input));
        QCOMPARE(result, expected);
    }

    void matchesGmpInEveryBase()
    {
        for (const QByteArray &text : {maxText, QByteArray("18446744073709551616")}) {
            const Decimal value = parsed(text);
            for (unsigned base = 2; base <= 255; ++base)
                QCOMPARE(shown(toRadix(value, std::uint8_t(base))),
                         expectedDigits(wholePartOf(value), base));
        }
    }

    void randomValues_data()
    {
        QTest::addColumn<int>("base");
        QTest::newRow("binary") << 2;
        QTest::newRow("octal") << 8;
        QTest::newRow("hexadecimal") << 16;
    }
    // Round trip through toRadix and back; the same value at a random scale in a
    // random base must give GMP's digits.
    void randomValues()
    {
        QFETCH(int, base);
        QRandomGenerator random(quint32(base) * 7919u);
        for (int i = 0; i < 7000; ++i) {
            Decimal value = randomValue(random);
            const std::optional<std::string> digits = toRadix(value, std::uint8_t(base));
            QVERIFY(digits);
            QCOMPARE(shown(toDecimal(base, QByteArray::fromStdString(*digits))), shown(value));
            value.scale = std::uint8_t(random.bounded(0, 29));
            const unsigned anyBase = random.bounded(2u, 256u);
            QCOMPARE(shown(toRadix(value, std::uint8_t(anyBase))),
                     expectedDigits(wholePartOf(value), anyBase));
        }
    }
};

QTEST_APPLESS_MAIN(TestConversion)
#include "tst_conversion.moc"
