#pragma once

#include <QChar>
#include <QLatin1StringView>
#include <QStringView>

#include <optional>

namespace tragvel {

// The grammar of a real in number text: optional sign, mantissa digits with one decimal
// separator, optional exponent "E"/"e" with optional sign and digits. The cells and the files
// differ only in the separator and in whether the mantissa may lack digits on one side of it
// (",5" and "1," are numbers in a cell, ".5" and "1." are not in a file).
struct NumberGrammar
{
    QChar separator;
    bool digitsOnOneSideSuffice;

    static NumberGrammar cell(QChar decimalSeparator) { return {decimalSeparator, true}; }
    static NumberGrammar file() { return {QChar(u'.'), false}; }
};

// Where a run of digits lies in the scanned text.
struct DigitRun
{
    qsizetype start = 0;
    qsizetype count = 0;

    bool empty() const { return count == 0; }
};

// What the scanner found from the start of a text: the parts read before it stopped, as places in
// that text (nothing is copied out of it).
struct NumberScan
{
    qsizetype end = 0;      // characters taken: the longest prefix that can begin a number
    bool complete = false;  // the prefix of `end` characters is a whole number
    bool negative = false;
    DigitRun integerDigits;
    DigitRun fractionDigits;
    bool negativeExponent = false;
    DigitRun exponentDigits;
};

// Scans the text from its first character by the grammar; stops at the first character that
// cannot continue a number.
NumberScan scanNumber(QStringView text, const NumberGrammar &grammar);
NumberScan scanNumber(QLatin1StringView text, const NumberGrammar &grammar);

// The value of a complete scan of `text`, judged by the value itself: beyond the range of doubles
// it is no number, below it (however it is written) it is zero.
std::optional<double> scannedValue(QStringView text, const NumberScan &scan);
std::optional<double> scannedValue(QLatin1StringView text, const NumberScan &scan);

// The whole text (no blanks) as a number of the grammar, or nothing.
std::optional<double> readNumberText(QStringView text, const NumberGrammar &grammar);
std::optional<double> readNumberText(QLatin1StringView text, const NumberGrammar &grammar);

} // namespace tragvel
