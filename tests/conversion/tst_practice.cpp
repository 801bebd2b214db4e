#include "conversion/practice.h"

#include <QTest>

#include <gmpxx.h>

#include <cctype>
#include <random>
#include <set>
#include <tuple>

using namespace radixon;
using Kind = ExerciseKind;

namespace {

const char *const kindNames[] = {
    "DecimalToBinary",     "DecimalToOctal", "DecimalToHexadecimal", "DecimalToBase",
    "BinaryToDecimal",     "OctalToDecimal", "HexadecimalToDecimal", "BinaryToOctal",
    "BinaryToHexadecimal", "OctalToBinary",  "HexadecimalToBinary",  "FractionToBinary"};
const int kindBases[][2] = {{10, 2},  {10, 8}, {10, 16}, {10, 0}, {2, 10}, {8, 10},
                            {16, 10}, {2, 8},  {2, 16},  {8, 2},  {16, 2}, {10, 2}};
const int chosenBases[][2] = {{2, 3}, {36, 21}, {7, 7}, {21, 21}, {3, 3}}; // chosen, then used
const std::string figures = "0123456789ABCDEFGHIJK";

// A number written in `base`, with or without a point, as an exact rational.
mpq_class exact(std::string text, int base)
{
    const std::size_t point = std::min(text.find('.'), text.size());
    text.erase(point, 1);
    mpq_class value(text + "/1" + std::string(text.size() - point, '0'), base);
    value.canonicalize();
    return value;
}

QByteArray shown(const AnswerCheck &check)
{
    const char *const names[] = {
        "",      "Empty",      "NotADigit",    "PointInWhole", "TwoPoints", "SpaceInsideGroup",
        "Right", "WrongDigit", "MissingDigit", "ExtraDigit"};
    if (check.verdict == AnswerCheck::Verdict::Refused)
        return QByteArray((names[int(check.refusal)] + (' ' + check.character)).c_str()).trimmed();
    if (check.verdict == AnswerCheck::Verdict::Right)
        return "Right";
    return names[6 + int(check.mistake)] + (' ' + QByteArray::number(int(check.firstWrong)));
}

// The right answer as a learner may type it: any case, leading zeros, blanks between
// digits and around, a comma for the point, trailing zeros, no whole part "0".
std::string anyForm(std::string answer, std::mt19937_64 &random)
{
    if (answer.rfind("0.", 0) == 0 && random() % 2)
        answer.erase(0, 1);
    std::string form(random() % 3, '0');
    for (const char c : answer) {
        if (c != '.' && !form.empty() && std::isalnum(form.back()) && random() % 3 == 0)
            form += " \t"[random() % 2];
        form += c == '.' ? ".,"[random() % 2] : random() % 2 ? char(c | 0x20) : c; // lower case
    }
    return " \t" + form + std::string(answer.find('.') != std::string::npos ? random() % 3 : 0, '0')
           + ' ';
}

} // namespace

