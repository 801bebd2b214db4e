#include "conversion/conversion_failure.h"
#include "conversion/radix_to_decimal.h"
#include "conversion/to_radix.h"
#include "conversion/working.h"

#include <QRandomGenerator>
#include <QTest>

#include <gmpxx.h>

#include <set>

using namespace radixon;

namespace {

const QByteArray maxText = "79228162514264337593543950335"; // 2^96 - 1

// A routine, its input, its separator or base, and the result (empty: refused). The Why
// routines explain the refusals of the three before them.
enum Routine { ParseDecimal, ParseBase, ToDecimal, WhyDecimal, WhyBase, WhyRadix, ToRadix };
struct Case {
    Routine routine;
    QByteArray input, argument, expected;
};
const char *const routineNames[] = {"parseDecimal",   "parseBase",   "to decimal",
                                    "decimalFailure", "baseFailure", "radixTextFailure",
                                    "toRadix"};
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
QByteArray shown(const ConversionFailure &failure)
{
    const char *const reasons[] = {"not a number", "negative",     "too large",
                                   "not a digit",  "out of range", "too long"};
    return shown(reasons[int(failure.reason)] + (' ' + failure.character)).trimmed();
}
template <class T>
QByteArray shown(const std::optional<T> &value)
{
    return value ? shown(*value) : QByteArray();
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
    case ToDecimal:
        return shown(radixToDecimal(in, base));
    case WhyDecimal:
        return shown(decimalFailure(in, argument));
    case WhyBase:
        return shown(baseFailure(in, argument));
    default:
        return shown(radixTextFailure(in, base));
    }
}

// Whether the routine's Why routine is silent exactly when the routine succeeds.
bool explained(const Case &c)
{
    const QByteArray result = run(c);
    const bool succeeds = !result.isEmpty() && !result.startsWith('-')
                          && (c.routine != ParseBase || result.toInt() >= 2);
    return run({Routine(c.routine + 3), c.input, c.argument, {}}).isEmpty() == succeeds;
}

