#include "conversion/to_radix.h"

#include <QRandomGenerator>
#include <QTest>

#include <gmpxx.h>

using namespace radixon;

class TestToRadix : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void convertsValues_data();
    void convertsValues();
    void matchesGmpInEveryBase_data();
    void matchesGmpInEveryBase();
    void matchesGmpForRandomValues();
    void computesPowers_data();
    void computesPowers();
};

namespace {

Decimal fromText(const QByteArray &text)
{
    const std::optional<Decimal> value = parseDecimal(text.toStdString(), ".");
    if (!value)
        qFatal("test value %s does not parse", text.constData());
    return *value;
}

mpz_class wholePartOf(const Decimal &value)
{
    const std::uint32_t words[3] = {value.lo, value.mid, value.hi};
    mpz_class m;
    mpz_import(m.get_mpz_t(), 3, -1, sizeof(std::uint32_t), 0, 0, words);
    mpz_class divisor;
    mpz_ui_pow_ui(divisor.get_mpz_t(), 10, value.scale);
    return m / divisor;
}

// Independent of the engine: GMP's own digits where one character per digit
// suffices, otherwise GMP's remainders written with the calculator's alphabet.
QByteArray expectedDigits(mpz_class value, unsigned base)
{
    if (base <= 21)
        return QByteArray::fromStdString(value.get_str(int(base))).toUpper();
    QList<unsigned long> digits;
    do {
        digits.prepend(mpz_tdiv_q_ui(value.get_mpz_t(), value.get_mpz_t(), base));
    } while (value != 0);
    QByteArray text;
    for (const unsigned long digit : digits)
        text += digit < 10 ? QByteArray::number(qulonglong(digit))
                : digit < 22 ? QByteArray(1, char('A' + digit - 10))
                             : QByteArray::number(qulonglong(digit));
    return text;
}

} // namespace

void TestToRadix::convertsValues_data()
{
    QTest::addColumn<QByteArray>("value");
    QTest::addColumn<int>("base");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<QByteArray>("expected");

    QTest::newRow("255 in binary") << QByteArray("255") << 2 << true << QByteArray("11111111");
    QTest::newRow("255 in octal") << QByteArray("255") << 8 << true << QByteArray("377");
    QTest::newRow("255 in hexadecimal") << QByteArray("255") << 16 << true << QByteArray("FF");
    QTest::newRow("one in binary") << QByteArray("1") << 2 << true << QByteArray("1");
    QTest::newRow("16 in hexadecimal") << QByteArray("16") << 16 << true << QByteArray("10");
    QTest::newRow("zero") << QByteArray("0") << 2 << true << QByteArray("0");
    QTest::newRow("a half") << QByteArray("0.5") << 2 << true << QByteArray("0");
    QTest::newRow("just below one") << QByteArray("0.9999999999999999999999999999") << 16 << true << QByteArray("0");
    QTest::newRow("fraction dropped") << QByteArray("2.5") << 2 << true << QByteArray("10");
    QTest::newRow("fraction dropped in base 30") << QByteArray("753.99") << 30 << true << QByteArray("253");
    QTest::newRow("negative") << QByteArray("-5") << 2 << false << QByteArray();
    QTest::newRow("negative fraction") << QByteArray("-0.5") << 2 << false << QByteArray();
    QTest::newRow("base 0") << QByteArray("10") << 0 << false << QByteArray();
    QTest::newRow("base 1") << QByteArray("10") << 1 << false << QByteArray();
    QTest::newRow("20 in base 21 is K") << QByteArray("20") << 21 << true << QByteArray("K");
    QTest::newRow("21 in base 22 is L") << QByteArray("21") << 22 << true << QByteArray("L");
    QTest::newRow("22 in base 23 is figures") << QByteArray("22") << 23 << true << QByteArray("22");
    QTest::newRow("two figure digits in base 30") << QByteArray("775") << 30 << true << QByteArray("2525");
    QTest::newRow("254 in base 255") << QByteArray("254") << 255 << true << QByteArray("254");
    QTest::newRow("255 squared in base 255") << QByteArray("65025") << 255 << true << QByteArray("100");
    QTest::newRow("mixed widths in base 255") << QByteArray("64777") << 255 << true << QByteArray("2547");
    QTest::newRow("10^27 - 1 in hexadecimal") << QByteArray(27, '9') << 16 << true << QByteArray("33B2E3C9FD0803CE7FFFFFF");
    QTest::newRow("10^28 in hexadecimal") << "1" + QByteArray(28, '0') << 16 << true << QByteArray("204FCE5E3E25026110000000");
    QTest::newRow("10^28 in octal") << "1" + QByteArray(28, '0') << 8 << true << QByteArray("10047716274370450046042000000000");
    QTest::newRow("4 x 10^28 in hexadecimal") << "4" + QByteArray(28, '0') << 16 << true << QByteArray("813F3978F894098440000000");
    QTest::newRow("maximum in binary") << QByteArray("79228162514264337593543950335") << 2 << true << QByteArray(96, '1');
    QTest::newRow("maximum in octal") << QByteArray("79228162514264337593543950335") << 8 << true << QByteArray(32, '7');
    QTest::newRow("maximum in hexadecimal") << QByteArray("79228162514264337593543950335") << 16 << true << QByteArray(24, 'F');
    QTest::newRow("maximum mantissa at scale 28") << QByteArray("7.9228162514264337593543950335") << 10 << true << QByteArray("7");
}

