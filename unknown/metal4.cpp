#include "metal4.h"

#include "app/errorreport.h"

#include <QCoreApplication>
#include <algorithm>

namespace {

bool isBlank(QChar c)
{
    return c == u' ';
}

bool isDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

[[noreturn]] void notANumber(const QString& text)
{
    throw AppError(QCoreApplication::translate("UnknownMetals", "'%1' is not a valid floating point value").arg(text));
}

[[noreturn]] void doesNotFit()
{
    throw AppError(QCoreApplication::translate("UnknownMetals", "Invalid floating point operation"));
}

// Exponents are saturated here: far beyond any text's length, so the
// integer part is still decided rightly, and far from overflowing when the
// count of integer digits is added.
constexpr long long exponentCap = 1'000'000'000'000'000LL;

} // namespace

std::int64_t integerPartOfText(const QString& text, QChar decimalSeparator)
{
    const qsizetype end = text.size();
    qsizetype i = 0;
    while (i < end && isBlank(text[i]))
        ++i;
    bool negative = false;
    if (i < end && (text[i] == u'+' || text[i] == u'-'))
        negative = text[i++] == u'-';

    const qsizetype integerStart = i;
    while (i < end && isDigit(text[i]))
        ++i;
    const qsizetype integerLength = i - integerStart;
    qsizetype fractionStart = i;
    qsizetype fractionLength = 0;
    if (i < end && text[i] == decimalSeparator) {
        fractionStart = ++i;
        while (i < end && isDigit(text[i]))
            ++i;
        fractionLength = i - fractionStart;
    }
    if (integerLength + fractionLength == 0)
        notANumber(text);

    long long exponent = 0;
    if (i < end && (text[i] == u'e' || text[i] == u'E')) {
        ++i;
        bool negativeExponent = false;
        if (i < end && (text[i] == u'+' || text[i] == u'-'))
            negativeExponent = text[i++] == u'-';
        const qsizetype exponentStart = i;
        while (i < end && isDigit(text[i]))
            exponent = std::min(exponent * 10 + (text[i++].unicode() - u'0'), exponentCap);
        if (i == exponentStart)
            notANumber(text);
        if (negativeExponent)
            exponent = -exponent;
    }
    while (i < end && isBlank(text[i]))
        ++i;
    if (i != end)
        notANumber(text);

    // The digits of the integer part and the fraction as one sequence; the
    // decimal point stands after `point` of them once the exponent moves it.
    const qsizetype digitCount = integerLength + fractionLength;
    const auto digitAt = [&](long long j) -> unsigned {
        if (j >= digitCount)
            return 0; // the zeros that a positive exponent appends
        const QChar c = j < integerLength ? text[integerStart + j] : text[fractionStart + (j - integerLength)];
        return c.unicode() - u'0';
    };
    const long long point = integerLength + exponent;
    long long first = 0; // the first significant digit
    while (first < digitCount && digitAt(first) == 0)
        ++first;
    if (first >= digitCount || first >= point)
        return 0;
    // 19 digits at most fit; 20 would pass 2^63 whatever they are.
    if (point - first > 19)
        doesNotFit();
    unsigned long long magnitude = 0;
    for (long long j = first; j < point; ++j)
        magnitude = magnitude * 10 + digitAt(j);
    constexpr unsigned long long limit = 1ULL << 63; // the magnitude of the least int64
    if (magnitude > limit - (negative ? 0 : 1))
        doesNotFit();
    return static_cast<std::int64_t>(negative ? 0 - magnitude : magnitude);
}

double metal4FromText(const QString& text, QChar decimalSeparator)
{
    const std::int64_t whole = integerPartOfText(text, decimalSeparator);
    const auto low32 = static_cast<std::int32_t>(static_cast<std::uint32_t>(static_cast<std::uint64_t>(whole)));
    const int r = low32 % 20;
    return 1.0 + 0.06 * r;
}
