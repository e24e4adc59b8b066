#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

#include <algorithm>
#include <memory>

namespace tragvel {

// Reads the bytes of a table file (.prc, .zat) character by character, the way both file readers
// see them: the data end at the physical end or at the first Ctrl-Z (byte 26); CR, LF and CR LF
// each end one line.
class TextFileReader
{
public:
    explicit TextFileReader(const QByteArray &bytes);
    TextFileReader(TextFileReader &&other) noexcept;
    TextFileReader &operator=(TextFileReader &&other) noexcept;
    ~TextFileReader();

    // Opens a regular file and reads it piece by piece, only as far as the readers ask, and never
    // beyond maxBytes: the readers stop once the table is full, so a huge file costs no more than
    // a table's worth. Throws FileError "Cannot open file "<path>". <reason>" when the file cannot
    // be opened or read (a directory, FIFO or device is refused), and FileError with a text for the
    // user when the readers need more than maxBytes bytes of it.
    static TextFileReader fromFile(const QString &path, qsizetype maxBytes = maxFileBytes);

    // A number read by readNumber(): `valid` is false when the token was not a number in point
    // notation (the caller reports it); `value` is then the partial value.
    struct Number
    {
        double value = 0.0;
        bool valid = true;
    };

    bool atEnd() { return !has(m_pos); }
    // The next character ends the line (CR or LF) or the data end here.
    bool atLineEnd();

    // Skips every character of code 32 or less, across line ends; at the end of the data the
    // number is 0 and valid. Otherwise takes the token up to the next character of code 32 or less,
    // at most 64 characters (the rest of a longer token is the next token), and reads it in point
    // notation. An invalid token yields the whole number formed by the digits before its first
    // invalid character, sign, point and exponent mark disregarded ("1,5" -> 1, "2.5x" -> 25).
    Number readNumber();

    // True when the rest of the current line holds nothing but blanks and tabs.
    bool restOfLineIsBlank();

    // Skips the rest of the current line and its line end (CR, LF or CR LF).
    void skipLine();

    static constexpr int maxTokenLength = 64;
    // What a full table can need of a file, generously: 100 lines of six 64-character numbers with
    // a good deal of blanks between them.
    static constexpr qsizetype maxFileBytes = qsizetype(1) << 20;

private:
    TextFileReader(std::unique_ptr<QFile> file, const QString &path, qsizetype maxBytes);

    // True when byte `pos` of the data exists; reads more of the file when needed. Within what is
    // read and within the limit there is nothing more to check: that test is the readers' inner loop.
    bool has(qsizetype pos) { return pos < std::min(m_data.size(), m_maxBytes) || hasBeyondReadPart(pos); }
    bool hasBeyondReadPart(qsizetype pos);
    void readMore();
    // Byte `pos`, which has() has made sure of; read without the detaching QByteArray::operator[].
    char at(qsizetype pos) const { return m_data.constData()[pos]; }

    QByteArray m_data;
    qsizetype m_pos = 0;
    std::unique_ptr<QFile> m_file; // the rest still to read; none once the data end is known
    QString m_path;
    qsizetype m_maxBytes;
};

// The text shown when a table file holds more than `maxBytes` bytes before its table is full.
QString fileTooLongText(const QString &path, qsizetype maxBytes);

// Reads a number in the files' point notation: optional sign, digits, optional "." and digits,
// optional "E"/"e" with optional sign and digits. Nothing else is allowed (no blanks).
bool parsePointNotation(QByteArrayView token, double &value);

} // namespace tragvel