class TestPractice : public QObject {
    Q_OBJECT

private slots:
    void exercises_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("level");
        for (int kind = 0; kind < int(exerciseKindCount); ++kind)
            for (int level = 0; level < 5; ++level) {
                const QByteArray base =
                    kindBases[kind][1] ? "" : " " + QByteArray::number(chosenBases[level][0]);
                QTest::addRow("%s%s up to %llu", kindNames[kind], base.constData(),
                              qulonglong(exerciseLevels[level]))
                    << kind << level;
            }
    }
    // Drawn exercises: each unlike the one before, their numbers written right; sources
    // stuck low or high give the level's first and last ones, and still unlike the one
    // before; a level past the last is the last. The right answer is taken in its forms, and a
    // digit changed, added or taken off is found.
    void exercises()
    {
        QFETCH(int, kind);
        QFETCH(int, level);
        const bool fraction = Kind(kind) == Kind::FractionToBinary;
        const int from = kindBases[kind][0],
                  to = kindBases[kind][1] ? kindBases[kind][1] : chosenBases[level][1];
        const std::uint64_t highest =
            std::array{15ull, 255ull, 4095ull, 65535ull, 4294967295ull}[level] - fraction;
        std::mt19937_64 random(kind * 5 + level);
        Exercise e;
        mpq_class value;
        const auto draw = [&](const RandomSource &source, bool again) {
            const Exercise next =
                drawExercise(Kind(kind), std::uint8_t(chosenBases[level][0]),
                             level + (level == 4) * 9, source, again ? &e : nullptr);
            QVERIFY(!again || next.question != e.question);
            value = exact(toString((e = next).value), 10);
            const mpz_class whole = value.get_num() / value.get_den();
            QVERIFY(e.kind == Kind(kind) && e.fromBase == from && e.toBase == to);
            QVERIFY(exact(e.question, from) == value && exact(e.answer, to) == value);
            QCOMPARE(e.answer.substr(0, e.answer.find('.')), whole.get_str(-to));
            QVERIFY(whole >= 2 - 2 * fraction && whole <= highest
                    && (!fraction || (e.question.back() != '0' && e.answer.back() != '0')));
            QVERIFY(fraction ? value.get_den() != 1 && 16 % value.get_den() == 0
                             : value.get_den() == 1);
        };
        const mpq_class first = fraction ? mpq_class(1, 2) : mpq_class(2),
                        last = highest + mpq_class(15, 16) * fraction;
        for (const std::uint64_t high : {0, 1}) {
            const RandomSource stuck = [high](std::uint64_t bound) { return high * (bound - 1); };
            draw(stuck, false);
            QCOMPARE(value, high ? last : first);
            draw(stuck, true);
        }
        for (int i = 0; i < 300 && !QTest::currentTestFailed(); ++i) {
            draw([&](std::uint64_t bound) { return random() % bound; }, true);
            QCOMPARE(shown(checkAnswer(e, anyForm(e.answer, random))), QByteArray("Right"));
            std::string digits = e.answer, changed = e.answer, shorter = e.answer;
            const std::size_t point = std::min(digits.find('.'), digits.size());
            const std::size_t n = digits.erase(point, 1).size(), at = random() % n;
            // Another digit, but not a leading zero nor a trailing one after the point.
            const char other = figures[(figures.find(digits[at]) + 1 + random() % (to - 1)) % to];
            changed[at + (at >= point)] = other;
            if (other != '0' || !((at == 0 && point > 1) || (at == n - 1 && fraction)))
                QCOMPARE(shown(checkAnswer(e, changed)),
                         "WrongDigit " + QByteArray::number(int(at)));
            QCOMPARE(shown(checkAnswer(e, e.answer + figures[1 + random() % (to - 1)])),
                     "ExtraDigit " + QByteArray::number(int(n)));
            shorter.pop_back(); // then its trailing zeros and a bare point do not count
            if (fraction && shorter.erase(shorter.find_last_not_of('0') + 1).back() == '.')
                shorter.pop_back();
            const int kept = int(shorter.size() - (shorter.find('.') != std::string::npos));
            QCOMPARE(shown(checkAnswer(e, shorter)),
                     kept ? "MissingDigit " + QByteArray::number(kept) : "Empty");
        }
    }

    // The program's own random source reaches every value below its bound, and no other.
    void systemSourceCoversItsRange()
    {
        std::set<std::uint64_t> seen;
        for (int i = 0; i < 200; ++i)
            seen.insert(systemRandomSource()(3));
        QCOMPARE(seen, (std::set<std::uint64_t>{0, 1, 2}));
    }

    void handWorked_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QByteArray>("answer");
        QTest::addColumn<QByteArray>("typed");
        QTest::addColumn<QByteArray>("expected"); // and for a wrong one the step it marks
        const auto add = [](const char *name, Kind kind, const char *answer, const char *typed,
                            const char *expected) {
            QTest::newRow(name) << int(kind) << QByteArray(answer) << QByteArray(typed)
                                << QByteArray(expected);
        };
        const Kind whole = Kind::DecimalToBinary, fraction = Kind::FractionToBinary;
        add("blanks", whole, "101", " \t ", "Empty");
        add("a point alone", fraction, "0.1", ".", "Empty");
        add("2 in binary", whole, "10", "2", "NotADigit 2");
        add("G in hexadecimal", Kind::DecimalToHexadecimal, "1F", "1G", "NotADigit G");
        add("a sign", whole, "101", "-101", "NotADigit -");
        add("a Greek letter whole", whole, "101", "1ά0", "NotADigit ά");
        add("a space at the point", fraction, "1.1", "1 .1", "SpaceInsideGroup");
        add("two points", fraction, "1.1", "1..1", "TwoPoints");
        add("a point in a whole number", whole, "101", "10.1", "PointInWhole");
        add("45: the last row", whole, "101101", "0", "WrongDigit 0 Division 5");
        add("45: past the last digit", whole, "101101", "1011011", "ExtraDigit 6 Division 0");
        add("5.75: whole part short", fraction, "101.11", "10.111", "MissingDigit 2 Division 0");
        add("5.75: whole part long", fraction, "101.11", "1011.1", "ExtraDigit 3 Fraction 0");
        add("5.75: whole parts differ", fraction, "101.11", "11.11", "WrongDigit 1 Division 1");
        add("5.75: fraction short", fraction, "101.11", "101.1", "MissingDigit 4 Fraction 1");
        add("binary 10 to octal", Kind::BinaryToOctal, "2", "3", "WrongDigit 0 Groups 0");
        add("binary 11111 to hexadecimal", Kind::BinaryToHexadecimal, "1F", "1E",
            "WrongDigit 1 Groups 1");
        add("octal 17 to binary", Kind::OctalToBinary, "1111", "1011", "WrongDigit 1 Groups 1");
        add("hexadecimal 1A to binary", Kind::HexadecimalToBinary, "11010", "1",
            "MissingDigit 1 Groups 1");
        add("hexadecimal 1A to decimal", Kind::HexadecimalToDecimal, "26", "27",
            "WrongDigit 1 Sum 0");
    }
    void handWorked()
    {
        QFETCH(int, kind);
        QFETCH(QByteArray, answer);
        QFETCH(QByteArray, typed);
        Exercise e;
        e.kind = Kind(kind);
        std::tie(e.fromBase, e.toBase) = exerciseBases(e.kind, 0);
        e.answer = answer.toStdString();
        const AnswerCheck check = checkAnswer(e, typed.toStdString());
        const WorkingStep step = stepOfDigit(e, check.firstWrong);
        const char *const tables[] = {" Division ", " Fraction ", " Groups ", " Sum "};
        QTEST(shown(check)
                  + (check.verdict == AnswerCheck::Verdict::Wrong
                         ? tables[int(step.table)] + QByteArray::number(int(step.index))
                         : ""),
              "expected");
    }
};

QTEST_APPLESS_MAIN(TestPractice)
#include "tst_practice.moc"
