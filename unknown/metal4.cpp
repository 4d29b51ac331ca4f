#include "metal4.h"

#include "app/errorreport.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <string>

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
    throw AppError(QStringLiteral("'%1' is not a valid floating point value").arg(text));
}

// The largest decimal exponent a number may carry; beyond it the value is
// out of range for the conversion altogether.
constexpr long long exponentLimit = 4932;

} // namespace

double textToFloat(const QString& text, QChar decimalSeparator)
{
    qsizetype i = 0;
    const qsizetype end = text.size();
    while (i < end && isBlank(text[i]))
        ++i;

    // Normalised as ASCII for the conversion: sign, digits, '.', digits.
    std::string number;
    if (i < end && (text[i] == u'+' || text[i] == u'-'))
        number += static_cast<char>(text[i++].unicode());
    qsizetype digits = 0;
    long long integerDigits = 0; // significant digits before the separator
    while (i < end && isDigit(text[i])) {
        if (integerDigits > 0 || text[i] != u'0')
            ++integerDigits;
        number += static_cast<char>(text[i++].unicode());
        ++digits;
    }
    if (i < end && text[i] == decimalSeparator) {
        ++i;
        number += '.';
        while (i < end && isDigit(text[i])) {
            number += static_cast<char>(text[i++].unicode());
            ++digits;
        }
    }
    if (digits == 0)
        notANumber(text);

    long long exponent = 0;
    if (i < end && (text[i] == u'e' || text[i] == u'E')) {
        ++i;
        bool negative = false;
        if (i < end && (text[i] == u'+' || text[i] == u'-'))
            negative = text[i++] == u'-';
        qsizetype exponentDigits = 0;
        while (i < end && isDigit(text[i])) {
            // Saturates: any exponent this large is out of range anyway.
            exponent = std::min<long long>(exponent * 10 + (text[i++].unicode() - u'0'), 1'000'000'000);
            ++exponentDigits;
        }
        if (exponentDigits == 0)
            notANumber(text);
        if (negative)
            exponent = -exponent;
    }
    while (i < end && isBlank(text[i]))
        ++i;
    if (i != end)
        notANumber(text);

    if (integerDigits + exponent > exponentLimit)
        notANumber(text);
    if (exponent > exponentLimit || exponent < -2 * exponentLimit)
        return 0.0; // a tiny number; a huge one was refused above
    number += 'e';
    number += std::to_string(exponent);

    double value = 0;
    const char* first = number.data() + (number.front() == '+' ? 1 : 0);
    const auto [last, error] = std::from_chars(first, number.data() + number.size(), value);
    if (error == std::errc::result_out_of_range) {
        // Past the range of a double but within that of the conversion.
        const bool huge = integerDigits + exponent > 0;
        const double magnitude = huge ? HUGE_VAL : 0.0;
        return number.front() == '-' ? -magnitude : magnitude;
    }
    if (error != std::errc() || last != number.data() + number.size())
        notANumber(text);
    return value;
}

double metal4FromText(const QString& text, QChar decimalSeparator)
{
    const double value = std::trunc(textToFloat(text, decimalSeparator));
    // 2^63 is the first magnitude a signed 64-bit integer cannot hold.
    if (!(value >= -9223372036854775808.0 && value < 9223372036854775808.0))
        throw AppError(QStringLiteral("Invalid floating point operation"));
    const auto whole = static_cast<std::int64_t>(value);
    const auto low32 = static_cast<std::int32_t>(static_cast<std::uint32_t>(static_cast<std::uint64_t>(whole)));
    const int r = low32 % 20;
    return 1.0 + 0.06 * r;
}
