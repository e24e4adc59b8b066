#include "common/numbertext.h"

#include "common/errors.h"
#include "common/numbergrammar.h"

#include <QLocale>

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <system_error>

namespace tragvel {

namespace {

// A non-negative decimal: 0.d1 d2 d3 ... x 10^pointPosition; no leading or trailing zero digits;
// no digits mean zero. A double needs at most 17 digits, and rounding may add one.
struct Decimal
{
    std::array<char, 24> digits{};
    int count = 0;
    int pointPosition = 0;

    bool isZero() const { return count == 0; }
};

void stripTrailingZeros(Decimal &d)
{
    while (d.count > 0 && d.digits[size_t(d.count - 1)] == '0')
        --d.count;
    if (d.count == 0)
        d.pointPosition = 0;
}

// The shortest decimal text that reads back as the same double.
Decimal shortestDecimal(double magnitude)
{
    Decimal d;
    if (magnitude == 0.0)
        return d;
    char buffer[64];
    const char *const end = std::to_chars(buffer, buffer + sizeof buffer, magnitude, std::chars_format::scientific).ptr;
    const char *c = buffer;
    for (; c != end && *c != 'e'; ++c) {
        if (*c != '.')
            d.digits[size_t(d.count++)] = *c;
    }
    // The exponent is written with its sign: "e+05", "e-300".
    int exponent = 0;
    std::from_chars(c + 2, end, exponent);
    if (c[1] == '-')
        exponent = -exponent;
    d.pointPosition = exponent + 1;
    stripTrailingZeros(d);
    return d;
}

// Keeps `keep` leading digits, rounding the rest half away from zero.
Decimal roundToDigits(Decimal d, int keep)
{
    if (d.isZero() || keep >= d.count)
        return d;
    if (keep < 0)
        return {};
    const bool roundUp = d.digits[size_t(keep)] >= '5';
    d.count = keep;
    if (roundUp) {
        int i = keep - 1;
        while (i >= 0 && d.digits[size_t(i)] == '9') {
            d.digits[size_t(i)] = '0';
            --i;
        }
        if (i >= 0) {
            ++d.digits[size_t(i)];
        } else {
            std::copy_backward(d.digits.begin(), d.digits.begin() + d.count, d.digits.begin() + d.count + 1);
            d.digits[0] = '1';
            ++d.count;
            ++d.pointPosition;
        }
    }
    stripTrailingZeros(d);
    return d;
}

QString nonFiniteText(double value)
{
    if (std::isnan(value))
        return QStringLiteral("NAN");
    return value < 0 ? QStringLiteral("-INF") : QStringLiteral("INF");
}

QChar digitAt(const Decimal &d, int i)
{
    return QChar::fromLatin1(d.digits[size_t(i)]);
}

void appendExponentForm(QString &text, const Decimal &d, QChar separator)
{
    text += digitAt(d, 0);
    if (d.count > 1) {
        text += separator;
        for (int i = 1; i < d.count; ++i)
            text += digitAt(d, i);
    }
    text += u'E';
    char exponent[16];
    const char *const end = std::to_chars(exponent, exponent + sizeof exponent, d.pointPosition - 1).ptr;
    text += QLatin1StringView(exponent, end);
}

void appendZeros(QString &text, int count)
{
    for (int i = 0; i < count; ++i)
        text += u'0';
}

void appendPlainForm(QString &text, const Decimal &d, QChar separator, int minDecimals)
{
    if (d.pointPosition <= 0) {
        text += u'0';
    } else {
        for (int i = 0; i < d.pointPosition; ++i)
            text += i < d.count ? digitAt(d, i) : QChar(u'0');
    }
    const int leadingZeros = std::max(-d.pointPosition, 0);
    const int firstFractionDigit = std::max(d.pointPosition, 0);
    const int fractionLength = leadingZeros + std::max(d.count - firstFractionDigit, 0);
    if (std::max(fractionLength, minDecimals) == 0)
        return;
    text += separator;
    appendZeros(text, leadingZeros);
    for (int i = firstFractionDigit; i < d.count; ++i)
        text += digitAt(d, i);
    appendZeros(text, minDecimals - fractionLength);
}

// Room for a sign, the digits, the separator and an exponent, plus the zeros plain notation adds.
QString numberTextBuffer(int pointPosition, int minDecimals)
{
    QString text;
    text.reserve(32 + std::abs(pointPosition) + std::max(minDecimals, 0));
    return text;
}

bool isBlank(QChar c)
{
    return c.unicode() <= 32;
}

} // namespace

QChar programDecimalSeparator()
{
    static const QChar separator = QLocale(QLocale::Czech, QLocale::CzechRepublic).decimalPoint().at(0);
    return separator;
}

std::optional<double> parseReal(QStringView text, QChar decimalSeparator)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && isBlank(text[begin]))
        ++begin;
    while (end > begin && isBlank(text[end - 1]))
        --end;
    return readNumberText(text.mid(begin, end - begin), NumberGrammar::cell(decimalSeparator));
}

