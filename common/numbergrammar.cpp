#include "common/numbergrammar.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <string>
#include <system_error>

namespace tragvel {

namespace {

bool isAsciiDigit(char16_t c)
{
    // One unsigned comparison: code units below '0' wrap to large values.
    return char16_t(c - u'0') < 10;
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

// Copies a run of (ASCII) digits as chars; returns the end of the copy.
char *copyDigits(QStringView text, const DigitRun &run, char *out)
{
    for (qsizetype i = run.start; i < run.start + run.count; ++i)
        *out++ = char(unitAt(text, i));
    return out;
}

char *copyDigits(QLatin1StringView text, const DigitRun &run, char *out)
{
    return std::copy_n(text.data() + run.start, run.count, out);
}

template<typename Text>
qsizetype takeDigits(Text text, qsizetype i, DigitRun &run)
{
    run.start = i;
    while (i < text.size() && isAsciiDigit(unitAt(text, i)))
        ++i;
    run.count = i - run.start;
    return i;
}

// How many leading zeros the run has (its length when it holds zeros only).
template<typename Text>
qsizetype leadingZeros(Text text, const DigitRun &run)
{
    qsizetype zeros = 0;
    while (zeros < run.count && unitAt(text, run.start + zeros) == u'0')
        ++zeros;
    return zeros;
}

// The decimal order of a non-zero mantissa with its exponent: the value is 0.d... x 10^order.
// Saturates far outside the range of doubles.
template<typename Text>
long long decimalOrder(Text text, const NumberScan &scan)
{
    long long exponent = 0;
    for (qsizetype i = 0; i < scan.exponentDigits.count; ++i) {
        exponent = exponent * 10 + (unitAt(text, scan.exponentDigits.start + i) - u'0');
        if (exponent > 1000000000)
            break;
    }
    if (scan.negativeExponent)
        exponent = -exponent;
    const qsizetype integerZeros = leadingZeros(text, scan.integerDigits);
    if (integerZeros < scan.integerDigits.count)
        return exponent + (long long)(scan.integerDigits.count - integerZeros);
    return exponent - (long long)leadingZeros(text, scan.fractionDigits);
}

bool isSign(char16_t c)
{
    return c == u'+' || c == u'-';
}

template<typename Text>
NumberScan scanText(Text text, const NumberGrammar &grammar)
{
    NumberScan scan;
    qsizetype i = 0;
    if (i < text.size() && isSign(unitAt(text, i))) {
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
        if (i < text.size() && isSign(unitAt(text, i))) {
            scan.negativeExponent = unitAt(text, i) == u'-';
            ++i;
        }
        i = takeDigits(text, i, scan.exponentDigits);
        scan.end = i;
        scan.complete = !scan.exponentDigits.empty();
    }
    return scan;
}

template<typename Text>
std::optional<double> valueOf(Text text, const NumberScan &scan)
{
    if (!scan.complete)
        return std::nullopt;
    // The number in the notation from_chars reads, on the stack unless it is very long.
    const size_t length = size_t(std::max<qsizetype>(scan.integerDigits.count, 1)) + 1
                          + size_t(scan.fractionDigits.count) + 2 + size_t(scan.exponentDigits.count);
    char shortText[128];
    std::string longText;
    char *const begin = length <= sizeof shortText ? shortText : (longText.resize(length), longText.data());
    char *end = begin;
    if (scan.integerDigits.empty())
        *end++ = '0';
    end = copyDigits(text, scan.integerDigits, end);
    if (!scan.fractionDigits.empty()) {
        *end++ = '.';
        end = copyDigits(text, scan.fractionDigits, end);
    }
    if (!scan.exponentDigits.empty()) {
        *end++ = 'e';
        if (scan.negativeExponent)
            *end++ = '-';
        end = copyDigits(text, scan.exponentDigits, end);
    }
    double value = 0.0;
    const auto result = std::from_chars(begin, end, value);
    if (result.ec == std::errc::result_out_of_range) {
        // Out of range either way: too large is no number, too small reads as zero.
        if (decimalOrder(text, scan) > 0)
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
    const NumberScan scan = scanText(text, grammar);
    if (scan.end != text.size())
        return std::nullopt;
    return valueOf(text, scan);
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

std::optional<double> scannedValue(QStringView text, const NumberScan &scan)
{
    return valueOf(text, scan);
}

std::optional<double> scannedValue(QLatin1StringView text, const NumberScan &scan)
{
    return valueOf(text, scan);
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
