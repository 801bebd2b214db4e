#include "conversion/decimal.h"

#include <QTest>

using namespace radixon;

class TestDecimal : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void parsesDecimal_data();
    void parsesDecimal();
    void parsesBase_data();
    void parsesBase();
};

namespace {
const QByteArray maxText = "79228162514264337593543950335";
}

void TestDecimal::parsesDecimal_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QByteArray>("separator");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<QByteArray>("expected");

    QTest::newRow("whole number") << QByteArray("255") << QByteArray(".") << true << QByteArray("255");
    QTest::newRow("fraction keeps its trailing zero") << QByteArray("12.50") << QByteArray(".") << true << QByteArray("12.50");
    QTest::newRow("comma separator") << QByteArray("12,5") << QByteArray(",") << true << QByteArray("12.5");
    QTest::newRow("point where comma is the separator") << QByteArray("12.5") << QByteArray(",") << false << QByteArray();
    QTest::newRow("comma where point is the separator") << QByteArray("12,5") << QByteArray(".") << false << QByteArray();
    QTest::newRow("multi-byte separator") << QByteArray("3\xd9\xab" "25") << QByteArray("\xd9\xab") << true << QByteArray("3.25");
    QTest::newRow("first byte of a multi-byte separator") << QByteArray("3\xd9" "25") << QByteArray("\xd9\xab") << false << QByteArray();
    QTest::newRow("surrounding spaces") << QByteArray("  42  ") << QByteArray(".") << true << QByteArray("42");
    QTest::newRow("plus sign") << QByteArray("+5") << QByteArray(".") << true << QByteArray("5");
    QTest::newRow("minus sign inside spaces") << QByteArray(" -0.25 ") << QByteArray(".") << true << QByteArray("-0.25");
    QTest::newRow("minus zero is zero") << QByteArray("-0") << QByteArray(".") << true << QByteArray("0");
    QTest::newRow("fraction without whole part") << QByteArray(".5") << QByteArray(".") << true << QByteArray("0.5");
    QTest::newRow("separator without fraction") << QByteArray("5.") << QByteArray(".") << true << QByteArray("5");
    QTest::newRow("leading zeros") << QByteArray("0007") << QByteArray(".") << true << QByteArray("7");
    QTest::newRow("maximum") << maxText << QByteArray(".") << true << maxText;
    QTest::newRow("negative maximum") << "-" + maxText << QByteArray(".") << true << "-" + maxText;
    QTest::newRow("maximum behind leading zeros") << "000" + maxText << QByteArray(".") << true << maxText;
    QTest::newRow("maximum plus one") << QByteArray("79228162514264337593543950336") << QByteArray(".") << false << QByteArray();
    QTest::newRow("thirty whole digits") << QByteArray("100000000000000000000000000000") << QByteArray(".") << false << QByteArray();
    QTest::newRow("maximum plus a half rounds beyond it") << maxText + ".5" << QByteArray(".") << false << QByteArray();
    QTest::newRow("maximum plus less than a half") << maxText + ".4" << QByteArray(".") << true << maxText;
    QTest::newRow("large whole part keeps one fraction digit") << QByteArray("7922816251426433759354395033.54") << QByteArray(".") << true << QByteArray("7922816251426433759354395033.5");
    QTest::newRow("large whole part keeps no fraction digit") << QByteArray("7922816251426433759354395033.56") << QByteArray(".") << true << QByteArray("7922816251426433759354395034");
    QTest::newRow("28 fraction digits kept") << QByteArray("0.1234567890123456789012345678") << QByteArray(".") << true << QByteArray("0.1234567890123456789012345678");
    QTest::newRow("29th digit rounds up") << QByteArray("0.12345678901234567890123456786") << QByteArray(".") << true << QByteArray("0.1234567890123456789012345679");
    QTest::newRow("29th digit half to even below") << QByteArray("0.00000000000000000000000000025") << QByteArray(".") << true << QByteArray("0.0000000000000000000000000002");
    QTest::newRow("29th digit half to even above") << QByteArray("0.00000000000000000000000000035") << QByteArray(".") << true << QByteArray("0.0000000000000000000000000004");
    QTest::newRow("half followed by a digit rounds up") << QByteArray("0.000000000000000000000000000250001") << QByteArray(".") << true << QByteArray("0.0000000000000000000000000003");
    QTest::newRow("below the smallest step") << QByteArray("0.00000000000000000000000000004") << QByteArray(".") << true << QByteArray("0.0000000000000000000000000000");
    QTest::newRow("rounding carries into the whole part") << "1." + QByteArray(60, '9') << QByteArray(".") << true << "2." + QByteArray(28, '0');
    QTest::newRow("empty") << QByteArray("") << QByteArray(".") << false << QByteArray();
    QTest::newRow("only a space") << QByteArray(" ") << QByteArray(".") << false << QByteArray();
    QTest::newRow("only a sign") << QByteArray("-") << QByteArray(".") << false << QByteArray();
    QTest::newRow("only a separator") << QByteArray(".") << QByteArray(".") << false << QByteArray();
    QTest::newRow("exponent") << QByteArray("1e5") << QByteArray(".") << false << QByteArray();
    QTest::newRow("two separators") << QByteArray("1.2.3") << QByteArray(".") << false << QByteArray();
    QTest::newRow("two signs") << QByteArray("+-1") << QByteArray(".") << false << QByteArray();
    QTest::newRow("space after the sign") << QByteArray("- 1") << QByteArray(".") << false << QByteArray();
    QTest::newRow("space between digits") << QByteArray("1 000") << QByteArray(".") << false << QByteArray();
    QTest::newRow("trailing sign") << QByteArray("5-") << QByteArray(".") << false << QByteArray();
    QTest::newRow("letters") << QByteArray("abc") << QByteArray(".") << false << QByteArray();
}

