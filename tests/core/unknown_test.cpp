// Metal 4's number parser: worked values, limits, generated and long
// inputs and the fuzzing corpus.

#include "core/errors.h"
#include "unknown/metal4.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <cstdint>
#include <memory>
#include <random>
#include <string>
#include <variant>

namespace {

const QString invalidOperation = QStringLiteral("Invalid floating point operation");

// The message as an AppError carries it: through UTF-8 text, which ends at
// a NUL character and turns a lone surrogate into '?'.
QString carried(const QString& message)
{
    return AppError(message).message();
}

QString notANumber(const QString& text)
{
    return carried(QStringLiteral("'%1' is not a valid floating point value").arg(text));
}

// Metal 4 for the text, or the message of the error it raises.
std::variant<double, QString> metal4(const QString& text, QChar separator = u'.')
{
    try {
        return metal4FromText(text, separator);
    } catch (const AppError& error) {
        return error.message();
    }
}

void expectValue(const QString& text, double expected, QChar separator = u'.')
{
    const auto result = metal4(text, separator);
    if (const auto* value = std::get_if<double>(&result))
        EXPECT_NEAR(*value, expected, 1e-12) << qPrintable(text);
    else
        ADD_FAILURE() << qPrintable(text) << ": " << qPrintable(std::get<QString>(result));
}

void expectError(const QString& text, const QString& message, QChar separator = u'.')
{
    const auto result = metal4(text, separator);
    if (const auto* raised = std::get_if<QString>(&result))
        EXPECT_EQ(*raised, message) << qPrintable(text);
    else
        ADD_FAILURE() << qPrintable(text) << " gave " << std::get<double>(result);
}

TEST(Metal4, WorkedValuesAndNumberForms)
{
    const std::pair<const char*, double> rows[] = {
        {"1", 1.06},
        {"0", 1.00},
        {"7.9", 1.42},
        {"19", 2.14},
        {"20", 1.00},
        {"21", 1.06},
        {"-3", 0.82},
        {"-19.5", -0.14},
        {"  +12  ", 1.72},
        {"1.5e1", 1.90},
        {"150E-1", 1.90},
        {"-0.99", 1.00},
        {"-0", 1.00},
        {"000000000000000000000000042", 1.12},
        {"0e5000", 1.00},
        {"1e-5000", 1.00},
        {"0.0000000000000000000000019e25", 2.14},
    };
    for (const auto& [text, expected] : rows)
        expectValue(QString::fromLatin1(text), expected);
}

TEST(Metal4, DecimalSeparatorOfTheRegionalSettings)
{
    expectValue(QStringLiteral("7,9"), 1.42, u',');
    expectValue(QStringLiteral("-19,5e0"), -0.14, u',');
    expectError(QStringLiteral("7.9"), notANumber(QStringLiteral("7.9")), u',');
    expectError(QStringLiteral("7,9"), notANumber(QStringLiteral("7,9")), u'.');
}

TEST(Metal4, TextsThatAreNoNumber)
{
    const QString texts[] = {
        QString(),
        QStringLiteral(" "),
        QStringLiteral("+"),
        QStringLiteral("-"),
        QStringLiteral("abc"),
        QStringLiteral("1e"),
        QStringLiteral("1e+"),
        QStringLiteral("e5"),
        QStringLiteral("1 2"),
        QStringLiteral("."),
        QStringLiteral("1..2"),
        QStringLiteral("--1"),
        QStringLiteral("+-1"),
        QStringLiteral("nan"),
        QStringLiteral("inf"),
        QStringLiteral("-Infinity"),
        QStringLiteral("0x10"),
        QStringLiteral("1\t"),
        QStringLiteral("\t1"),
        QStringLiteral("1\n"),
        QStringLiteral("1e5.5"),
        QStringLiteral("1_000"),
        QString::fromUtf8("\xef\xbc\x91"), // fullwidth one
        QString::fromUtf8("\xd9\xa3"),     // Arabic-Indic three
        QString::fromUtf8("\xc2\xa0"
                          "1"),        // no-break space
        QString(QChar(0xD800)) + u'1', // lone surrogate
        QStringLiteral("1") + QChar(0),
        QStringLiteral("100%1"),
    };
    for (const QString& text : texts)
        expectError(text, notANumber(text));
    // The report appends the full stop.
    EXPECT_EQ(errorReportText(notANumber(QStringLiteral("abc"))),
              QStringLiteral("'abc' is not a valid floating point value."));
    EXPECT_EQ(errorReportText(invalidOperation), QStringLiteral("Invalid floating point operation."));
}

TEST(Metal4, IntegerPartAtTheLimitsOfSixtyFourAndThirtyTwoBits)
{
    for (const char* text : {"1e30", "9223372036854775808", "-9223372036854775809", "9223372036854775808.0", "1e5000",
                             "-1e19", "99999999999999999999.9", "1e1000000000000000000000000"})
        expectError(QString::fromLatin1(text), invalidOperation);
    const std::pair<const char*, double> fits[] = {
        {"9223372036854775807", 0.94}, // low 32 bits all ones: -1
        {"9223372036854775807.999", 0.94},
        {"92233720368547758.07e2", 0.94},
        {"-9223372036854775808", 1.00}, // low 32 bits zero
        {"-9223372036854775808.9", 1.00},
        {"4294967296", 1.00},
        {"4294967295", 0.94},
        {"2147483647", 1.42},
        {"2147483648", 0.52},       // -2147483648 rem 20 = -8
        {"9007199254740993", 1.06}, // 2^53 + 1: no rounding through a double
    };
    for (const auto& [text, expected] : fits)
        expectValue(QString::fromLatin1(text), expected);
}

TEST(Metal4, LongInputs)
{
    const QString nines(10000, u'9');
    expectError(nines, invalidOperation);
    expectValue(u'1' + QString(10000, u'0') + QStringLiteral("e-10000"), 1.06);
    expectValue(QStringLiteral("0.") + QString(9999, u'0') + QStringLiteral("1e10000"), 1.06);
    expectValue(QStringLiteral("-0.") + QString(10000, u'9'), 1.00);
    expectError(QStringLiteral("1e") + nines, invalidOperation);
    expectValue(QStringLiteral("1e-") + nines, 1.00);
    expectValue(QStringLiteral("0e") + nines, 1.00);
    for (const QString& text : {QString(10000, u' '), QString(10000, u'x'), nines + u'x', QString(10000, u'-')})
        expectError(text, notANumber(text));
}

// The accepted form, written independently of the parser.
QRegularExpression numberForm(QChar separator)
{
    const QString sep = QRegularExpression::escape(QString(separator));
    return QRegularExpression(QRegularExpression::anchoredPattern(
        QStringLiteral(" *([+-]?)(?:([0-9]+)(?:%1([0-9]*))?|%1([0-9]+))(?:[eE]([+-]?[0-9]+))? *").arg(sep)));
}

// Metal 4 from a double conversion, where a double holds the number exactly
// enough: few significant digits and a modest size. Nothing otherwise.
std::optional<double> metal4ByDouble(const QRegularExpressionMatch& match)
{
    const QString digits = match.captured(2);
    const QString fraction = match.captured(3) + match.captured(4);
    QString significant = digits + fraction;
    while (significant.startsWith(u'0'))
        significant.remove(0, 1);
    if (significant.size() > 15 || match.captured(5).size() > 5)
        return std::nullopt;
    const std::string text = (match.captured(1) + (digits.isEmpty() ? QStringLiteral("0") : digits) + u'.' + fraction
                              + u'e' + (match.captured(5).isEmpty() ? QStringLiteral("0") : match.captured(5)))
                                 .toStdString();
    const char* first = text.data() + (text.front() == '+' ? 1 : 0);
    double value = 0;
    const auto [end, error] = std::from_chars(first, text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || !(std::fabs(value) < 1e15))
        return std::nullopt;
    const auto low32 = static_cast<std::int32_t>(
        static_cast<std::uint32_t>(static_cast<std::int64_t>(std::trunc(value))));
    return 1.0 + 0.06 * (low32 % 20);
}

class TextGenerator
{
public:
    explicit TextGenerator(unsigned seed)
        : random_(seed)
    {
    }

