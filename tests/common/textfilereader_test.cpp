#include "common/errors.h"
#include "common/textfilereader.h"

#include <QFile>
#include <QTemporaryDir>

#include <functional>

#include <gtest/gtest.h>

using namespace tragvel;

namespace {

struct TokenCase
{
    const char *token;
    bool valid;
    double value;
};

TEST(TextFileReader, ReadsNumbersInPointNotation)
{
    const TokenCase cases[] = {
        {"12.5", true, 12.5}, {"-0.25", true, -0.25}, {"+3", true, 3}, {"1E3", true, 1000}, {"2e-1", true, 0.2},
        {"1,5", false, 1}, {"-0,5", false, 0}, {"2.5x", false, 25}, {"x", false, 0}, {"-", false, 0},
        {"1E999", false, 1999}, {"nan", false, 0}, {"inf", false, 0}, {"5.", false, 5}, {".5", false, 0},
        {"1E", false, 1}, {"1.e5", false, 1}, {"2.x7", false, 2}, {"1Ex5", false, 1}, {"12.5e+x3", false, 125},
        // The digits of a complete exponent count as well: sign and exponent mark are disregarded.
        {"1E-5x", false, 15}, {"2e+3,", false, 23}, {"-4e12;", false, 412},
    };
    for (const TokenCase &c : cases) {
        TextFileReader reader(QByteArray(c.token));
        const TextFileReader::Number n = reader.readNumber();
        EXPECT_EQ(n.valid, c.valid) << c.token;
        EXPECT_EQ(n.value, c.value) << c.token;
        EXPECT_TRUE(reader.atEnd()) << c.token;
    }
}

TEST(TextFileReader, SkipsBlanksAcrossLineEndsAndEndsAsZero)
{
    TextFileReader reader(QByteArray(" \t\r\n 7 \r\n  "));
    EXPECT_EQ(reader.readNumber().value, 7);
    EXPECT_FALSE(reader.atLineEnd());
    const TextFileReader::Number last = reader.readNumber();
    EXPECT_TRUE(last.valid);
    EXPECT_EQ(last.value, 0);
    EXPECT_TRUE(reader.atEnd());
}

TEST(TextFileReader, LineEndsAreCrLfCrOrLf)
{
    TextFileReader reader(QByteArray("1\r\n2\r3\n4"));
    for (int expected = 1; expected <= 4; ++expected) {
        EXPECT_FALSE(reader.atEnd());
        EXPECT_EQ(reader.readNumber().value, expected);
        EXPECT_TRUE(reader.atLineEnd());
        reader.skipLine();
    }
    EXPECT_TRUE(reader.atEnd());
}

TEST(TextFileReader, CrLfIsOneLineEndButLfCrIsTwo)
{
    TextFileReader reader(QByteArray("\n\r5"));
    reader.skipLine();
    EXPECT_TRUE(reader.atLineEnd());
    reader.skipLine();
    EXPECT_EQ(reader.readNumber().value, 5);
}

TEST(TextFileReader, DataEndAtCtrlZ)
{
    TextFileReader reader(QByteArray("1 2\x1a" "3 4\r\n", 9));
    EXPECT_EQ(reader.readNumber().value, 1);
    EXPECT_EQ(reader.readNumber().value, 2);
    EXPECT_TRUE(reader.atEnd());
}

TEST(TextFileReader, LongTokensAreCutAt64Characters)
{
    const QByteArray token = QByteArray(64, '1') + "2345";
    TextFileReader reader(token);
    const TextFileReader::Number first = reader.readNumber();
    EXPECT_TRUE(first.valid);
    EXPECT_EQ(first.value, 1.1111111111111111e63);
    EXPECT_EQ(reader.readNumber().value, 2345);
    EXPECT_TRUE(reader.atEnd());
}

TEST(TextFileReader, RestOfLine)
{
    TextFileReader blanks(QByteArray("1 \t \r\n9"));
    blanks.readNumber();
    EXPECT_TRUE(blanks.restOfLineIsBlank());
    TextFileReader more(QByteArray("1  3\r\n"));
    more.readNumber();
    EXPECT_FALSE(more.restOfLineIsBlank());
    TextFileReader control(QByteArray("1 \x01\r\n"));
    control.readNumber();
    EXPECT_FALSE(control.restOfLineIsBlank());
}

TEST(TextFileReader, NulBytesAreBlanks)
{
    TextFileReader reader(QByteArray("4\0" "5", 3));
    EXPECT_EQ(reader.readNumber().value, 4);
    EXPECT_EQ(reader.readNumber().value, 5);
}

} // namespace