void TestDecimal::parsesDecimal()
{
    QFETCH(QByteArray, text);
    QFETCH(QByteArray, separator);
    QFETCH(bool, ok);
    QFETCH(QByteArray, expected);

    const std::optional<Decimal> value =
        parseDecimal(text.toStdString(), separator.toStdString());
    QCOMPARE(value.has_value(), ok);
    if (ok)
        QCOMPARE(QByteArray::fromStdString(toString(*value)), expected);
}

void TestDecimal::parsesBase_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QByteArray>("separator");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<int>("expected");

    QTest::newRow("two") << QByteArray("2") << QByteArray(".") << true << 2;
    QTest::newRow("zero") << QByteArray("0") << QByteArray(".") << true << 0;
    QTest::newRow("255") << QByteArray("255") << QByteArray(".") << true << 255;
    QTest::newRow("256") << QByteArray("256") << QByteArray(".") << false << 0;
    QTest::newRow("2.5 to even below") << QByteArray("2.5") << QByteArray(".") << true << 2;
    QTest::newRow("3.5 to even above") << QByteArray("3.5") << QByteArray(".") << true << 4;
    QTest::newRow("2.51 rounds up") << QByteArray("2.51") << QByteArray(".") << true << 3;
    QTest::newRow("254.5 stays in range") << QByteArray("254.5") << QByteArray(".") << true << 254;
    QTest::newRow("255.5 leaves the range") << QByteArray("255.5") << QByteArray(".") << false << 0;
    QTest::newRow("comma separator") << QByteArray("2,5") << QByteArray(",") << true << 2;
    QTest::newRow("surrounding spaces") << QByteArray(" 16 ") << QByteArray(".") << true << 16;
    QTest::newRow("-0.4 rounds to zero") << QByteArray("-0.4") << QByteArray(".") << true << 0;
    QTest::newRow("-0.5 rounds to zero") << QByteArray("-0.5") << QByteArray(".") << true << 0;
    QTest::newRow("-0.6 rounds to minus one") << QByteArray("-0.6") << QByteArray(".") << false << 0;
    QTest::newRow("minus one") << QByteArray("-1") << QByteArray(".") << false << 0;
    QTest::newRow("empty") << QByteArray("") << QByteArray(".") << false << 0;
    QTest::newRow("not a number") << QByteArray("sixteen") << QByteArray(".") << false << 0;
    QTest::newRow("beyond the decimal range") << "9" + maxText << QByteArray(".") << false << 0;
}

void TestDecimal::parsesBase()
{
    QFETCH(QByteArray, text);
    QFETCH(QByteArray, separator);
    QFETCH(bool, ok);
    QFETCH(int, expected);

    const std::optional<std::uint8_t> base = parseBase(text.toStdString(), separator.toStdString());
    QCOMPARE(base.has_value(), ok);
    if (ok)
        QCOMPARE(int(*base), expected);
}

QTEST_APPLESS_MAIN(TestDecimal)
#include "tst_decimal.moc"
