#pragma once

#include <QByteArray>
#include <QString>

namespace tragvel {

// Reads the bytes of a table file (.prc, .zat) character by character, the way both file readers
// see them: the data end at the physical end or at the first Ctrl-Z (byte 26); CR, LF and CR LF
// each end one line.
class TextFileReader
{
public:
    explicit TextFileReader(const QByteArray &bytes);

    // Reads the whole file at once; throws FileError (reason and path) when it cannot be read.
    static TextFileReader fromFile(const QString &path);

    // A number read by readNumber(): `valid` is false when the token was not a number in point
    // notation (the caller reports it); `value` is then the partial value.
    struct Number
    {
        double value = 0.0;
        bool valid = true;
    };

    bool atEnd() const { return m_pos >= m_data.size(); }
    // The next character ends the line (CR or LF) or the data end here.
    bool atLineEnd() const;

    // Skips every character of code 32 or less, across line ends; at the end of the data the
    // number is 0 and valid. Otherwise takes the token up to the next character of code 32 or less,
    // at most 64 characters (the rest of a longer token is the next token), and reads it in point
    // notation. An invalid token yields the whole number formed by the digits before its first
    // invalid character, sign, point and exponent mark disregarded ("1,5" -> 1, "2.5x" -> 25).
    Number readNumber();

    // True when the rest of the current line holds nothing but blanks and tabs.
    bool restOfLineIsBlank() const;

    // Skips the rest of the current line and its line end (CR, LF or CR LF).
    void skipLine();

    static constexpr int maxTokenLength = 64;

private:
    QByteArray m_data;
    qsizetype m_pos = 0;
};

// Reads a number in the files' point notation: optional sign, digits, optional "." and digits,
// optional "E"/"e" with optional sign and digits. Nothing else is allowed (no blanks).
bool parsePointNotation(QByteArrayView token, double &value);

} // namespace tragvel
