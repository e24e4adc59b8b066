#pragma once

#include <QChar>
#include <QString>
#include <QStringView>

#include <optional>

namespace tragvel {

// The program's decimal separator: the comma of the Czech locale the program runs in.
QChar programDecimalSeparator();

// A real in number text: optional sign, digits with at most one decimal separator (at least one
// digit in the mantissa), optional exponent "E"/"e" with optional sign and digits, blanks (and
// other characters up to code 32) allowed around it. A value beyond the double range is not a
// number; a value too small for it reads as zero, however it is written.
std::optional<double> parseReal(QStringView text, QChar decimalSeparator);

// A whole number: optional leading blanks, optional sign, decimal digits, nothing after; within int.
std::optional<int> parseWhole(QStringView text);

// As above, but a failed conversion throws ConversionError with the runtime's text
// "'<text>' is not a valid floating point value" / "'<text>' is not a valid integer value".
double toReal(const QString &text, QChar decimalSeparator);
int toWhole(const QString &text);

// General number text: 15 significant digits, no trailing zeros, plain notation for magnitudes
// from 0,0001 with at most 15 integer digits, exponent form ("1E-5", "1,5E20") otherwise.
QString generalText(double value, QChar decimalSeparator);

// General number text with at most `significantDigits` significant digits (1..17).
QString generalText(double value, int significantDigits, QChar decimalSeparator);

// Fixed number text: rounded to `decimals` decimals, or to `precision` significant digits where
// that is coarser, written with exactly `decimals` decimals; a value with more than `precision`
// integer digits is written in the exponent form of general text with `precision` digits.
QString fixedText(double value, int precision, int decimals, QChar decimalSeparator);

// The prefix followed by the decimal digits of `number` (a row label such as "      12"), built in
// one piece.
QString prefixedNumber(QStringView prefix, int number);

// A cell text as the table files write it: a cell that reads as a number is written in the files'
// point notation (separator replaced, digits as typed, blanks around it dropped; forms such as "1,"
// or ",5" that the point notation lacks are written as their value), any other text as it stands.
QString pointNotationText(const QString &cell, QChar decimalSeparator);

} // namespace tragvel
