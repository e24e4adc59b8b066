#include "common/numbertext.h"

#include "common/errors.h"
#include "common/numbergrammar.h"
#include "common/textfilereader.h"

#include <QLocale>

#include <charconv>
#include <cmath>
#include <limits>
#include <string>
#include <system_error>

namespace tragvel {

namespace {

// A non-negative decimal: 0.d1 d2 d3 ... x 10^pointPosition; no leading or trailing zero digits;
// empty digits mean zero.
struct Decimal
{
    std::string digits;
    int pointPosition = 0;

    bool isZero() const { return digits.empty(); }
};

void stripTrailingZeros(Decimal &d)
{
    while (!d.digits.empty() && d.digits.back() == '0')
        d.digits.pop_back();
    if (d.digits.empty())
        d.pointPosition = 0;
}

// The shortest decimal text that reads back as the same double.
Decimal shortestDecimal(double magnitude)
{
    Decimal d;
    if (magnitude == 0.0)
        return d;
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, magnitude, std::chars_format::scientific);
    const std::string text(buffer, result.ptr);
    const auto e = text.find('e');
    const std::string mantissa = text.substr(0, e);
    const int exponent = std::stoi(text.substr(e + 1));
    for (const char c : mantissa) {
        if (c != '.')
            d.digits.push_back(c);
    }
    d.pointPosition = exponent + 1;
    stripTrailingZeros(d);
    return d;
}

// Keeps `keep` leading digits, rounding the rest half away from zero.
Decimal roundToDigits(Decimal d, int keep)
{
    if (d.isZero() || keep >= int(d.digits.size()))
        return d;
    if (keep < 0)
        return {};
    const bool roundUp = d.digits[size_t(keep)] >= '5';
    d.digits.resize(size_t(keep));
    if (roundUp) {
        int i = keep - 1;
        while (i >= 0 && d.digits[size_t(i)] == '9') {
            d.digits[size_t(i)] = '0';
            --i;
        }
        if (i >= 0) {
            ++d.digits[size_t(i)];
        } else {
            d.digits.insert(d.digits.begin(), '1');
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

QString exponentForm(const Decimal &d, QChar separator)
{
    QString text;
    text += QChar::fromLatin1(d.digits[0]);
    if (d.digits.size() > 1) {
        text += separator;
        text += QString::fromLatin1(d.digits.substr(1));
    }
    text += u'E';
    text += QString::number(d.pointPosition - 1);
    return text;
}

QString plainForm(const Decimal &d, QChar separator, int minDecimals)
{
    QString integerPart;
    QString fraction;
    const int count = int(d.digits.size());
    if (d.pointPosition <= 0) {
        integerPart = QStringLiteral("0");
        fraction = QString(-d.pointPosition, u'0') + QString::fromLatin1(d.digits);
    } else {
        for (int i = 0; i < d.pointPosition; ++i)
            integerPart += i < count ? QChar::fromLatin1(d.digits[size_t(i)]) : QChar(u'0');
        if (count > d.pointPosition)
            fraction = QString::fromLatin1(d.digits.substr(size_t(d.pointPosition)));
    }
    if (d.isZero())
        integerPart = QStringLiteral("0");
    if (fraction.size() < minDecimals)
        fraction += QString(minDecimals - fraction.size(), u'0');
    return fraction.isEmpty() ? integerPart : integerPart + separator + fraction;
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
    const QString sign = value < 0 ? QStringLiteral("-") : QString();
    // Plain notation from 0,0001 (0.1 x 10^-3) up to `significantDigits` integer digits.
    if (d.pointPosition >= -3 && d.pointPosition <= significantDigits)
        return sign + plainForm(d, decimalSeparator, 0);
    return sign + exponentForm(d, decimalSeparator);
}

QString fixedText(double value, int precision, int decimals, QChar decimalSeparator)
{
    if (!std::isfinite(value))
        return nonFiniteText(value);
    const Decimal exact = shortestDecimal(std::fabs(value));
    const int keep = std::min(precision, exact.pointPosition + decimals);
    const Decimal d = roundToDigits(exact, keep);
    const QString sign = (value < 0 && !d.isZero()) ? QStringLiteral("-") : QString();
    if (d.pointPosition > precision)
        return sign + exponentForm(roundToDigits(exact, precision), decimalSeparator);
    return sign + plainForm(d, decimalSeparator, decimals);
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
    QString text = cell.mid(begin, end - begin);
    text.replace(decimalSeparator, u'.');
    double reread = 0.0;
    if (!parsePointNotation(text.toLatin1(), reread))
        return generalText(*value, u'.');
    return text;
}

} // namespace tragvel