// An exact decimal text as a rational.
mpq_class rational(std::string text)
{
    const std::size_t point = std::min(text.find('.'), text.size());
    const std::string places(text.erase(point, 1).size() - point, '0');
    mpq_class value(text + "/1" + places, 10);
    value.canonicalize();
    return value;
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
        row("the maximum in base 10", maxText, "10", maxText);
        row("zeros inside base 10's groups of nine", "1000000000000000000000000007", "10",
            "1000000000000000000000000007");
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
        section = WhyDecimal;
        for (const char *text : {"abc", "", "1.2.3", "--5", "1e5"})
            row(("\"" + QByteArray(text) + "\" is not a number").constData(), text, ".",
                "not a number");
        row("below zero", "-5", ".", "negative");
        row("a fraction below zero", "-0.5", ".", "negative");
        row("negative zero converts", "-0", ".", "");
        row("one above the maximum", "79228162514264337593543950336", ".", "too large");
        row("far below zero is too large", "-" + maxText + "0", ".", "too large");
        section = WhyBase;
        for (const char *text : {"1", "0", "256", "-2", "x"})
            row(("\"" + QByteArray(text) + "\" is no base").constData(), text, ".", "out of range");
        section = WhyRadix;
        row("binary names the 2", "1021", "2", "not a digit 2");
        row("hexadecimal names the G", "12G", "16", "not a digit G");
        row("a two-byte letter whole", "1é0", "2", "not a digit é");
        row("a three-byte sign whole", "7€", "8", "not a digit €");
        row("32768 ones", QByteArray(32768, '1'), "2", "too long");
        row("too long before a wrong digit", QByteArray(32768, 'x'), "16", "too long");
    }
    void converts()
    {
        QFETCH(Case, c);
        QCOMPARE(run(c), c.expected);
        QVERIFY(c.routine > ToDecimal || explained(c));
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
            QByteArray garbled; // the refusals explained, on texts of a small alphabet
            for (int n = random.bounded(7); n > 0; --n)
                garbled += "01289.-+ aGf"[random.bounded(12)];
            QVERIFY(
                explained({Routine(i % 3), i % 2 ? text : garbled, i % 3 == 2 ? "16" : ".", {}}));
            const std::optional<Decimal> value = parseDecimal(text.toStdString(), ".");
            if (!value)
                continue; // beyond 2^96 - 1
            const mpz_class whole(shown(*value).split('.').first().toStdString());
            const int base = random.bounded(2, 23), powerOfTwo = powersOfTwo[i % 3];
            QCOMPARE(shown(toRadix(*value, std::uint8_t(base))), shown(whole.get_str(-base)));
            QCOMPARE(shown(radixToDecimal(whole.get_str(powerOfTwo), std::uint8_t(powerOfTwo))),
                     shown(whole.get_str()));
        }
    }

    // Every division row is number = quotient × base + remainder, the remainders read
    // upwards are the engine's digits; the terms of a positional sum add up to its value.
    void workingMatchesGmp()
    {
        QRandomGenerator random(104729);
        for (int i = 0; i < 10000; ++i) {
            const Decimal value{random.generate(), random.generate(), random.generate() >> (i % 32),
                                std::uint8_t(random.bounded(i % 2 ? 29 : 1)), false};
            const auto base = std::uint8_t(random.bounded(2, 256));
            const DivisionWorking division = DivisionWorking::of(value, base).value();
            mpz_class number(shown(value).split('.').first().toStdString()), quotient;
            const std::vector<std::uint8_t> values = division.digitValues();
            std::string upwards, joined;
            QVERIFY(values.size() == division.rowCount()
                    && toString(division.value()) == toString(value));
            for (std::size_t row = 0; row < division.rowCount(); ++row) {
                const DivisionRow step = division.row(row);
                QCOMPARE(step.number, number.get_str());
                quotient = number / base;
                QVERIFY(step.quotient == quotient.get_str() && step.remainder < base);
                QCOMPARE(quotient * base + step.remainder, number);
                upwards.insert(0, step.digit);
                QVERIFY(values[values.size() - 1 - row] == step.remainder);
                number = quotient;
            }
            for (const std::uint8_t digit : values)
                joined += radixDigit(digit);
            QVERIFY(number == 0 && upwards == division.result() && joined == upwards);
            QCOMPARE(shown(division.result()), shown(toRadix(value, base)));

            const std::uint8_t powerOfTwo = i % 3 == 0 ? 2 : i % 3 == 1 ? 8 : 16;
            QByteArray digits = QByteArray::number(random.bounded(3), powerOfTwo);
            for (int n = random.bounded(60); n > 0; --n)
                digits += QByteArray::number(random.bounded(powerOfTwo), powerOfTwo);
            const PositionalWorking positional =
                PositionalWorking::of((i % 5 ? digits : digits.toUpper()).toStdString(), powerOfTwo)
                    .value();
            const mpz_class sum(digits.toStdString(), powerOfTwo); // its terms: fuzz_working
            QCOMPARE(positional.sum(), sum.get_str());
            const std::string term = positional.term(0);
            const std::size_t cell = 12 + i % 9; // cells of several widths
            const NumberInBrief brief = positional.termInBrief(0, cell);
            QCOMPARE(brief.length, term.size());
            QCOMPARE(positional.weightInBrief(0, cell).last.empty(),
                     positional.weight(0).size() <= cell);
            QCOMPARE(brief.first + brief.last,
                     term.size() <= cell ? term : term.substr(0, 6) + term.substr(term.size() - 6));
        }
    }

    // Rows against exact rationals: fraction × base = product = digit + carried, which is
    // the next row's fraction. Stepped on, the fractions first repeat at the preperiod
    // and period found; a long period is checked by its congruence alone.
    void fractionWorkingMatchesRationals()
    {
        QRandomGenerator random(15485863);
        for (int i = 0; i < 4000; ++i) {
            const Decimal value{random.generate(), random.generate() >> (i % 32),
                                random.generate() >> (i % 32),
                                std::uint8_t(random.bounded(1, i % 2 ? 29 : 6)), false};
            const auto base = std::uint8_t(random.bounded(2, 256));
            mpq_class step = rational(toString(value)), atPreperiod;
            step -= mpz_class(step.get_num() / step.get_den());
            const std::optional<FractionWorking> working = FractionWorking::of(value, base);
            QCOMPARE(working.has_value(), step != 0);
            if (!working)
                continue;
            QCOMPARE(rational(working->fraction()), step);
            const std::size_t pre = working->preperiodLength(), rows = working->rowCount();
            const mpz_class period(working->periodLength());
            const bool whole = pre + period <= FractionWorking::maxRows, stepped = period <= 2000;
            QVERIFY(working->periodShownWhole() == whole && working->repeats() == (period != 0));
            QCOMPARE(rows, whole ? pre + period.get_ui() : FractionWorking::maxRows);
            const std::size_t last = stepped ? pre + std::max(period.get_ui(), 1ul) : rows;
            std::set<mpq_class> seen;
            for (std::size_t r = 0; r <= last; ++r) {
                const mpq_class product = step * base;
                const mpz_class digit = product.get_num() / product.get_den();
                if (r <= rows) { // one row past those shown too
                    const MultiplicationRow row = working->row(r);
                    QVERIFY(rational(row.fraction) == step && rational(row.product) == product);
                    QVERIFY(rational(row.carried) == product - digit && row.digit == digit);
                    QCOMPARE(row.digitText, radixDigit(std::uint8_t(row.digit)));
                }
                if (r == pre)
                    atPreperiod = step;
                QVERIFY(!stepped || (r < last ? seen.insert(step).second : step == atPreperiod));
                step = product - digit;
            }
            mpz_class power, &modulus = atPreperiod.get_den();
            mpz_powm(power.get_mpz_t(), mpz_class(base).get_mpz_t(), period.get_mpz_t(),
                     modulus.get_mpz_t());
            QVERIFY(atPreperiod.get_num() * power % modulus == atPreperiod.get_num());
            QCOMPARE(working->repeats(), atPreperiod != 0);
        }
    }

    // The cases a learner meets first, and numbers too long for a cell.
    void workingExamples()
    {
        // Rows as number:quotient:remainder:digit, then groups as bits:digit.
        const auto rows = [](const DivisionWorking &working) {
            QStringList all;
            for (std::size_t i = 0; i < working.rowCount(); ++i) {
                const DivisionRow r = working.row(i);
                all << QString::fromStdString(r.number + ':' + r.quotient + ':'
                                              + std::to_string(r.remainder) + ':' + r.digit);
            }
            for (const BinaryGroup &group : working.binaryGroups())
                all << QString::fromStdString(group.bits + ':' + group.digit);
            return all.join(u' ');
        };
        const auto division = [&](std::uint64_t value, std::uint8_t base) {
            return rows(DivisionWorking::of(decimalFromInteger(value), base).value());
        };
        QCOMPARE(division(0, 2), u"0:0:0:0");
        QCOMPARE(division(123, 60), u"123:2:3:3 2:0:2:2");
        QCOMPARE(division(254, 255), u"254:0:254:254");
        QCOMPARE(division(2024, 16), u"2024:126:8:8 126:7:14:E 7:0:7:7 0111:7 1110:E 1000:8");
        QCOMPARE(division(8, 8), u"8:1:0:0 1:0:1:1 001:1 000:0");
        QVERIFY(!DivisionWorking::of(decimalFromInteger(1, true), 2));
        QVERIFY(!PositionalWorking::of("2", 2) && !PositionalWorking::of("1", 10));
        // Fractions as preperiod+period, then fraction:product:digit:carried rows.
        const auto fraction = [](const char *text, std::uint8_t base) {
            const FractionWorking w =
                FractionWorking::of(parseDecimal(text, ".").value(), base).value();
            std::string all = std::to_string(w.preperiodLength()) + '+' + w.periodLength();
            for (std::size_t i = 0; i < w.rowCount(); ++i) {
                const MultiplicationRow r = w.row(i);
                all += ' ' + r.fraction + ':' + r.product + ':' + r.digitText + ':' + r.carried;
            }
            return QString::fromStdString(all);
        };
        QCOMPARE(fraction("0.1", 2),
                 u"1+4 0.1:0.2:0:0.2 0.2:0.4:0:0.4 0.4:0.8:0:0.8 0.8:1.6:1:0.6 0.6:1.2:1:0.2");
        QCOMPARE(fraction("3.750", 2), u"2+0 0.75:1.5:1:0.5 0.5:1:1:0");
        QCOMPARE(fraction("0.5", 3), u"0+1 0.5:1.5:1:0.5");
        const FractionWorking tiny = FractionWorking::of(Decimal{1, 0, 0, 28, false}, 2).value();
        QVERIFY(tiny.periodLength() == "29802322387695312500" && tiny.preperiodLength() == 28);
        QVERIFY(tiny.rowCount() == FractionWorking::maxRows && !tiny.periodShownWhole());
        QVERIFY(!FractionWorking::of(Decimal{1200, 0, 0, 2, false}, 2)
                && !FractionWorking::of(decimalFromInteger(12), 2)
                && !FractionWorking::of(Decimal{5, 0, 0, 1, true}, 2));
        const PositionalWorking leading = PositionalWorking::of("00F", 16).value();
        QVERIFY(leading.term(0) == "0" && leading.term(1) == "0" && leading.term(2) == "15");
        // 16^16 = 2^64 has 20 digits.
        const PositionalWorking power =
            PositionalWorking::of("1" + std::string(16, '0'), 16).value();
        QVERIFY(power.weightInBrief(0, 20).last.empty() && !power.weightInBrief(0, 19).last.empty()
                && power.weightInBrief(16, 1).first == "1");
        QCOMPARE(power.weight(0), "18446744073709551616");
        const NumberInBrief brief = power.termInBrief(0, 19);
        QVERIFY(brief.first == "184467" && brief.last == "551616" && brief.length == 20);
        // Sums next to a power of ten, where a rounded quotient would slip by a digit; the
        // last one's length GMP estimates one too many.
        const mpz_class ten30("1" + std::string(30, '0'));
        for (const mpz_class &sum :
             {ten30, mpz_class(ten30 - 1), mpz_class(ten30 * ten30), mpz_class(ten30 * 999999)}) {
            const std::string digits = sum.get_str();
            const NumberInBrief b = PositionalWorking::of(sum.get_str(2), 2)->sumInBrief(12);
            QCOMPARE(b.first + b.last + std::to_string(b.length),
                     digits.substr(0, 6) + digits.substr(digits.size() - 6)
                         + std::to_string(digits.size()));
        }
    }
};

QTEST_APPLESS_MAIN(TestConversion)
#include "tst_conversion.moc"
