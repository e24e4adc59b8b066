#include "common/numbergrammar.h"

#include <charconv>
#include <cmath>
#include <system_error>

namespace tragvel {

namespace {

bool isAsciiDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

qsizetype takeDigits(QStringView text, qsizetype i, std::string &digits)
{
    while (i < text.size() && isAsciiDigit(text[i]))
        digits.push_back(char(text[i++].unicode()));
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

} // namespace

NumberScan scanNumber(QStringView text, const NumberGrammar &grammar)
{
    NumberScan scan;
    qsizetype i = 0;
    if (i < text.size() && (text[i] == u'+' || text[i] == u'-')) {
        scan.negative = text[i] == u'-';
        ++i;
    }
    i = takeDigits(text, i, scan.integerDigits);
    scan.end = i;
    if (scan.integerDigits.empty() && !grammar.digitsOnOneSideSuffice)
        return scan;
    bool mantissa = !scan.integerDigits.empty();
    if (i < text.size() && text[i] == grammar.separator) {
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
    if (i < text.size() && (text[i] == u'E' || text[i] == u'e')) {
        scan.complete = false;
        ++i;
        if (i < text.size() && (text[i] == u'+' || text[i] == u'-')) {
            scan.negativeExponent = text[i] == u'-';
            ++i;
        }
        i = takeDigits(text, i, scan.exponentDigits);
        scan.end = i;
        scan.complete = !scan.exponentDigits.empty();
    }
    return scan;
}

std::optional<double> scannedValue(const NumberScan &scan)
{
    if (!scan.complete)
        return std::nullopt;
    std::string ascii = scan.integerDigits.empty() ? std::string("0") : scan.integerDigits;
    if (!scan.fractionDigits.empty())
        ascii += '.' + scan.fractionDigits;
    if (!scan.exponentDigits.empty())
        ascii += std::string(scan.negativeExponent ? "e-" : "e") + scan.exponentDigits;
    double value = 0.0;
    const auto result = std::from_chars(ascii.data(), ascii.data() + ascii.size(), value);
    if (result.ec == std::errc::result_out_of_range) {
        // Out of range either way: too large is no number, too small reads as zero.
        if (decimalOrder(scan) > 0)
            return std::nullopt;
        value = 0.0;
    } else if (result.ec != std::errc() || result.ptr != ascii.data() + ascii.size()) {
        return std::nullopt;
    }
    if (!std::isfinite(value))
        return std::nullopt;
    return scan.negative ? -value : value;
}

std::optional<double> readNumberText(QStringView text, const NumberGrammar &grammar)
{
    const NumberScan scan = scanNumber(text, grammar);
    if (scan.end != text.size())
        return std::nullopt;
    return scannedValue(scan);
}

} // namespace tragvel
