#include "conversion/radix_to_decimal.h"
#include "conversion/to_radix.h"

#include <QRandomGenerator>
#include <QTest>

using namespace radixon;

class TestRadixToDecimal : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void convertsDigits_data();
    void convertsDigits();
    void readsHexDigit_data();
    void readsHexDigit();
    void roundTripsThroughToRadix2_data();
    void roundTripsThroughToRadix2();
};

namespace {

std::optional<std::string> convert(int base, const QByteArray &digits)
{
    const std::string text = digits.toStdString();
    switch (base) {
    case 2:
        return ConvertBinaryToDecimal(text);
    case 8:
        return ConvertOctalToDecimal(text);
    default:
        return ConvertHexadecimalToDecimal(text);
    }
}

} // namespace

void TestRadixToDecimal::convertsDigits_data()
{
    QTest::addColumn<int>("base");
    QTest::addColumn<QByteArray>("digits");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<QByteArray>("expected");

    QTest::newRow("binary empty") << 2 << QByteArray() << true << QByteArray("0");
    QTest::newRow("octal empty") << 8 << QByteArray() << true << QByteArray("0");
    QTest::newRow("hexadecimal empty") << 16 << QByteArray() << true << QByteArray("0");
    QTest::newRow("binary 101") << 2 << QByteArray("101") << true << QByteArray("5");
    QTest::newRow("octal 777") << 8 << QByteArray("777") << true << QByteArray("511");
    QTest::newRow("hexadecimal FF") << 16 << QByteArray("FF") << true << QByteArray("255");
    QTest::newRow("hexadecimal ff") << 16 << QByteArray("ff") << true << QByteArray("255");
    QTest::newRow("hexadecimal fF") << 16 << QByteArray("fF") << true << QByteArray("255");
    QTest::newRow("binary leading zeros") << 2 << QByteArray("0001") << true << QByteArray("1");
    QTest::newRow("hexadecimal leading zeros") << 16 << QByteArray("000a") << true << QByteArray("10");
    QTest::newRow("fifty binary ones") << 2 << QByteArray(50, '1') << true << QByteArray("1125899906842623");
    QTest::newRow("thirteen hexadecimal F") << 16 << QByteArray(13, 'F') << true << QByteArray("4503599627370495");
    QTest::newRow("1025 binary zeros") << 2 << QByteArray(1025, '0') << true << QByteArray("0");
    QTest::newRow("binary 1 and 1024 zeros, beyond a double")
        << 2 << "1" + QByteArray(1024, '0') << true
        << QByteArray("1797693134862315907729305190789024733617976978942306572734300811577326758055009631327084773224075360211201138798713933576587897688144166224928474306394741243777678934248654852763022196012460941194530829520850057688381506823424628814739131105408272371633505106845862982399472459384797163048353563296242241372"
                      "16");
    QTest::newRow("binary 2 is no digit") << 2 << QByteArray("12") << false << QByteArray();
    QTest::newRow("octal 9 is no digit") << 8 << QByteArray("19") << false << QByteArray();
    QTest::newRow("octal 8 is no digit") << 8 << QByteArray("8") << false << QByteArray();
    QTest::newRow("hexadecimal G is no digit") << 16 << QByteArray("1G") << false << QByteArray();
    QTest::newRow("hexadecimal minus one") << 16 << QByteArray("-1") << false << QByteArray();
    QTest::newRow("binary 1 with a space after") << 2 << QByteArray("1 ") << false << QByteArray();
    QTest::newRow("binary 1 with a space before") << 2 << QByteArray(" 1") << false << QByteArray();
    QTest::newRow("hexadecimal 1 with a space after") << 16 << QByteArray("1 ") << false << QByteArray();
    QTest::newRow("hexadecimal prefix") << 16 << QByteArray("0x1F") << false << QByteArray();
    QTest::newRow("binary point") << 2 << QByteArray("1.0") << false << QByteArray();
    QTest::newRow("fullwidth digit") << 2 << QByteArray("\xef\xbc\x91") << false << QByteArray();
    QTest::newRow("binary 32767 characters") << 2 << QByteArray(32766, '0') + "1" << true << QByteArray("1");
    QTest::newRow("binary 32768 characters") << 2 << QByteArray(32767, '0') + "1" << false << QByteArray();
    QTest::newRow("octal 32767 characters") << 8 << QByteArray(32766, '0') + "7" << true << QByteArray("7");
    QTest::newRow("hexadecimal 32767 characters") << 16 << QByteArray(32766, '0') + "f" << true << QByteArray("15");
    QTest::newRow("hexadecimal 32768 characters") << 16 << QByteArray(32767, '0') + "f" << false << QByteArray();
}

void TestRadixToDecimal::convertsDigits()
{
    QFETCH(int, base);
    QFETCH(QByteArray, digits);
    QFETCH(bool, ok);
    QFETCH(QByteArray, expected);

    const std::optional<std::string> value = convert(base, digits);
    QCOMPARE(value.has_value(), ok);
    if (ok)
        QCOMPARE(QByteArray::fromStdString(*value), expected);
}

void TestRadixToDecimal::readsHexDigit_data()
{
    QTest::addColumn<QByteArray>("character");
    QTest::addColumn<int>("expected");

    QTest::newRow("0") << QByteArray("0") << 0;
    QTest::newRow("9") << QByteArray("9") << 9;
    QTest::newRow("A") << QByteArray("A") << 10;
    QTest::newRow("a") << QByteArray("a") << 10;
    QTest::newRow("F") << QByteArray("F") << 15;
    QTest::newRow("f") << QByteArray("f") << 15;
    QTest::newRow("G counts as 0") << QByteArray("G") << 0;
    QTest::newRow("space counts as 0") << QByteArray(" ") << 0;
    QTest::newRow("empty counts as 0") << QByteArray() << 0;
    QTest::newRow("two characters count as 0") << QByteArray("FF") << 0;
}

void TestRadixToDecimal::readsHexDigit()
{
    QFETCH(QByteArray, character);
    QFETCH(int, expected);
    QCOMPARE(HexDigitValue(character.toStdString()), expected);
}

void TestRadixToDecimal::roundTripsThroughToRadix2_data()
{
    QTest::addColumn<int>("base");
    QTest::newRow("binary") << 2;
    QTest::newRow("octal") << 8;
    QTest::newRow("hexadecimal") << 16;
}

void TestRadixToDecimal::roundTripsThroughToRadix2()
{
    QFETCH(int, base);
    QRandomGenerator random(quint32(base) * 7919u);
    for (int i = 0; i < 5000; ++i) {
        const int bits = random.bounded(1, 97);
        Decimal d;
        d.lo = random.generate();
        d.mid = bits > 32 ? random.generate() : 0;
        d.hi = bits > 64 ? random.generate() : 0;
        quint32 &top = bits > 64 ? d.hi : bits > 32 ? d.mid : d.lo;
        const int topBits = (bits - 1) % 32 + 1;
        top = (topBits == 32 ? top : top & ((1u << topBits) - 1)) | (1u << (topBits - 1));

        const std::optional<std::string> digits = ToRadix2(d, std::uint8_t(base));
        QVERIFY(digits);
        const std::optional<std::string> back = convert(base, QByteArray::fromStdString(*digits));
        QVERIFY(back);
        QCOMPARE(QByteArray::fromStdString(*back), QByteArray::fromStdString(toString(d)));
    }
}

QTEST_APPLESS_MAIN(TestRadixToDecimal)
#include "tst_radix_to_decimal.moc"