std::optional<int> parseWhole(QStringView text)
{
    qsizetype i = 0;
    while (i < text.size() && (text[i] == u' ' || text[i] == u'\t'))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == u'+' || text[i] == u'-')) {
        negative = text[i] == u'-';
        ++i;
    }
    if (i == text.size())
        return std::nullopt;
    long long value = 0;
    for (; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        if (c < u'0' || c > u'9')
            return std::nullopt;
        value = value * 10 + (c - u'0');
        if (value > static_cast<long long>(std::numeric_limits<int>::max()) + 1)
            return std::nullopt;
    }
    if (negative)
        value = -value;
    if (value > std::numeric_limits<int>::max() || value < std::numeric_limits<int>::min())
        return std::nullopt;
    return int(value);
}

double toReal(const QString &text, QChar decimalSeparator)
{
    if (const auto value = parseReal(text, decimalSeparator))
        return *value;
    throw ConversionError(QStringLiteral("'%1' is not a valid floating point value").arg(text));
}

int toWhole(const QString &text)
{
    if (const auto value = parseWhole(text))
        return *value;
    throw ConversionError(QStringLiteral("'%1' is not a valid integer value").arg(text));
}

QString generalText(double value, QChar decimalSeparator)
{
    return generalText(value, 15, decimalSeparator);
}

QString generalText(double value, int significantDigits, QChar decimalSeparator)
{
    if (!std::isfinite(value))
        return nonFiniteText(value);
    const Decimal d = roundToDigits(shortestDecimal(std::fabs(value)), significantDigits);
    if (d.isZero())
        return QStringLiteral("0");
    QString text = numberTextBuffer(d.pointPosition, 0);
    if (value < 0)
        text += u'-';
    // Plain notation from 0,0001 (0.1 x 10^-3) up to `significantDigits` integer digits.
    if (d.pointPosition >= -3 && d.pointPosition <= significantDigits)
        appendPlainForm(text, d, decimalSeparator, 0);
    else
        appendExponentForm(text, d, decimalSeparator);
    return text;
}

QString fixedText(double value, int precision, int decimals, QChar decimalSeparator)
{
    if (!std::isfinite(value))
        return nonFiniteText(value);
    const Decimal exact = shortestDecimal(std::fabs(value));
    const int keep = std::min(precision, exact.pointPosition + decimals);
    const Decimal d = roundToDigits(exact, keep);
    QString text = numberTextBuffer(d.pointPosition, decimals);
    if (value < 0 && !d.isZero())
        text += u'-';
    if (d.pointPosition > precision)
        appendExponentForm(text, roundToDigits(exact, precision), decimalSeparator);
    else
        appendPlainForm(text, d, decimalSeparator, decimals);
    return text;
}

QString prefixedNumber(QStringView prefix, int number)
{
    char digits[16];
    const char *const end = std::to_chars(digits, digits + sizeof digits, number).ptr;
    QString text;
    text.reserve(prefix.size() + (end - digits));
    text.append(prefix);
    text.append(QLatin1StringView(digits, end));
    return text;
}

QString pointNotationText(const QString &cell, QChar decimalSeparator)
{
    const std::optional<double> value = parseReal(cell, decimalSeparator);
    if (!value)
        return cell;
    qsizetype begin = 0;
    qsizetype end = cell.size();
    while (begin < end && isBlank(cell[begin]))
        ++begin;
    while (end > begin && isBlank(cell[end - 1]))
        --end;
    QString text = QStringView(cell).mid(begin, end - begin).toString();
    text.replace(decimalSeparator, u'.');
    if (!readNumberText(QStringView(text), NumberGrammar::file()))
        return generalText(*value, u'.');
    return text;
}

} // namespace tragvel
