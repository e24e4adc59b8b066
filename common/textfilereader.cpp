#include "common/textfilereader.h"

#include "common/errors.h"
#include "common/filesave.h"

#include <QDir>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
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
    : m_maxBytes(std::numeric_limits<qsizetype>::max())
{
    const qsizetype end = bytes.indexOf(ctrlZ);
    m_data = end < 0 ? bytes : bytes.left(end);
}

TextFileReader::TextFileReader(std::unique_ptr<QFile> file, const QString &path, qsizetype maxBytes)
    : m_file(std::move(file)), m_path(path), m_maxBytes(maxBytes)
{
}

TextFileReader::TextFileReader(TextFileReader &&other) noexcept = default;
TextFileReader &TextFileReader::operator=(TextFileReader &&other) noexcept = default;
TextFileReader::~TextFileReader() = default;

TextFileReader TextFileReader::fromFile(const QString &path, qsizetype maxBytes)
{
    return TextFileReader(openRegularFile(path), path, maxBytes);
}

QString fileTooLongText(const QString &path, qsizetype maxBytes)
{
    return QStringLiteral("Soubor \"%1\" nelze načíst: řádky tabulky v něm zabírají více než %2 bajtů. "
                          "Vyberte soubor s tabulkou, nebo jej zkraťte.")
        .arg(QDir::toNativeSeparators(path))
        .arg(maxBytes);
}

bool TextFileReader::has(qsizetype pos)
{
    // At most one byte beyond the limit is read: enough to know whether the data go on.
    while (pos >= m_data.size() && m_file && m_data.size() <= m_maxBytes)
        readMore();
    if (pos >= m_maxBytes && m_data.size() > m_maxBytes)
        throw FileError(fileTooLongText(m_path, m_maxBytes));
    return pos < m_data.size();
}

void TextFileReader::readMore()
{
    constexpr qsizetype piece = 64 * 1024;
    const qsizetype wanted = std::min(piece, m_maxBytes + 1 - m_data.size());
    QByteArray bytes = m_file->read(wanted);
    if (m_file->error() != QFileDevice::NoError)
        throw FileError(cannotOpenText(m_path, m_file->errorString()));
    const qsizetype end = bytes.indexOf(ctrlZ);
    if (end >= 0)
        bytes.truncate(end);
    m_data += bytes;
    if (bytes.isEmpty() || end >= 0)
        m_file.reset();
}

bool TextFileReader::atLineEnd()
{
    return !has(m_pos) || isLineEnd(m_data[m_pos]);
}

TextFileReader::Number TextFileReader::readNumber()
{
    while (has(m_pos) && isSeparatorChar(m_data[m_pos]))
        ++m_pos;
    if (!has(m_pos))
        return {0.0, true};
    const qsizetype start = m_pos;
    while (has(m_pos) && !isSeparatorChar(m_data[m_pos]) && m_pos - start < maxTokenLength)
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

bool TextFileReader::restOfLineIsBlank()
{
    for (qsizetype i = m_pos; has(i) && !isLineEnd(m_data[i]); ++i) {
        if (m_data[i] != ' ' && m_data[i] != '\t')
            return false;
    }
    return true;
}

void TextFileReader::skipLine()
{
    while (has(m_pos) && !isLineEnd(m_data[m_pos]))
        ++m_pos;
    if (!has(m_pos))
        return;
    if (m_data[m_pos] == '\r' && has(m_pos + 1) && m_data[m_pos + 1] == '\n')
        m_pos += 2;
    else
        ++m_pos;
}

} // namespace tragvel
