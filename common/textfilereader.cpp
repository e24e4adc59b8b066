#include "common/textfilereader.h"

#include "common/filesave.h"

#include <charconv>
#include <cmath>
#include <string>
#include <system_error>

namespace tragvel {

namespace {

constexpr char ctrlZ = 26;

bool isLineEnd(char c)
{
    return c == '\r' || c == '\n';
}

bool isSeparatorChar(char c)
{
    return static_cast<unsigned char>(c) <= 32;
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

// Length of the longest prefix of `token` that could still begin a number in point notation.
qsizetype validPrefixLength(QByteArrayView token)
{
    qsizetype i = 0;
    const qsizetype n = token.size();
    if (i < n && (token[i] == '+' || token[i] == '-'))
        ++i;
    const qsizetype mantissaStart = i;
    while (i < n && isDigit(token[i]))
        ++i;
    if (i == mantissaStart)
        return i;
    if (i < n && token[i] == '.') {
        ++i;
        const qsizetype fractionStart = i;
        while (i < n && isDigit(token[i]))
            ++i;
        // A point must be followed by digits: what comes next is the first invalid character.
        if (i == fractionStart)
            return i;
    }
    if (i < n && (token[i] == 'E' || token[i] == 'e')) {
        ++i;
        if (i < n && (token[i] == '+' || token[i] == '-'))
            ++i;
        while (i < n && isDigit(token[i]))
            ++i;
    }
    return i;
}

} // namespace

bool parsePointNotation(QByteArrayView token, double &value)
{
    qsizetype i = 0;
    const qsizetype n = token.size();
    bool negative = false;
    if (i < n && (token[i] == '+' || token[i] == '-')) {
        negative = token[i] == '-';
        ++i;
    }
    const qsizetype mantissaStart = i;
    while (i < n && isDigit(token[i]))
        ++i;
    if (i == mantissaStart)
        return false;
    if (i < n && token[i] == '.') {
        ++i;
        const qsizetype fractionStart = i;
        while (i < n && isDigit(token[i]))
            ++i;
        if (i == fractionStart)
            return false;
    }
    bool negativeExponent = false;
    if (i < n && (token[i] == 'E' || token[i] == 'e')) {
        ++i;
        if (i < n && (token[i] == '+' || token[i] == '-')) {
            negativeExponent = token[i] == '-';
            ++i;
        }
        const qsizetype exponentStart = i;
        while (i < n && isDigit(token[i]))
            ++i;
        if (i == exponentStart)
            return false;
    }
    if (i != n)
        return false;
    std::string ascii(token.data() + mantissaStart, size_t(n - mantissaStart));
    double parsed = 0.0;
    const auto result = std::from_chars(ascii.data(), ascii.data() + ascii.size(), parsed);
    if (result.ec == std::errc::result_out_of_range) {
        if (!negativeExponent)
            return false;
        parsed = 0.0;
    } else if (result.ec != std::errc()) {
        return false;
    }
    if (!std::isfinite(parsed))
        return false;
    value = negative ? -parsed : parsed;
    return true;
}

TextFileReader::TextFileReader(const QByteArray &bytes)
{
    const qsizetype end = bytes.indexOf(ctrlZ);
    m_data = end < 0 ? bytes : bytes.left(end);
}

TextFileReader TextFileReader::fromFile(const QString &path)
{
    return TextFileReader(readWholeFile(path));
}

bool TextFileReader::atLineEnd() const
{
    return atEnd() || isLineEnd(m_data[m_pos]);
}

TextFileReader::Number TextFileReader::readNumber()
{
    while (!atEnd() && isSeparatorChar(m_data[m_pos]))
        ++m_pos;
    if (atEnd())
        return {0.0, true};
    const qsizetype start = m_pos;
    while (!atEnd() && !isSeparatorChar(m_data[m_pos]) && m_pos - start < maxTokenLength)
        ++m_pos;
    const QByteArrayView token(m_data.constData() + start, m_pos - start);

    Number number;
    if (parsePointNotation(token, number.value))
        return number;

    // The partial value: the digits before the first invalid character, as a whole number.
    number.valid = false;
    number.value = 0.0;
    const qsizetype valid = validPrefixLength(token);
    for (qsizetype i = 0; i < valid; ++i) {
        if (isDigit(token[i]))
            number.value = number.value * 10.0 + double(token[i] - '0');
    }
    return number;
}

bool TextFileReader::restOfLineIsBlank() const
{
    for (qsizetype i = m_pos; i < m_data.size() && !isLineEnd(m_data[i]); ++i) {
        if (m_data[i] != ' ' && m_data[i] != '\t')
            return false;
    }
    return true;
}

void TextFileReader::skipLine()
{
    while (!atEnd() && !isLineEnd(m_data[m_pos]))
        ++m_pos;
    if (atEnd())
        return;
    if (m_data[m_pos] == '\r' && m_pos + 1 < m_data.size() && m_data[m_pos + 1] == '\n')
        m_pos += 2;
    else
        ++m_pos;
}

} // namespace tragvel
