#include "common/textfilereader.h"

#include "common/errors.h"
#include "common/filesave.h"
#include "common/numbergrammar.h"

#include <QDir>

#include <algorithm>
#include <limits>
#include <optional>

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

// The partial value of an invalid file number: every digit the scan took, in text order, read as
// one whole number.
double partialValue(QByteArrayView token, const NumberScan &scan)
{
    double value = 0.0;
    for (const DigitRun &run : {scan.integerDigits, scan.fractionDigits, scan.exponentDigits}) {
        for (qsizetype i = run.start; i < run.start + run.count; ++i)
            value = value * 10.0 + double(token[i] - '0');
    }
    return value;
}

} // namespace

bool parsePointNotation(QByteArrayView token, double &value)
{
    const std::optional<double> number = readNumberText(QLatin1StringView(token), NumberGrammar::file());
    if (number)
        value = *number;
    return number.has_value();
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

bool TextFileReader::hasBeyondReadPart(qsizetype pos)
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
    return !has(m_pos) || isLineEnd(at(m_pos));
}

TextFileReader::Number TextFileReader::readNumber()
{
    while (has(m_pos) && isSeparatorChar(at(m_pos)))
        ++m_pos;
    if (!has(m_pos))
        return {0.0, true};
    const qsizetype start = m_pos;
    while (has(m_pos) && !isSeparatorChar(at(m_pos)) && m_pos - start < maxTokenLength)
        ++m_pos;
    const QByteArrayView token(m_data.constData() + start, m_pos - start);

    const QLatin1StringView text(token);
    const NumberScan scan = scanNumber(text, NumberGrammar::file());
    if (scan.end == text.size()) {
        if (const std::optional<double> value = scannedValue(text, scan))
            return {*value, true};
    }
    return {partialValue(token, scan), false};
}

bool TextFileReader::restOfLineIsBlank()
{
    for (qsizetype i = m_pos; has(i) && !isLineEnd(at(i)); ++i) {
        if (at(i) != ' ' && at(i) != '\t')
            return false;
    }
    return true;
}

void TextFileReader::skipLine()
{
    while (has(m_pos) && !isLineEnd(at(m_pos)))
        ++m_pos;
    if (!has(m_pos))
        return;
    if (at(m_pos) == '\r' && has(m_pos + 1) && at(m_pos + 1) == '\n')
        m_pos += 2;
    else
        ++m_pos;
}

} // namespace tragvel