void TestToRadix::convertsValues()
{
    QFETCH(QByteArray, value);
    QFETCH(int, base);
    QFETCH(bool, ok);
    QFETCH(QByteArray, expected);

    const std::optional<std::string> digits = ToRadix2(fromText(value), std::uint8_t(base));
    QCOMPARE(digits.has_value(), ok);
    if (ok)
        QCOMPARE(QByteArray::fromStdString(*digits), expected);
}

void TestToRadix::matchesGmpInEveryBase_data()
{
    QTest::addColumn<QByteArray>("value");

    QTest::newRow("maximum") << QByteArray("79228162514264337593543950335");
    QTest::newRow("2^64, just past 64 bits") << QByteArray("18446744073709551616");
    QTest::newRow("2^64 - 1") << QByteArray("18446744073709551615");
    QTest::newRow("10^28") << "1" + QByteArray(28, '0');
    QTest::newRow("one") << QByteArray("1");
}

void TestToRadix::matchesGmpInEveryBase()
{
    QFETCH(QByteArray, value);
    const Decimal d = fromText(value);
    for (unsigned base = 2; base <= 255; ++base) {
        const std::optional<std::string> digits = ToRadix2(d, std::uint8_t(base));
        QVERIFY2(digits, qPrintable(QString::number(base)));
        QCOMPARE(QByteArray::fromStdString(*digits), expectedDigits(wholePartOf(d), base));
    }
}

void TestToRadix::matchesGmpForRandomValues()
{
    QRandomGenerator random(961);
    for (int i = 0; i < 20000; ++i) {
        const int bits = random.bounded(1, 97);
        Decimal d;
        const quint64 low = random.generate64();
        const quint32 high = random.generate();
        d.lo = quint32(low);
        d.mid = bits > 32 ? quint32(low >> 32) : 0;
        d.hi = bits > 64 ? high : 0;
        quint32 &top = bits > 64 ? d.hi : bits > 32 ? d.mid : d.lo;
        const int topBits = (bits - 1) % 32 + 1;
        top = (topBits == 32 ? top : top & ((1u << topBits) - 1)) | (1u << (topBits - 1));
        d.scale = quint8(random.bounded(0, 29));
        const unsigned base = random.bounded(2u, 256u);

        const std::optional<std::string> digits = ToRadix2(d, std::uint8_t(base));
        QVERIFY(digits);
        QCOMPARE(QByteArray::fromStdString(*digits), expectedDigits(wholePartOf(d), base));
    }
}

void TestToRadix::computesPowers_data()
{
    QTest::addColumn<int>("base");
    QTest::addColumn<int>("exponent");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<QByteArray>("expected");

    QTest::newRow("16 to the 0") << 16 << 0 << true << QByteArray("1");
    QTest::newRow("0 to the 0") << 0 << 0 << true << QByteArray("1");
    QTest::newRow("2 to the 95") << 2 << 95 << true << QByteArray("39614081257132168796771975168");
    QTest::newRow("2 to the 96") << 2 << 96 << false << QByteArray();
    QTest::newRow("16 to the 23") << 16 << 23 << true << QByteArray("4951760157141521099596496896");
    QTest::newRow("16 to the 24") << 16 << 24 << false << QByteArray();
    QTest::newRow("255 to the 12") << 255 << 12 << true << QByteArray("75593101654204447168212890625");
    QTest::newRow("255 to the 13") << 255 << 13 << false << QByteArray();
    QTest::newRow("negative exponent") << 2 << -1 << false << QByteArray();
    QTest::newRow("negative base, odd exponent") << -2 << 3 << true << QByteArray("-8");
    QTest::newRow("negative base, even exponent") << -2 << 2 << true << QByteArray("4");
    QTest::newRow("one to the largest exponent") << 1 << 2147483647 << true << QByteArray("1");
    QTest::newRow("smallest base") << -2147483647 - 1 << 1 << true << QByteArray("-2147483648");
}

void TestToRadix::computesPowers()
{
    QFETCH(int, base);
    QFETCH(int, exponent);
    QFETCH(bool, ok);
    QFETCH(QByteArray, expected);

    const std::optional<Decimal> power = radixon::pow(base, exponent);
    QCOMPARE(power.has_value(), ok);
    if (ok)
        QCOMPARE(QByteArray::fromStdString(toString(*power)), expected);
}

QTEST_APPLESS_MAIN(TestToRadix)
#include "tst_to_radix.moc"