    QString next(int serial)
    {
        QString text = serial % 2 == 0 ? numberShaped() : randomText(below(40));
        if (serial % 500 == 7)
            text += randomText(3000 + below(7000));
        return text;
    }

private:
    int below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(random_); }

    QString pick() { return alphabet_[below(static_cast<int>(alphabet_.size()))]; }

    QString randomText(int length)
    {
        QString text;
        for (int i = 0; i < length; ++i)
            text += pick();
        return text;
    }

    QString digits(int most)
    {
        QString text;
        for (int n = below(most + 1); n > 0; --n)
            text += QChar(u'0' + below(10));
        return text;
    }

    QString numberShaped()
    {
        QString text = QString(below(3), u' ');
        if (below(3) == 0)
            text += below(2) ? u'-' : u'+';
        text += digits(below(4) == 0 ? 25 : 6);
        if (below(2))
            text += (below(2) ? u'.' : u',') + digits(below(4) == 0 ? 25 : 4);
        if (below(3) == 0) {
            text += below(2) ? u'e' : u'E';
            if (below(2))
                text += below(2) ? u'-' : u'+';
            text += digits(below(6) == 0 ? 30 : 3);
        }
        text += QString(below(3), u' ');
        for (int mutations = below(5) == 0 ? 1 + below(2) : 0; mutations > 0; --mutations) {
            const int at = below(static_cast<int>(text.size()) + 1);
            switch (below(3)) {
            case 0:
                text.insert(at, pick());
                break;
            case 1:
                if (at < text.size())
                    text.replace(at, 1, pick());
                break;
            default:
                if (at < text.size())
                    text.remove(at, 1);
            }
        }
        return text;
    }