namespace {

QString writeFile(const QTemporaryDir &dir, const char *name, const QByteArray &bytes)
{
    const QString path = dir.filePath(QString::fromLatin1(name));
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
    return path;
}

QString errorOf(const std::function<void()> &read)
{
    try {
        read();
    } catch (const FileError &e) {
        return e.text();
    }
    return QString();
}

TEST(TextFileReaderFile, OnlyRegularFilesAreOpened)
{
    QTemporaryDir dir;
    const QString refused = QStringLiteral("Nejde o běžný soubor, vyberte soubor s daty.");
    for (const QString &path : {QStringLiteral("/dev/zero"), dir.path()}) {
        EXPECT_EQ(errorOf([&] { TextFileReader::fromFile(path); }),
                  QStringLiteral("Cannot open file \"%1\". %2").arg(path, refused));
    }
    const QString missing = dir.filePath(QStringLiteral("none.zat"));
    EXPECT_TRUE(errorOf([&] { TextFileReader::fromFile(missing); })
                    .startsWith(QStringLiteral("Cannot open file \"%1\". ").arg(missing)));
}

// The bytes are read only as far as the reader asks, never beyond the limit: a file exactly at
// the limit reads to its end, one byte more is refused once the reader needs it.
TEST(TextFileReaderFile, ReadsAtMostTheLimit)
{
    QTemporaryDir dir;
    const QString atLimit = writeFile(dir, "a.prc", "1" + QByteArray(98, ' ') + "2");
    TextFileReader reader = TextFileReader::fromFile(atLimit, 100);
    EXPECT_EQ(reader.readNumber().value, 1);
    EXPECT_EQ(reader.readNumber().value, 2);
    EXPECT_TRUE(reader.atEnd());

    const QString beyond = writeFile(dir, "b.prc", "1 2\r\n" + QByteArray(95, '\0') + "3");
    TextFileReader longer = TextFileReader::fromFile(beyond, 100);
    EXPECT_EQ(longer.readNumber().value, 1);
    EXPECT_EQ(longer.readNumber().value, 2);
    longer.skipLine();
    EXPECT_EQ(errorOf([&] { longer.readNumber(); }), fileTooLongText(beyond, 100));
    EXPECT_EQ(fileTooLongText(QStringLiteral("/x/a.prc"), 100),
              QStringLiteral("Soubor \"/x/a.prc\" nelze načíst: řádky tabulky v něm zabírají více než 100 bajtů. "
                             "Vyberte soubor s tabulkou, nebo jej zkraťte."));
}

// A reader that stops after its lines costs nothing of the rest of a huge file (sparse here).
TEST(TextFileReaderFile, HugeFileIsReadOnlyAsFarAsNeeded)
{
    QTemporaryDir dir;
    QByteArray lines;
    for (int i = 0; i < 101; ++i)
        lines += QByteArray::number(i) + " 1\r\n";
    const QString path = writeFile(dir, "huge.prc", lines);
    ASSERT_TRUE(QFile::resize(path, qint64(2) << 30));
    TextFileReader reader = TextFileReader::fromFile(path);
    for (int i = 0; i < 101; ++i) {
        EXPECT_EQ(reader.readNumber().value, i);
        reader.skipLine();
    }
    EXPECT_FALSE(reader.atEnd());
}

} // namespace
