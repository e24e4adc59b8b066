#include "common/numbergrammar.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <system_error>

namespace tragvel {

namespace {

bool isAsciiDigit(char16_t c)
{
    return c >= u'0' && c <= u'9';
}

// The scanner reads cell texts and file tokens alike, one code unit at a time.
char16_t unitAt(QStringView text, qsizetype i)
{
    return text[i].unicode();
}

char16_t unitAt(QLatin1StringView text, qsizetype i)
{
    return char16_t(static_cast<unsigned char>(text.data()[i]));
}

template<typename Text>
qsizetype takeDigits(Text text, qsizetype i, std::string &digits)
{
    while (i < text.size() && isAsciiDigit(unitAt(text, i)))
        digits.push_back(char(unitAt(text, i++)));
    return i;
}

// The decimal order of a non-zero mantissa with its exponent: the value is 0.d... x 10^order.
// Saturates far outside the range of doubles.
long long decimalOrder(const NumberScan &scan)
{
    long long exponent = 0;
    for (const char c : scan.exponentDigits) {
        exponent = exponent * 10 + (c - '0');
        if (exponent > 1000000000)
            break;
    }
    if (scan.negativeExponent)
        exponent = -exponent;
    const auto firstInteger = scan.integerDigits.find_first_not_of('0');
    if (firstInteger != std::string::npos)
        return exponent + (long long)(scan.integerDigits.size() - firstInteger);
    const auto firstFraction = scan.fractionDigits.find_first_not_of('0');
    return exponent - (long long)firstFraction;
}

template<typename Text>
NumberScan scanText(Text text, const NumberGrammar &grammar)
{
    NumberScan scan;
    qsizetype i = 0;
    if (i < text.size() && (unitAt(text, i) == u'+' || unitAt(text, i) == u'-')) {
        scan.negative = unitAt(text, i) == u'-';
        ++i;
    }
    i = takeDigits(text, i, scan.integerDigits);
    scan.end = i;
    if (scan.integerDigits.empty() && !grammar.digitsOnOneSideSuffice)
        return scan;
    bool mantissa = !scan.integerDigits.empty();
    if (i < text.size() && unitAt(text, i) == grammar.separator.unicode()) {
        ++i;
        i = takeDigits(text, i, scan.fractionDigits);
        scan.end = i;
        if (scan.fractionDigits.empty() && !grammar.digitsOnOneSideSuffice)
            return scan;
        mantissa = mantissa || !scan.fractionDigits.empty();
    }
    if (!mantissa)
        return scan;
    scan.complete = true;
    if (i < text.size() && (unitAt(text, i) == u'E' || unitAt(text, i) == u'e')) {
        scan.complete = false;
        ++i;
        if (i < text.size() && (unitAt(text, i) == u'+' || unitAt(text, i) == u'-')) {
            scan.negativeExponent = unitAt(text, i) == u'-';
            ++i;
        }
        i = takeDigits(text, i, scan.exponentDigits);
        scan.end = i;
        scan.complete = !scan.exponentDigits.empty();
    }
    return scan;
}

} // namespace

NumberScan scanNumber(QStringView text, const NumberGrammar &grammar)
{
    return scanText(text, grammar);
}

NumberScan scanNumber(QLatin1StringView text, const NumberGrammar &grammar)
{
    return scanText(text, grammar);
}

std::optional<double> scannedValue(const NumberScan &scan)
{
    if (!scan.complete)
        return std::nullopt;
    // The number in the notation from_chars reads, on the stack unless it is very long.
    const size_t length = std::max<size_t>(scan.integerDigits.size(), 1) + 1 + scan.fractionDigits.size() + 2
                          + scan.exponentDigits.size();
    char shortText[128];
    std::string longText;
    char *const begin = length <= sizeof shortText ? shortText : (longText.resize(length), longText.data());
    char *end = begin;
    const auto append = [&end](const std::string &part) {
        end = std::copy(part.begin(), part.end(), end);
    };
    if (scan.integerDigits.empty())
        *end++ = '0';
    append(scan.integerDigits);
    if (!scan.fractionDigits.empty()) {
        *end++ = '.';
        append(scan.fractionDigits);
    }
    if (!scan.exponentDigits.empty()) {
        *end++ = 'e';
        if (scan.negativeExponent)
            *end++ = '-';
        append(scan.exponentDigits);
    }
    double value = 0.0;
    const auto result = std::from_chars(begin, end, value);
    if (result.ec == std::errc::result_out_of_range) {
        // Out of range either way: too large is no number, too small reads as zero.
        if (decimalOrder(scan) > 0)
            return std::nullopt;
        value = 0.0;
    } else if (result.ec != std::errc() || result.ptr != end) {
        return std::nullopt;
    }
    if (!std::isfinite(value))
        return std::nullopt;
    return scan.negative ? -value : value;
}

template<typename Text>
std::optional<double> readText(Text text, const NumberGrammar &grammar)
{
    const NumberScan scan = scanNumber(text, grammar);
    if (scan.end != text.size())
        return std::nullopt;
    return scannedValue(scan);
}

std::optional<double> readNumberText(QStringView text, const NumberGrammar &grammar)
{
    return readText(text, grammar);
}

std::optional<double> readNumberText(QLatin1StringView text, const NumberGrammar &grammar)
{
    return readText(text, grammar);
}

} // namespace tragvel