    std::mt19937 random_;
    const std::vector<QString> alphabet_ = {
        QStringLiteral("0"),
        QStringLiteral("1"),
        QStringLiteral("5"),
        QStringLiteral("9"),
        QStringLiteral("+"),
        QStringLiteral("-"),
        QStringLiteral("."),
        QStringLiteral(","),
        QStringLiteral("e"),
        QStringLiteral("E"),
        QStringLiteral(" "),
        QStringLiteral("\t"),
        QStringLiteral("x"),
        QStringLiteral("n"),
        QStringLiteral("a"),
        QStringLiteral("%1"),
        QString(QChar(0)),
        QString::fromUtf8("\xc3\xa9"),
        QString::fromUtf8("\xd9\xa3"),
        QString::fromUtf8("\xef\xbc\x91"),
        QString::fromUtf8("\xc2\xa0"),
        QString::fromUtf8("\xe2\x82\xac"),
        QString::fromUtf8("\xf0\x9f\x98\x80"),
        QString(QChar(0xDC00)),
    };
};

// Thousands of generated texts, with both separators: each gives a value of
// the form 1.0 + 0.06 r, or exactly one of the two errors, as the accepted
// form says; where a double is exact enough, the value agrees with it.
TEST(Metal4, GeneratedInputs)
{
    TextGenerator generator(20240611);
    int values = 0;
    int checkedByDouble = 0;
    for (int serial = 0; serial < 20000; ++serial) {
        const QString text = generator.next(serial);
        for (const QChar separator : {QChar(u'.'), QChar(u',')}) {
            const QRegularExpressionMatch match = numberForm(separator).match(text);
            std::variant<double, QString> result;
            try {
                result = metal4(text, separator);
            } catch (...) {
                FAIL() << "an error that is no AppError for " << qPrintable(text);
            }
            if (const auto* value = std::get_if<double>(&result)) {
                ++values;
                ASSERT_TRUE(match.hasMatch()) << qPrintable(text);
                const double r = (*value - 1.0) / 0.06;
                ASSERT_NEAR(r, std::round(r), 1e-9) << qPrintable(text);
                ASSERT_LE(std::fabs(r), 19.0 + 1e-9) << qPrintable(text);
                if (const std::optional<double> expected = metal4ByDouble(match)) {
                    ++checkedByDouble;
                    ASSERT_NEAR(*value, *expected, 1e-12) << qPrintable(text);
                }
            } else if (std::get<QString>(result) == invalidOperation) {
                ASSERT_TRUE(match.hasMatch()) << qPrintable(text);
            } else {
                ASSERT_FALSE(match.hasMatch()) << qPrintable(text);
                ASSERT_EQ(std::get<QString>(result), notANumber(text));
            }
        }
    }
    // The generator must reach the interesting cases, not only refusals.
    EXPECT_GT(values, 5000);
    EXPECT_GT(checkedByDouble, 3000);
}

// Every input the fuzzer kept must still be handled: a value or an AppError.
TEST(Metal4, FuzzCorpusRegression)
{
    const QDir corpus(QStringLiteral(LUMETRA_SOURCE_DIR "/tests/fuzz/corpus"));
    const QStringList files = corpus.entryList(QDir::Files);
    ASSERT_FALSE(files.isEmpty()) << qPrintable(corpus.path());
    for (const QString& name : files) {
        QFile file(corpus.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << qPrintable(name);
        const QString text = QString::fromUtf8(file.readAll());
        for (const QChar separator : {QChar(u'.'), QChar(u',')}) {
            const auto result = metal4(text, separator);
            if (const auto* message = std::get_if<QString>(&result)) {
                EXPECT_TRUE(*message == invalidOperation || *message == notANumber(text)) << qPrintable(name);
            }
        }
    }
}

} // namespace
